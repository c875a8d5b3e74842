#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <filesystem>
#include <fstream>

#include "WindowTest.h"
#include "african/logic/AfricanReport.h"
#include "african/logic/AfricanTexts.h"
#include "african/logic/AfricanTradition.h"
#include "african/windows/frmAfricanAstrologyDisplay.h"
#include "african/windows/frmAfricanAstrologyMain.h"
#include "african/windows/frmAfricanAstrologySave.h"
#include "common/logic/RecordFile.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportView.h"

namespace oriastra {
namespace {

constexpr Tradition kAfrican = kAfricanTradition;

class AfricanWindows : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
        Main().cmdSelectOption_Click(0);
        Settle();
    }
    frmAfricanAstrologyMain* Input() { return Windows().As<frmAfricanAstrologyMain>(InputOf(kAfrican)); }
    frmAfricanAstrologyDisplay* Display() {
        return Windows().As<frmAfricanAstrologyDisplay>(ReadingOf(kAfrican));
    }
    frmAfricanAstrologySave* Report() { return Windows().As<frmAfricanAstrologySave>(ReportOf(kAfrican)); }

    void Enter(const QString& name, const QString& month, const QString& day, const QString& year) {
        EnterBirthDetails(*Input()->panel, name, month, day, year);
    }
    void Calculate() { Click(Input()->cmdCalculate); }
    void Open(const QString& path) { ClickChoosing(Input()->cmdOpen, path); }
    void OpenReport() { Click(Display()->cmdSave); }
    QStringList ShownTexts() {
        QStringList texts;
        for (QLabel* label : Display()->lblResult) texts << label->text();
        texts << Display()->imgAfrican->property("picture").toString();
        return texts;
    }
    QString SavePath(const QString& name) const { return folder.filePath(name); }
};

QStringList Expected(int row, const char* picture) {
    const AfricanSign& sign = kAfricanSigns[static_cast<std::size_t>(row)];
    return {ToQt(sign.name),      ToQt(sign.element),   ToQt(sign.luckyDay),
            ToQt(sign.mostSuccessfulMonths), ToQt(sign.bodyParts), ToQt(AfricanSignText(row)),
            QStringLiteral(":/frmAfricanAstrologyDisplay/%1.svg").arg(picture)};
}

TEST_F(AfricanWindows, FullJourneyFromEntryToReopenedRecord) {
    Enter("Amara Okafor", "January", "5", "1980");
    Calculate();
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(Display()->isVisible());
    EXPECT_FALSE(Input()->isVisible()) << "hidden, still loaded";
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    EXPECT_EQ(ShownTexts(), Expected(1, "sign-01-baobab"));

    OpenReport();
    ASSERT_NE(Report(), nullptr);
    EXPECT_TRUE(Display()->isVisible()) << "stays open behind its report";
    const QString path = SavePath("amara.afa");
    platform.chosenPaths.push_back(path);
    QTest::mouseClick(Report()->cmdSave, Qt::LeftButton);
    ASSERT_EQ(platform.dialogs.size(), 1U);
    EXPECT_EQ(platform.dialogs[0].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(platform.dialogs[0].title, "Kestrin Free African Astrology");
    EXPECT_EQ(platform.dialogs[0].filter, "African Astrology | *.afa");
    EXPECT_EQ(platform.dialogs[0].defaultExtension, "afa");
    // Four encoded lines, nothing after them.
    EXPECT_EQ(ReadRecordFile(FromQt(path), 5),
              (std::vector<std::string>{"Amara Okafor", "5", "January", "1980", ""}));
    EXPECT_TRUE(platform.messages.empty()) << "no message confirms a save";

    // A fresh input window opens the record and shows the same reading.
    Main().cmdSelectOption_Click(0);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kAfrican)));
    EXPECT_FALSE(Windows().IsLoaded(ReportOf(kAfrican)));
    Open(path);
    ASSERT_EQ(platform.dialogs.size(), 2U);
    EXPECT_EQ(platform.dialogs[1].title, "Select the source file");
    EXPECT_EQ(platform.dialogs[1].filter, "African Astrology (*.afa)|*.afa");
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(ShownTexts(), Expected(1, "sign-01-baobab"));
    EXPECT_EQ(Input()->panel->cboYear->currentText(), "1980");

    // Nothing on the way showed the African entries of the main window.
    EXPECT_FALSE(Main().cmdSelectOption[0]->isVisibleTo(&Main()));
    EXPECT_FALSE(Main().buttonPictures[0]->isVisibleTo(&Main()));
    EXPECT_FALSE(Main().lblCaption[3]->isVisibleTo(&Main()));
}

