#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include "WindowTest.h"
#include "burmese/logic/BurmeseReport.h"
#include "burmese/logic/BurmeseState.h"
#include "burmese/logic/BurmeseTexts.h"
#include "burmese/logic/BurmeseTradition.h"
#include "burmese/logic/modBurmese.h"
#include "burmese/windows/BurmeseChartFrame.h"
#include "burmese/windows/frmBurmeseAstrologyDisplay.h"
#include "burmese/windows/frmBurmeseAstrologyMain.h"
#include "burmese/windows/frmBurmeseAstrologySave.h"
#include "common/logic/RecordFile.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportView.h"

namespace oriastra {
namespace {

const QString kQuestion = QStringLiteral("Is Your Time Of Birth After 12 PM ?");

class BurmeseWindows : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
        Main().cmdSelectOption_Click(2);
        Settle();
    }
    frmBurmeseAstrologyMain* Input() {
        return Windows().As<frmBurmeseAstrologyMain>(InputOf(kBurmeseTradition));
    }
    frmBurmeseAstrologyDisplay* Display() {
        return Windows().As<frmBurmeseAstrologyDisplay>(ReadingOf(kBurmeseTradition));
    }
    frmBurmeseAstrologySave* Report() {
        return Windows().As<frmBurmeseAstrologySave>(ReportOf(kBurmeseTradition));
    }
    BurmeseState& Burmese() { return State().traditions.Of<BurmeseState>(); }

    // Typed as a user types: the name box turns the letters into capitals.
    void Enter(const QString& name, const QString& month, const QString& day, const QString& year) {
        EnterBirthDetails(*Input()->panel, name, month, day, year);
    }
    void Generate() { Click(Input()->cmdGenerateChart); }
    void OpenRecord(const QString& path) { ClickChoosing(Input()->cmdOpen, path); }
    void Print() { Click(Display()->cmdPrint); }
    // The day sign labels of the interpretation tab, in reading order.
    QStringList DaySignShown() {
        frmBurmeseAstrologyDisplay& d = *Display();
        return {d.lblBirthDay->text(),       d.lblLuckyDirection->text(), d.lblAnimalSign->text(),
                d.lblBirthDayPlanet->text(), d.lblCharacteristic->text(), d.lblPlanetDesc->text(),
                d.lblAnimalDesc->text()};
    }
    static QStringList DaySignOfRow(int row) {
        const DaySign& sign = DaySignRow(row);
        return {ToQt(sign.birthDay),       ToQt(sign.luckyDirection), ToQt(sign.animalSign),
                ToQt(sign.birthDayPlanet), ToQt(sign.characteristic), ToQt(DaySignPlanetText(row)),
                ToQt(DaySignAnimalText(row))};
    }
    QStringList HousePlanets() {
        QStringList planets;
        for (QLabel* label : Display()->Frame1->lblPlanetName) planets << label->text();
        return planets;
    }
    // A chart for 1 May 1990 with its chart tab in front.
    BurmeseChartFrame& ChartTab() {
        Enter("ann", "May", "1", "1990");
        Generate();
        Display()->SSTab1->setCurrentIndex(0);
        Settle();
        return *Display()->Frame1;
    }
    // Clicks the report view on the character at `position`.
    void ClickReportAt(int position) {
        QTextCursor cursor(Report()->RTB->document());
        cursor.setPosition(position);
        const QPoint point = Report()->RTB->cursorRect(cursor).center() + QPoint(3, 0);
        QTest::mouseClick(Report()->RTB->viewport(), Qt::LeftButton, {}, point);
    }
};

// Tab moves on from the name box as from any other box: it is no letter to refuse.
TEST_F(BurmeseWindows, TabLeavesTheNameBoxWithoutAMessage) {
    BirthDetailsPanel& panel = *Input()->panel;
    panel.txtName->setFocus();
    QTest::keyClicks(panel.txtName, "ann");
    QTest::keyClick(panel.txtName, Qt::Key_Tab);
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join(' ').toStdString();
    EXPECT_EQ(QApplication::focusWidget(), panel.cboMonth);
    QTest::keyClick(panel.cboMonth, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), panel.txtName);
    EXPECT_EQ(panel.txtName->text(), "ANN");
}

