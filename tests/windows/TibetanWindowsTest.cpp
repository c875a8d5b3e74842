#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextEdit>

#include "WindowTest.h"
#include "arabic/logic/ArabicTradition.h"
#include "common/logic/RecordFile.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportView.h"
#include "tibetan/logic/TibetanReport.h"
#include "tibetan/logic/TibetanState.h"
#include "tibetan/logic/TibetanTexts.h"
#include "tibetan/logic/TibetanTradition.h"
#include "tibetan/windows/frmTibetanAstrologyDisplay.h"
#include "tibetan/windows/frmTibetanAstrologyMain.h"
#include "tibetan/windows/frmTibetanAstrologySave.h"

namespace oriastra {
namespace {

class TibetanWindows : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
        Main().cmdSelectOption_Click(4);
        Settle();
    }
    frmTibetanAstrologyMain* Input() { return Windows().As<frmTibetanAstrologyMain>(InputOf(kTibetanTradition)); }
    frmTibetanAstrologyDisplay* Display() {
        return Windows().As<frmTibetanAstrologyDisplay>(ReadingOf(kTibetanTradition));
    }
    frmTibetanAstrologySave* Report() { return Windows().As<frmTibetanAstrologySave>(ReportOf(kTibetanTradition)); }

    void Enter(const QString& name, const QString& month, const QString& day, const QString& year,
               bool female) {
        BirthDetailsPanel& panel = *Input()->panel;
        EnterBirthDetails(panel, name, month, day, year);
        QTest::mouseClick(female ? panel.optFemale : panel.optMale, Qt::LeftButton, {}, QPoint(4, 4));
    }
    void Calculate() { Click(Input()->cmdCalculate); }
    QString SavePath(const QString& name) const { return folder.filePath(name); }
};

TEST_F(TibetanWindows, FullJourneyFromEntryToReopenedRecord) {
    Enter("Pema Choden", "March", "15", "1990", true);
    Calculate();
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(Display()->isVisible());
    EXPECT_FALSE(Input()->isVisible()) << "hidden, still loaded";
    EXPECT_FALSE(Main().IsWelcomePanelVisible());

    frmTibetanAstrologyDisplay& display = *Display();
    EXPECT_EQ(display.TS->currentIndex(), 0);
    EXPECT_EQ(display.pages->currentWidget(), display.Picture1);
    EXPECT_EQ(display.lblTibetanSunSign->text(), "Nya");
    EXPECT_EQ(display.lblTransTibetanName->text(), "Fish");
    EXPECT_EQ(display.lblElement->text(), "Iron");
    EXPECT_EQ(display.txtElement->toPlainText(), ToQt(ElementText(3)));
    display.TS->setCurrentIndex(1);
    EXPECT_EQ(display.pages->currentWidget(), display.Picture2);
    EXPECT_EQ(display.lblWesternSunSign->text(), "Pisces");
    EXPECT_EQ(display.txtWesternSunSign->toPlainText(), ToQt(WesternSignText(11)));
    EXPECT_EQ(display.picTibetanSunSign->property("picture").toString(),
              ":/frmTibetanAstrologyDisplay/sun-11-nya.svg");
    EXPECT_FALSE(display.picTibetanSunSign->pixmap().isNull());
    display.TS->setCurrentIndex(2);
    EXPECT_EQ(display.pages->currentWidget(), display.Picture3);
    EXPECT_EQ(display.lblAnimalSunSign->text(), "Horse");
    EXPECT_EQ(display.picTibetanAnimalSign->property("picture").toString(),
              ":/frmTibetanAstrologyDisplay/animal-06-horse.svg");

    // Back: the entries that made the reading are still there.
    QTest::mouseClick(display.cmdBack, Qt::LeftButton);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kTibetanTradition)));
    ASSERT_TRUE(Input()->isVisible());
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    BirthDetailsPanel& panel = *Input()->panel;
    EXPECT_EQ(panel.txtName->text(), "Pema Choden");
    EXPECT_EQ(panel.cboMonth->currentText(), "March");
    EXPECT_EQ(panel.cboDate->currentText(), "15");
    EXPECT_EQ(panel.cboYear->currentText(), "1990");
    EXPECT_TRUE(panel.optFemale->isChecked());

    // Calculate again: the reading window comes back on tab 1.
    Calculate();
    EXPECT_EQ(Display()->TS->currentIndex(), 0);
    QTest::mouseClick(Display()->cmdSave, Qt::LeftButton);
    Settle();
    ASSERT_NE(Report(), nullptr);
    const QString path = SavePath("pema.tib");
    platform.chosenPaths.push_back(path);
    QTest::mouseClick(Report()->cmdSave, Qt::LeftButton);
    ASSERT_EQ(platform.dialogs.size(), 1U);
    EXPECT_EQ(platform.dialogs[0].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(platform.dialogs[0].title, "Kestrin Oriastra");
    EXPECT_EQ(platform.dialogs[0].filter, "Rich Text Format | *.tib");
    EXPECT_EQ(platform.dialogs[0].defaultExtension, "tib");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // Each character shifted up by 85, each line ended by CR LF.
    EXPECT_EQ(saved.readAll().toStdString(),
              std::string("\xA5\xBA\xC2\xB6\x75\x98\xBD\xC4\xB9\xBA\xC3\r\n"  // Pema Choden
                          "\x9B\xBA\xC2\xB6\xC1\xBA\r\n"                      // Female
                          "\x86\x8A\r\n"                                      // 15
                          "\xA2\xB6\xC7\xB8\xBD\r\n"                          // March
                          "\x86\x8E\x8E\x85\r\n"));                             // 1990
    EXPECT_TRUE(platform.messages.empty()) << "no message confirms a save";

    // A fresh input window opens the record and shows the same reading.
    Main().cmdSelectOption_Click(4);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kTibetanTradition)));
    platform.chosenPaths.push_back(path);
    QTest::mouseClick(Input()->cmdOpen, Qt::LeftButton);
    Settle();
    ASSERT_EQ(platform.dialogs.size(), 2U);
    EXPECT_EQ(platform.dialogs[1].title, "Select the source file");
    EXPECT_EQ(platform.dialogs[1].filter, "Tibetan Astrology (*.tib)|*.tib");
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Display()->lblTibetanSunSign->text(), "Nya");
    EXPECT_EQ(Display()->lblAnimalSunSign->text(), "Horse");
    EXPECT_TRUE(Input()->panel->optFemale->isChecked());
    EXPECT_EQ(State().birthDetails.name, "Pema Choden");
}