TEST_F(AfricanWindows, SaveThroughALinkReplacesAPrivateRecordAndKeepsItPrivate) {
    namespace fs = std::filesystem;
    const fs::path record = FromQt(SavePath("private.afa"));
    const fs::path link = FromQt(SavePath("link.afa"));
    std::ofstream(record, std::ios::binary) << "\xB6\r\n";
    fs::permissions(record, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(record, link);
    Enter("Amara Okafor", "January", "5", "1980");
    Calculate();
    OpenReport();
    platform.chosenPaths.push_back(QString::fromStdString(link.string()));
    QTest::mouseClick(Report()->cmdSave, Qt::LeftButton);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(record).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadRecordFile(record, 4),
              (std::vector<std::string>{"Amara Okafor", "5", "January", "1980"}));
}

TEST_F(AfricanWindows, BackThenANewDateReplacesEveryLabelAndThePicture) {
    Enter("Kofi", "March", "5", "1990");
    Calculate();
    EXPECT_EQ(ShownTexts(), Expected(2, "sign-02-amber-silver"));
    QTest::mouseClick(Display()->cmdBack, Qt::LeftButton);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kAfrican)));
    ASSERT_TRUE(Input()->isVisible());
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    EXPECT_EQ(Input()->panel->txtName->text(), "Kofi");
    EXPECT_EQ(Input()->panel->cboDate->currentText(), "5");

    Input()->panel->cboDate->setCurrentText("6");
    Calculate();
    EXPECT_EQ(ShownTexts(), Expected(3, "sign-03-family"));
    // File > Back does the same as the button.
    Display()->findChild<QAction*>("mnuBack")->trigger();
    Settle();
    Input()->panel->cboMonth->setCurrentText("December");
    Input()->panel->cboDate->setCurrentText("31");
    Input()->findChild<QAction*>("mnuMayan")->trigger();
    Settle();
    EXPECT_EQ(ShownTexts(), Expected(0, "sign-00-harvest"));
}

// The reading window a closing report brings back stays open beside the input window; a
// Calculate there fills it anew.
TEST_F(AfricanWindows, CalculateWithTheReadingStillOpenRefillsIt) {
    Enter("Kofi", "September", "3", "1990");
    Calculate();
    OpenReport();
    QTest::mouseClick(Display()->cmdBack, Qt::LeftButton);
    Settle();
    Report()->parentWidget()->close();
    Settle();
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(ShownTexts(), Expected(8, "sign-08-kola-nut"));
    Input()->panel->cboDate->setCurrentText("4");
    Calculate();
    EXPECT_EQ(ShownTexts(), Expected(9, "sign-09-traveller"));
    EXPECT_FALSE(Input()->isVisible());
}

TEST_F(AfricanWindows, NameAndPictureLookAsTheReadingIsLaidOut) {
    Enter("Kofi", "August", "5", "1990");
    Calculate();
    const frmAfricanAstrologyDisplay& display = *Display();
    EXPECT_EQ(display.lblResult[0]->font().pointSizeF(), 12.0);
    EXPECT_TRUE(display.lblResult[0]->font().bold());
    EXPECT_EQ(display.lblResult[4]->font().pointSizeF(), 8.25);
    EXPECT_TRUE(display.lblCaptions[4]->font().bold());
    EXPECT_EQ(display.imgAfrican->pixmap().deviceIndependentSize(), QSizeF(96, 96));
    // Symbol caption over the picture on the left, name over the description on the right,
    // the other captions in a column under the picture with their values to their right.
    const auto at = [&](QWidget* widget) { return widget->mapTo(display.window(), QPoint(0, 0)); };
    EXPECT_LT(at(display.lblCaptions[0]).y(), at(display.imgAfrican).y());
    EXPECT_LT(at(display.lblResult[0]).y(), at(display.lblResult[5]).y());
    EXPECT_GT(at(display.lblCaptions[1]).y(), at(display.imgAfrican).y());
    EXPECT_LT(at(display.lblCaptions[1]).x(), at(display.lblResult[1]).x());
    EXPECT_LT(at(display.lblResult[1]).x(), at(display.lblResult[5]).x());
}