TEST_F(BurmeseWindows, TuesdayChartOpensOnTheInterpretationTab) {
    Enter("john", "December", "8", "2026");
    Generate();
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(Display()->isVisible());
    EXPECT_FALSE(Input()->isVisible());
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    EXPECT_TRUE(platform.messages.empty()) << "no question for a Tuesday";
    EXPECT_EQ(Display()->SSTab1->currentIndex(), 1);
    EXPECT_EQ(Display()->SSTab1->tabText(0), "Burmese Astrology Chart");
    EXPECT_EQ(Display()->SSTab1->tabText(1), "Burmese Astrology Interpretation");
    EXPECT_EQ(DaySignShown(), DaySignOfRow(3));
    EXPECT_EQ(HousePlanets(),
              (QStringList{"Moon", "Jupiter", "Sun", "Mercury", "Saturn", "Mars", "Venus"}));
    EXPECT_EQ(State().birthDetails.name, "JOHN");
    EXPECT_EQ(Burmese().BirthWeekday, "Tuesday");

    // Back and a new date: a fresh chart window, again on its second tab.
    Display()->SSTab1->setCurrentIndex(0);
    QTest::mouseClick(Display()->cmdOK, Qt::LeftButton);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kBurmeseTradition)));
    EXPECT_TRUE(Input()->isVisible());
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    Input()->panel->cboDate->setCurrentText("12");
    Generate();
    EXPECT_EQ(Display()->SSTab1->currentIndex(), 1);
    EXPECT_EQ(DaySignShown(), DaySignOfRow(8));
}

struct AnswerCase {
    const char* name;
    MessageAnswer answer;
    int row;
    std::string stored;
    friend void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }
};

class BurmeseWednesday : public BurmeseWindows, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(BurmeseWednesday, QuestionDecidesTheRowAndTheAnswerOutlivesLaterReadings) {
    Enter("ann", "December", "9", "2026");
    platform.answers.push_back(GetParam().answer);
    Generate();
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, kQuestion);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(DaySignShown(), DaySignOfRow(GetParam().row));
    EXPECT_EQ(Burmese().AfternoonAnswer, GetParam().stored);

    // A Thursday asks nothing and keeps the Wednesday answer, which its record saves.
    QTest::mouseClick(Display()->cmdOK, Qt::LeftButton);
    Input()->panel->cboDate->setCurrentText("10");
    Generate();
    EXPECT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(DaySignShown(), DaySignOfRow(6));
    EXPECT_EQ(Burmese().AfternoonAnswer, GetParam().stored);
    Print();
    const QString path = folder.filePath("ann.bur");
    platform.chosenPaths.push_back(path);
    QTest::mouseClick(Report()->cmdSave, Qt::LeftButton);
    EXPECT_EQ(ReadRecordFile(FromQt(path), 5),
              (std::vector<std::string>{"ANN", "10", "December", "2026", GetParam().stored}));
}

INSTANTIATE_TEST_SUITE_P(
    BothAnswers, BurmeseWednesday,
    ::testing::Values(AnswerCase{"YesIsRowFive", MessageAnswer::Yes, 5, "True"},
                      AnswerCase{"NoIsRowFour", MessageAnswer::No, 4, "False"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BurmeseWindows, WednesdayRecordAnswersTheQuestionOrLeavesTheInitialCaptions) {
    OpenRecord(WriteRecord("yes.bur", {"ANN", "9", "December", "2026", "True"}));
    EXPECT_TRUE(platform.messages.empty()) << "a record is never asked";
    EXPECT_EQ(DaySignShown(), DaySignOfRow(5));
    EXPECT_FALSE(Burmese().OpenedFromRecord);

    // A fresh input window, so the chart window starts from its initial captions.
    Main().cmdSelectOption_Click(2);
    Settle();
    OpenRecord(WriteRecord("maybe.bur", {"ANN", "9", "December", "2026", "maybe"}));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Burmese().AfternoonAnswer, "maybe");
    const BurmeseReading initial = InitialBurmeseReading();
    EXPECT_EQ(DaySignShown(), (QStringList{"Wednesday", ToQt(initial.luckyDirection),
                                      ToQt(initial.animalSign), ToQt(initial.birthDayPlanet),
                                      ToQt(initial.characteristic), ToQt(initial.planetDescription),
                                      ToQt(initial.animalDescription)}));
    EXPECT_EQ(HousePlanets(),
              (QStringList{"Moon", "Jupiter", "Sun", "Mercury", "Saturn", "Mars", "Venus"}));

    // The record's mark covered that one generation: a Wednesday typed in is asked again.
    QTest::mouseClick(Display()->cmdOK, Qt::LeftButton);
    Generate();
    EXPECT_EQ(platform.MessageTexts(), QStringList{kQuestion});
}

TEST_F(BurmeseWindows, RecordStoppedByTheValidationStillClearsItsMark) {
    OpenRecord(WriteRecord("noname.bur", {"", "9", "December", "2026", "True"}));
    EXPECT_EQ(platform.MessageTexts(), QStringList{"Please Enter Your Name !"});
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_FALSE(Burmese().OpenedFromRecord);
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kBurmeseTradition)));
    QTest::keyClicks(Input()->panel->txtName, "ann");
    Generate();
    EXPECT_EQ(platform.MessageTexts(), (QStringList{"Please Enter Your Name !", kQuestion}));
}