TEST_F(TibetanWindows, ReadingBoxesAreReadOnlyScrollingAndSkippedByTab) {
    Enter("Ann", "April", "12", "2017", false);
    Calculate();
    struct Box {
        QPlainTextEdit* box;
        QColor text;
    };
    for (const Box& row : {Box{Display()->txtElement, QColor(255, 192, 128)},
                           Box{Display()->txtWesternSunSign, QColor(255, 255, 128)},
                           Box{Display()->txtAnimalSunSign, QColor(128, 255, 128)}}) {
        EXPECT_TRUE(row.box->isReadOnly());
        // Tab passes them by; a click gives them the focus, so a reader can select and copy.
        EXPECT_EQ(row.box->focusPolicy(), Qt::ClickFocus);
        EXPECT_EQ(row.box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(row.box->palette().color(QPalette::Base), QColor(100, 0, 110));
        EXPECT_EQ(row.box->palette().color(QPalette::Text), row.text);
    }
    EXPECT_EQ(Display()->lblTibetanSunSign->text(), "Lug");
    EXPECT_EQ(Display()->lblAnimalSunSign->text(), "Bird");
    QApplication::setActiveWindow(&Main());
    QTest::mouseClick(Display()->txtElement->viewport(), Qt::LeftButton);
    EXPECT_TRUE(Display()->txtElement->hasFocus());
}

TEST_F(TibetanWindows, ReportShowsTheWholeReportWithCaptionsInDarkGreen) {
    Enter("<b>Ann", "May", "13", "2019", false);
    Calculate();
    QTest::mouseClick(Display()->cmdSave, Qt::LeftButton);
    Settle();
    QTextEdit& rtb = *Report()->RTB;
    const std::string expected =
        PlainText(BuildTibetanReport(State().birthDetails, State().traditions.Of<TibetanState>().reading));
    EXPECT_EQ(rtb.toPlainText(), ToQt(expected));
    EXPECT_TRUE(rtb.toPlainText().startsWith("Your Name: <b>Ann\n")) << "typed text is not markup";
    EXPECT_EQ(LookAt(rtb, 3), "bold #008000");
    EXPECT_EQ(LookAt(rtb, static_cast<int>(QString("Your Name: <b").size())), "normal #000000");
}

TEST_F(TibetanWindows, PrintingSendsTheWholeReportToTheDefaultPrinter) {
    if (QProcess::execute("pdftotext", {"-v"}) < 0) GTEST_SKIP() << "pdftotext is missing";
    Enter("Karma", "December", "15", "1950", true);
    Calculate();
    QTest::mouseClick(Display()->cmdSave, Qt::LeftButton);
    Settle();
    Select(*Report()->RTB, 5, 40);
    platform.printerPdf = folder.filePath("report.pdf");
    QTest::mouseClick(Report()->cmdPrint, Qt::LeftButton);
    EXPECT_EQ(platform.defaultPrinterRequests, 1);
    EXPECT_TRUE(platform.printDialogs.empty()) << "no print dialog";
    EXPECT_EQ(platform.printJobs, QStringList({"Kestrin Tibetan Astrology"}));
    const auto printed = PrintedText(platform.printerPdf);
    ASSERT_TRUE(printed);
    const QString report = Report()->RTB->toPlainText().simplified();
    EXPECT_EQ(Letters(*printed).toStdString(), Letters(report).toStdString());
}

TEST_F(TibetanWindows, PrintingWithoutAPrinterDoesNothing) {
    Enter("Karma", "December", "15", "1950", true);
    Calculate();
    QTest::mouseClick(Display()->cmdSave, Qt::LeftButton);
    QTest::mouseClick(Report()->cmdPrint, Qt::LeftButton);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(Report()->isVisible());
}

TEST_F(TibetanWindows, UpperCaseExtensionIsRefused) {
    const QString path = SavePath("x.TIB");
    ASSERT_TRUE(WriteRecordFile(FromQt(path), {"Ann", "Male", "1", "May", "1990"}));
    platform.chosenPaths.push_back(path);
    QTest::mouseClick(Input()->cmdOpen, Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, "Please Check The File.");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(Input()->panel->txtName->text(), "");
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kTibetanTradition)));
}