TEST_F(AfricanWindows, ReportHoldsTheReadingWithDarkMagentaHeadings) {
    Enter("<b>Ama", "February", "29", "1980");
    Calculate();
    OpenReport();
    QTextEdit& rtb = *Report()->RTB;
    const std::string expected = PlainText(BuildAfricanReport(State().birthDetails, Display()->Reading()));
    EXPECT_EQ(rtb.toPlainText(), ToQt(expected));
    EXPECT_TRUE(rtb.toPlainText().startsWith("Name: <b>Ama\n\nDate of Birth: February 29, 1980\n\n"
                                             "African Astrology Symbol: The Wealth Of Amber And Silver"))
        << "typed text is not markup";
    EXPECT_TRUE(rtb.toPlainText().endsWith("Body Parts: The Nervous System"));
    EXPECT_EQ(LookAt(rtb, 3), "bold #800080");
    EXPECT_EQ(LookAt(rtb, static_cast<int>(QString("Name: <b").size())), "normal #000000");
}

TEST_F(AfricanWindows, PrintingSendsTheWholeReportToTheDefaultPrinter) {
    if (QProcess::execute("pdftotext", {"-v"}) < 0) GTEST_SKIP() << "pdftotext is missing";
    Enter("Kofi", "November", "4", "1990");
    Calculate();
    OpenReport();
    Select(*Report()->RTB, 5, 40);
    platform.printerPdf = folder.filePath("report.pdf");
    QTest::mouseClick(Report()->cmdPrint, Qt::LeftButton);
    EXPECT_EQ(platform.defaultPrinterRequests, 1);
    EXPECT_TRUE(platform.printDialogs.empty()) << "no print dialog";
    const auto printed = PrintedText(platform.printerPdf);
    ASSERT_TRUE(printed);
    const QString report = Report()->RTB->toPlainText().simplified();
    EXPECT_EQ(Letters(*printed).toStdString(), Letters(report).toStdString());
}

// Only the last three letters count, letter case included.
TEST_F(AfricanWindows, OpenRefusesUpperCaseAndAcceptsNoDot) {
    ASSERT_TRUE(WriteRecordFile(FromQt(SavePath("x.AFA")), {"Ama", "4", "December", "1990"}));
    ASSERT_TRUE(WriteRecordFile(FromQt(SavePath("xafa")), {"Ama", "4", "December", "1990"}));
    Open(SavePath("x.AFA"));
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, "Please Check The File.");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(Input()->panel->txtName->text(), "");
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kAfrican)));

    Open(SavePath("xafa"));
    EXPECT_EQ(platform.messages.size(), 1U);
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(ShownTexts(), Expected(0, "sign-00-harvest"));
}

// Keyboard users go on where each step leaves them.
TEST_F(AfricanWindows, EveryStepLeavesTheFocusInTheWindowItShows) {
    const auto focusIn = [](QWidget* window) {
        return window != nullptr && window->isAncestorOf(QApplication::focusWidget());
    };
    Enter("Kofi", "July", "4", "1990");
    Calculate();
    EXPECT_TRUE(focusIn(Display())) << "after Calculate";
    OpenReport();
    EXPECT_TRUE(focusIn(Report())) << "after Save";
    Report()->RTB->setFocus();
    // Tab leaves the report for its buttons instead of typing a tab into it.
    const QString report = Report()->RTB->toPlainText();
    QTest::keyClick(Report()->RTB, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Report()->cmdSave);
    EXPECT_EQ(Report()->RTB->toPlainText(), report);
    Report()->parentWidget()->close();
    Settle();
    EXPECT_TRUE(focusIn(Display())) << "after closing the report";
    QTest::mouseClick(Display()->cmdBack, Qt::LeftButton);
    Settle();
    EXPECT_TRUE(focusIn(Input())) << "after Back";
}

}  // namespace
}  // namespace oriastra