TEST_F(BurmeseWindows, OpenRefusesOtherExtensionsAndReadsShortFiles) {
    Enter("bo", "March", "3", "1950");
    OpenRecord(WriteRecord("reading.txt", {"ANN", "5", "January", "1990", ""}));
    EXPECT_EQ(platform.MessageTexts(), QStringList{"Please Check The File."});
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(Input()->panel->txtName->text(), "BO");
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kBurmeseTradition)));
    ASSERT_EQ(platform.dialogs.size(), 1U);
    EXPECT_EQ(platform.dialogs[0].title, "Select the source file");
    EXPECT_EQ(platform.dialogs[0].filter, "Kestrin Free Burmese Astrology (*.bur)|*.bur");
    EXPECT_EQ(platform.dialogs[0].defaultExtension, "bur");

    // Two lines, opened from the File menu: the name and the day; the month and year lists
    // keep their selection.
    Burmese().AfternoonAnswer = "True";
    platform.chosenPaths.push_back(WriteRecord("short.bur", {"ZED", "7"}));
    Input()->findChild<QAction*>("mnuOpenPreviouslySavedRecord")->trigger();
    Settle();
    BirthDetailsPanel& panel = *Input()->panel;
    EXPECT_EQ(panel.txtName->text(), "ZED");
    EXPECT_EQ(panel.cboDate->currentText(), "7");
    EXPECT_EQ(panel.cboMonth->currentText(), "March");
    EXPECT_EQ(panel.cboYear->currentText(), "1950");
    EXPECT_EQ(Burmese().AfternoonAnswer, "");
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(DaySignShown(), DaySignOfRow(3)) << "7 March 1950 was a Tuesday";
}

TEST_F(BurmeseWindows, SavedReadingReopensAsTheSameChart) {
    Enter("john", "January", "5", "1990");
    Generate();
    Print();
    ASSERT_NE(Report(), nullptr);
    const QString path = folder.filePath("john.bur");
    platform.chosenPaths.push_back(path);
    QTest::mouseClick(Report()->cmdSave, Qt::LeftButton);
    ASSERT_EQ(platform.dialogs.size(), 1U);
    EXPECT_EQ(platform.dialogs[0].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(platform.dialogs[0].title, "Kestrin Free Burmese Astrology");
    EXPECT_EQ(platform.dialogs[0].filter, "Kestrin Free Burmese Astrology | *.bur");
    EXPECT_EQ(platform.dialogs[0].defaultExtension, "bur");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(),
              std::string("\x9F\xA4\x9D\xA3\r\n"          // JOHN
                          "\x8A\r\n"                      // 5
                          "\x9F\xB6\xC3\xCA\xB6\xC7\xCE\r\n"  // January
                          "\x86\x8E\x8E\x85\r\n"          // 1990
                          "\r\n"));                       // no Wednesday answered yet
    const QStringList shown = DaySignShown();
    const QStringList houses = HousePlanets();

    Main().cmdSelectOption_Click(2);
    Settle();
    OpenRecord(path);
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(DaySignShown(), shown);
    EXPECT_EQ(HousePlanets(), houses);
    EXPECT_EQ(Input()->panel->cboMonth->currentText(), "January");
    EXPECT_EQ(Input()->panel->cboDate->currentText(), "5");
    EXPECT_EQ(Input()->panel->cboYear->currentText(), "1990");
}