TEST_F(TibetanWindows, CancelledDialogsChangeNothing) {
    QTest::mouseClick(Input()->cmdOpen, Qt::LeftButton);
    EXPECT_EQ(platform.dialogs.size(), 1U);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kTibetanTradition)));
    Enter("Ann", "May", "1", "1990", false);
    Calculate();
    QTest::mouseClick(Display()->cmdSave, Qt::LeftButton);
    QTest::mouseClick(Report()->cmdSave, Qt::LeftButton);
    EXPECT_EQ(platform.dialogs.size(), 2U);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 0);
    EXPECT_TRUE(Report()->isVisible());
}

TEST_F(TibetanWindows, EmptySexLineSelectsFemaleAndUnknownYearKeepsTheList) {
    const QString path = SavePath("old.tib");
    ASSERT_TRUE(WriteRecordFile(FromQt(path), {"Dorje", "", "29", "February", "1850"}));
    Input()->panel->cboYear->setCurrentText("1932");
    platform.chosenPaths.push_back(path);
    QTest::mouseClick(Input()->cmdOpen, Qt::LeftButton);
    Settle();
    EXPECT_TRUE(Input()->panel->optFemale->isChecked());
    EXPECT_EQ(Input()->panel->cboYear->currentText(), "1932");
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(State().birthDetails.year, 1932);
    EXPECT_EQ(State().birthDetails.sex, "Female");
}

TEST_F(TibetanWindows, UnreadableRecordGivesTheNameMessage) {
    platform.chosenPaths.push_back(SavePath("missing.tib"));
    QTest::mouseClick(Input()->cmdOpen, Qt::LeftButton);
    EXPECT_EQ(platform.MessageTexts(), QStringList{"Please Enter Your Name"});
    EXPECT_TRUE(Input()->panel->optFemale->isChecked());
}

TEST_F(TibetanWindows, ClosingTheReportBringsBackOrRecreatesTheReadingWindow) {
    Enter("Ann", "June", "20", "2000", false);
    Calculate();
    QTest::mouseClick(Display()->cmdSave, Qt::LeftButton);
    Settle();
    Report()->parentWidget()->close();
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReportOf(kTibetanTradition)));
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(Display()->isVisible());

    // The reading window closed while its report stays open comes back when the report closes.
    QTest::mouseClick(Display()->cmdSave, Qt::LeftButton);
    Settle();
    Display()->findChild<QAction*>("mnuExit")->trigger();
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kTibetanTradition)));
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
    Report()->parentWidget()->close();
    Settle();
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Display()->lblTibetanSunSign->text(), "Khrig");
}

TEST_F(TibetanWindows, CalculateFindingTheReadingOpenOnlyBringsItToTheFront) {
    Enter("Ann", "June", "20", "2000", false);
    Calculate();
    QTest::mouseClick(Display()->cmdSave, Qt::LeftButton);
    QTest::mouseClick(Display()->cmdBack, Qt::LeftButton);
    Settle();
    Report()->parentWidget()->close();  // brings the reading window back
    Settle();
    ASSERT_NE(Display(), nullptr);
    Input()->panel->cboMonth->setCurrentText("January");
    Calculate();
    EXPECT_EQ(Display()->lblTibetanSunSign->text(), "Khrig") << "keeps the reading it shows";
    EXPECT_EQ(State().birthDetails.month, "January");
    EXPECT_FALSE(Input()->isVisible());
}

TEST_F(TibetanWindows, ChoosingATraditionClosesReadingAndReport) {
    Enter("Ann", "June", "20", "2000", false);
    Calculate();
    QTest::mouseClick(Display()->cmdSave, Qt::LeftButton);
    Main().cmdSelectOption_Click(1);
    Settle();
    for (WindowId id : {InputOf(kTibetanTradition), ReadingOf(kTibetanTradition), ReportOf(kTibetanTradition)}) {
        EXPECT_FALSE(Windows().IsLoaded(id));
    }
    EXPECT_TRUE(Windows().IsLoaded(InputOf(kArabicTradition)));
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
}

}  // namespace
}  // namespace oriastra