TEST_F(BurmeseWindows, ChartGeometryColoursAndPointer) {
    const BurmeseChartFrame& chart = ChartTab();
    auto twips = [](int left, int top, int width, int height) {
        return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                     TwipsToPixels(height));
    };
    EXPECT_EQ(chart.picContainer->geometry(), twips(130, 240, 5685, 4965));
    EXPECT_EQ(chart.lblHouseName->geometry(), twips(6000, 240, 2715, 450));
    EXPECT_EQ(chart.lblHouseDesc->geometry(), twips(6000, 720, 2775, 4485));
    EXPECT_TRUE(chart.lblHouseDesc->wordWrap());
    EXPECT_EQ(chart.picContainer->grab().toImage().pixelColor(2, 2), QColor(53, 138, 189));

    const struct {
        const char* box;
        const char* caption;
        const char* number;
        int left, top;
        QColor colour;
    } houses[] = {
        {"picOne", "The House of Impermanence", "1", 1920, 3240, QColor(96, 85, 83)},
        {"picTwo", "The House of Extremity", "2", 120, 3240, QColor(96, 85, 83)},
        {"picThree", "The House of Fame", "3", 120, 1680, QColor(64, 64, 64)},
        {"picFour", "The House of Wealth", "4", 1920, 1680, QColor(64, 64, 64)},
        {"picFive", "The House van Kingly Position", "5", 3720, 1680, QColor(64, 64, 64)},
        {"picSix", "The House of Sickly", "6", 3720, 3240, QColor(96, 85, 83)},
        {"picSeven", "The House of the Leader", "7", 1920, 120, QColor(64, 64, 64)},
    };
    for (std::size_t k = 0; k < 7; ++k) {
        SCOPED_TRACE(houses[k].box);
        QFrame* box = chart.picHouse[k];
        EXPECT_EQ(box->objectName(), houses[k].box);
        EXPECT_EQ(box->parentWidget(), chart.picContainer);
        EXPECT_EQ(box->geometry(), twips(houses[k].left, houses[k].top, 1815, 1575));
        EXPECT_EQ(box->grab().toImage().pixelColor(1, 1), houses[k].colour);
        EXPECT_EQ(chart.lblHouseCaption[k]->text(), houses[k].caption);
        EXPECT_EQ(chart.lblHouseNumber[k]->text(), houses[k].number);
        EXPECT_EQ(box->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(box->cursor().hotSpot(), QPoint(13, 1));
        EXPECT_EQ(box->cursor().pixmap().deviceIndependentSize(), QSizeF(32, 32));
    }
    EXPECT_EQ(Find<QLabel>(Display(), "Label16"), chart.lblHouseCaption[3]);
    EXPECT_EQ(Find<QLabel>(Display(), "Label1"), chart.lblHouseNumber[6]);
    EXPECT_EQ(Find<QLabel>(Display(), "lblPlanetName(6)"), chart.lblPlanetName[6]);
}

enum class Region { HouseBox, HouseCaption, Frame, Container, Description, Number, Planet, Name };

struct HoverCase {
    const char* name;
    Region region;
    int house;             // 1..7 for a house's controls
    int expectedHouse;     // what the labels show afterwards: 0 the legend
    friend void PrintTo(const HoverCase& c, std::ostream* os) { *os << c.name; }
};

class BurmeseHover : public BurmeseWindows, public ::testing::WithParamInterface<HoverCase> {};

// Before each move the labels show house 3, so a move that changes nothing is seen.
TEST_P(BurmeseHover, MouseMoveOverARegion) {
    BurmeseChartFrame& chart = ChartTab();
    MoveMouseOver(chart.picHouse[2]);
    ASSERT_EQ(chart.lblHouseName->text(), "House of Fame");

    const HoverCase& c = GetParam();
    const std::size_t k = static_cast<std::size_t>(c.house > 0 ? c.house - 1 : 0);
    QWidget* target = nullptr;
    switch (c.region) {
        case Region::HouseBox: target = chart.picHouse[k]; break;
        case Region::HouseCaption: target = chart.lblHouseCaption[k]; break;
        case Region::Frame: target = &chart; break;
        case Region::Container: target = chart.picContainer; break;
        case Region::Description: target = chart.lblHouseDesc; break;
        case Region::Number: target = chart.lblHouseNumber[k]; break;
        case Region::Planet: target = chart.lblPlanetName[k]; break;
        case Region::Name: target = chart.lblHouseName; break;
    }
    MoveMouseOver(target);
    const HouseTexts& texts = Burmese().houses;
    if (c.expectedHouse == 0) {
        EXPECT_EQ(chart.lblHouseName->text(), "");
        EXPECT_EQ(chart.lblHouseDesc->text(), ToQt(HouseChartLegend()));
    } else {
        EXPECT_EQ(chart.lblHouseName->text(), ToQt(texts.HouseName[c.expectedHouse - 1]));
        EXPECT_EQ(chart.lblHouseDesc->text(), ToQt(HouseDescriptionText(c.expectedHouse)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRegion, BurmeseHover,
    ::testing::Values(
        HoverCase{"BoxOfHouse1", Region::HouseBox, 1, 1}, HoverCase{"BoxOfHouse2", Region::HouseBox, 2, 2},
        HoverCase{"BoxOfHouse4", Region::HouseBox, 4, 4}, HoverCase{"BoxOfHouse5", Region::HouseBox, 5, 5},
        HoverCase{"BoxOfHouse6", Region::HouseBox, 6, 6}, HoverCase{"BoxOfHouse7", Region::HouseBox, 7, 7},
        HoverCase{"CaptionOfHouse1", Region::HouseCaption, 1, 1},
        HoverCase{"CaptionOfHouse5", Region::HouseCaption, 5, 5},
        HoverCase{"CaptionOfHouse7", Region::HouseCaption, 7, 7},
        HoverCase{"Frame", Region::Frame, 0, 0}, HoverCase{"ChartBackground", Region::Container, 0, 0},
        HoverCase{"HouseDescription", Region::Description, 0, 0},
        HoverCase{"NumberOfHouse1", Region::Number, 1, 3}, HoverCase{"NumberOfHouse6", Region::Number, 6, 3},
        HoverCase{"PlanetOfHouse2", Region::Planet, 2, 3}, HoverCase{"PlanetOfHouse7", Region::Planet, 7, 3},
        HoverCase{"HouseName", Region::Name, 0, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BurmeseWindows, HoverFollowsThePointerAcrossTheChart) {
    BurmeseChartFrame& chart = ChartTab();
    EXPECT_EQ(chart.lblHouseDesc->text(), ToQt(HouseChartLegend())) << "before any move";
    // Real pointer moves through the window system: into house 5, then onto the blue background.
    QWidget* box = chart.picHouse[4];
    QTest::mouseMove(box, QPoint(box->width() / 2, box->height() - 3));
    Settle();
    EXPECT_EQ(chart.lblHouseName->text(), "House van Kingly Position");
    const QPoint gap = chart.picHouse[2]->geometry().bottomLeft() + QPoint(0, 4);
    QTest::mouseMove(chart.picContainer, QPoint(3, gap.y()));
    Settle();
    EXPECT_EQ(chart.lblHouseName->text(), "");
    EXPECT_EQ(chart.lblHouseDesc->text(), ToQt(HouseChartLegend()));
}

TEST_F(BurmeseWindows, ReportShowsTheChartWithLabelsValuesAndLiveLinks) {
    Enter("john", "January", "5", "1990");
    Generate();
    Print();
    ASSERT_NE(Report(), nullptr);
    ASSERT_TRUE(Report()->isVisible());
    EXPECT_TRUE(Display()->isVisible()) << "the chart window stays open behind";
    ReportView& rtb = *Report()->RTB;
    EXPECT_TRUE(rtb.LinksEnabled());
    const StyledText runs =
        BuildBurmeseReport({"JOHN", "January", "5", "1990"}, Display()->Reading(), Burmese().houses);
    EXPECT_EQ(rtb.toPlainText(), ToQt(PlainText(runs)));
    EXPECT_TRUE(rtb.toPlainText().contains("Day Of Birth :- Friday\n\nThe House of Impermanence :- "));

    const QString text = rtb.toPlainText();
    EXPECT_EQ(LookAt(rtb, static_cast<int>(text.indexOf("Name :- ")) + 2), "bold #000000");
    EXPECT_EQ(LookAt(rtb, static_cast<int>(text.indexOf("JOHN")) + 2), "normal #ff0000");

    // A click on the address opens exactly it; a click on other text only places the caret.
    ClickReportAt(text.indexOf("www.") + 4);
    EXPECT_EQ(platform.openedPages, QStringList{"www.kestrin-oriastra.net"});
    ClickReportAt(text.indexOf("JOHN") + 1);
    EXPECT_EQ(platform.openedPages.size(), 1);
    EXPECT_EQ(rtb.textCursor().position(), text.indexOf("JOHN") + 1);
    ClickReportAt(text.lastIndexOf("www.") + 6);
    EXPECT_EQ(platform.openedPages.size(), 2);
}

struct CraftedName {
    const char* name;
    std::string record;
    friend void PrintTo(const CraftedName& c, std::ostream* os) { *os << c.name; }
};

class BurmeseCraftedName : public BurmeseWindows,
                           public ::testing::WithParamInterface<CraftedName> {};

// A record can carry any name; the report shows it as text and a click never opens it.
TEST_P(BurmeseCraftedName, IsNeverOpened) {
    OpenRecord(WriteRecord("crafted.bur", {GetParam().record, "5", "January", "1990", ""}));
    ASSERT_NE(Display(), nullptr);
    Print();
    const QString text = Report()->RTB->toPlainText();
    const qsizetype at = text.indexOf("Name :- ") + 8;
    ASSERT_TRUE(text.mid(at).startsWith(ToQt(GetParam().record).left(20)));
    for (int offset : {1, 6, 12}) ClickReportAt(static_cast<int>(at) + offset);
    EXPECT_TRUE(platform.openedPages.isEmpty()) << platform.openedPages.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    NonWebSchemes, BurmeseCraftedName,
    ::testing::Values(CraftedName{"FileAddress", "file:///etc/passwd"},
                      CraftedName{"Script", "javascript:alert(document.cookie)"},
                      CraftedName{"Markup", "<a href=\"file:///etc\">x</a>"},
                      CraftedName{"WebAddressTooLong", "https://example.com/" + std::string(1100, 'a')}),
    [](const auto& info) { return std::string(info.param.name); });

class BurmesePrint : public BurmeseWindows {
protected:
    void OpenReport() {
        Enter("karma", "December", "15", "1950");
        Generate();
        Print();
        platform.printerPdf = folder.filePath("report.pdf");
    }
    QString Printed() {
        const auto printed = PrintedText(platform.printerPdf);
        EXPECT_TRUE(printed);
        return Letters(printed.value_or(QString()));
    }
};

TEST_F(BurmesePrint, SelectionIsPresetAndPrintedAlone) {
    if (QProcess::execute("pdftotext", {"-v"}) < 0) GTEST_SKIP() << "pdftotext is missing";
    OpenReport();
    QTextEdit& rtb = *Report()->RTB;
    const QString text = rtb.toPlainText();
    Select(rtb, static_cast<int>(text.indexOf("Lucky Direction")),
           static_cast<int>(text.indexOf("Basic Characteristic")));
    QTest::mouseClick(Report()->cmdPrint, Qt::LeftButton);
    EXPECT_EQ(platform.printDialogs, std::vector<bool>{true});
    EXPECT_EQ(platform.defaultPrinterRequests, 0);
    EXPECT_EQ(Printed(), Letters(rtb.textCursor().selectedText()));
}

TEST_F(BurmesePrint, WithoutSelectionTheWholeReport) {
    if (QProcess::execute("pdftotext", {"-v"}) < 0) GTEST_SKIP() << "pdftotext is missing";
    OpenReport();
    QTest::mouseClick(Report()->cmdPrint, Qt::LeftButton);
    EXPECT_EQ(platform.printDialogs, std::vector<bool>{false});
    EXPECT_EQ(Printed(), Letters(Report()->RTB->toPlainText()));
}

TEST_F(BurmesePrint, CancelledDialogPrintsNothing) {
    OpenReport();
    platform.cancelPrintDialog = true;
    QTest::mouseClick(Report()->cmdPrint, Qt::LeftButton);
    EXPECT_EQ(platform.printDialogs.size(), 1U);
    EXPECT_FALSE(QFile::exists(platform.printerPdf));
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace oriastra
