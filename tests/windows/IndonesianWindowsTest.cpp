#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>

#include "WindowTest.h"
#include "common/QtPlatform.h"
#include "common/QtText.h"
#include "common/RecordFile.h"
#include "common/ReportView.h"
#include "indonesian/IndonesianReport.h"
#include "indonesian/WetonTexts.h"
#include "indonesian/frmIndonesianAstrologyDisplay.h"
#include "indonesian/frmIndonesianAstrologyMain.h"
#include "indonesian/frmIndonesianAstrologySave.h"

namespace oriastra {
namespace {

constexpr Tradition kIndonesian = Tradition::Indonesian;

class IndonesianWindows : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
        Main().cmdSelectOption_Click(3);
        Settle();
    }
    frmIndonesianAstrologyMain* Input() {
        return Windows().As<frmIndonesianAstrologyMain>(InputOf(kIndonesian));
    }
    frmIndonesianAstrologyDisplay* Display() {
        return Windows().As<frmIndonesianAstrologyDisplay>(ReadingOf(kIndonesian));
    }
    frmIndonesianAstrologySave* Report() {
        return Windows().As<frmIndonesianAstrologySave>(ReportOf(kIndonesian));
    }

    void Enter(const QString& name, const QString& month, const QString& day, const QString& year) {
        BirthDetailsPanel& panel = *Input()->panel;
        panel.txtName->clear();
        QTest::keyClicks(panel.txtName, name);
        panel.cboMonth->setCurrentText(month);
        panel.cboDate->setCurrentText(day);
        panel.cboYear->setCurrentText(year);
    }
    void Calculate() {
        QTest::mouseClick(Input()->cmdCalculate, Qt::LeftButton);
        Settle();
    }
    void Click(QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        Settle();
    }
    void Open(const QString& path) {
        platform.chosenPaths.push_back(path);
        Click(Input()->cmdOpen);
    }
    std::vector<std::string> Results() {
        std::vector<std::string> texts;
        for (QLabel* label : Display()->lblJavaneseResult) texts.push_back(FromQt(label->text()));
        return texts;
    }
    static std::vector<std::string> Weton(const char* market, const char* javanese,
                                          const char* english) {
        return {market, javanese, english, std::string(WetonText(javanese, market))};
    }
    // The controls the Tab key visits from the focused one, in order.
    static std::vector<QWidget*> TabStops(int count) {
        std::vector<QWidget*> stops = {QApplication::focusWidget()};
        for (int i = 1; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops.push_back(QApplication::focusWidget());
        }
        return stops;
    }
    QString SavePath(const QString& name) const { return folder.filePath(name); }
    // The window the user sees in front, with the keyboard focus inside it.
    bool IsInFront(QWidget* window) {
        QMdiSubWindow* active = Main().findChild<QMdiArea*>()->activeSubWindow();
        QWidget* focused = QApplication::focusWidget();
        return active != nullptr && active->widget() == window && focused != nullptr &&
               window->isAncestorOf(focused);
    }
};

TEST_F(IndonesianWindows, FullJourneyFromEntryToReopenedRecord) {
    Enter("Sri Wahyuni", "August", "17", "1945");
    Calculate();
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(Display()->isVisible());
    EXPECT_FALSE(Input()->isVisible()) << "hidden, still loaded";
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    EXPECT_EQ(Results(), Weton("Legi", "Jumat", "Friday"));

    Click(Display()->cmdSave);
    ASSERT_NE(Report(), nullptr);
    EXPECT_TRUE(Report()->isVisible());
    EXPECT_TRUE(Display()->isVisible()) << "stays open behind the report";
    const QString path = SavePath("sri.jav");
    platform.chosenPaths.push_back(path);
    Click(Report()->cmdSave);
    ASSERT_EQ(platform.dialogs.size(), 1U);
    EXPECT_EQ(platform.dialogs[0].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(platform.dialogs[0].title, "Kestrin Free Indonesian Astrology");
    EXPECT_EQ(platform.dialogs[0].filter, "Kestrin Free Indonesian Astrology | *.jav");
    EXPECT_EQ(platform.dialogs[0].defaultExtension, "jav");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // Each character shifted up by 85, each line ended by CR LF.
    EXPECT_EQ(saved.readAll().toStdString(),
              std::string("\xA8\xC7\xBE\x75\xAC\xB6\xBD\xCE\xCA\xC3\xBE\r\n"  // Sri Wahyuni
                          "\x86\x8C\r\n"                                      // 17
                          "\x96\xCA\xBC\xCA\xC8\xC9\r\n"                      // August
                          "\x86\x8E\x89\x8A\r\n"));                           // 1945
    EXPECT_TRUE(platform.messages.empty()) << "no message confirms a save";

    // A fresh input window opens the record and shows the same weton.
    Main().cmdSelectOption_Click(3);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kIndonesian)));
    EXPECT_EQ(Input()->panel->txtName->text(), "");
    Open(path);
    ASSERT_EQ(platform.dialogs.size(), 2U);
    EXPECT_EQ(platform.dialogs[1].kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(platform.dialogs[1].title, "Select the source file");
    EXPECT_EQ(platform.dialogs[1].filter, "Kestrin Free Indonesian Astrology (*.jav)|*.jav");
    EXPECT_EQ(platform.dialogs[1].defaultExtension, "jav");
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(Display()->isVisible());
    EXPECT_EQ(Results(), Weton("Legi", "Jumat", "Friday"));
    EXPECT_EQ(Input()->panel->txtName->text(), "Sri Wahyuni");
    EXPECT_EQ(Input()->panel->cboDate->currentText(), "17");
    EXPECT_EQ(State().birthDetails.year, 1945);
}

TEST_F(IndonesianWindows, ReadingWindowRowsAndInitialCaptions) {
    Windows().Load(ReadingOf(kIndonesian));
    frmIndonesianAstrologyDisplay& display = *Display();
    EXPECT_EQ(display.windowTitle(), "Kestrin Indonesian Astrology");
    EXPECT_EQ(Find<QLabel>(&display, "Label1(0)")->text(), "Indonesian Day Sign:");
    EXPECT_EQ(Find<QLabel>(&display, "Label1(1)")->text(), "Indonesian Weekday:");
    EXPECT_EQ(Find<QLabel>(&display, "Label1(2)")->text(), "English Weekday");
    for (int row = 0; row < 4; ++row) {
        QLabel* result = Find<QLabel>(&display, QStringLiteral("lblJavaneseResult(%1)").arg(row));
        EXPECT_EQ(result->text(), "Javanese Result");
        EXPECT_TRUE(display.Shape1->isAncestorOf(result));
        EXPECT_EQ(result->font().bold(), row < 3) << row;
    }
    EXPECT_EQ(display.Weton(), InitialWetonReading());
    EXPECT_TRUE(display.Frame5->isAncestorOf(display.cmdSave));
    EXPECT_TRUE(display.Frame5->isAncestorOf(Find<QLabel>(&display, "lblCobrand")));
    EXPECT_EQ(display.cmdSave->text(), "&Save");
    EXPECT_EQ(display.cmdBack->text(), "&Back");
}

// The longest reading fits the window whole: nothing is cut off at the bottom.
TEST_F(IndonesianWindows, LongestReadingFitsItsLabel) {
    Enter("Ann", "January", "1", "1901");
    Calculate();
    Display()->ShowWeton({"Legi", "Selasa", "Tuesday", std::string(WetonText("Selasa", "Legi"))});
    Settle();
    QLabel* paragraph = Display()->lblJavaneseResult[3];
    EXPECT_GE(paragraph->height(), paragraph->heightForWidth(paragraph->width()));
}

TEST_F(IndonesianWindows, BackThenAnotherDateReplacesAllFourLabels) {
    Enter("Ann", "January", "1", "1901");
    Calculate();
    EXPECT_EQ(Results(), Weton("Pahing", "Selasa", "Tuesday"));
    Display()->findChild<QAction*>("mnuBack")->trigger();
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kIndonesian)));
    ASSERT_TRUE(Input()->isVisible());
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    EXPECT_EQ(Input()->panel->txtName->text(), "Ann");
    EXPECT_EQ(Input()->panel->cboYear->currentText(), "1901");

    Input()->panel->cboMonth->setCurrentText("December");
    Input()->panel->cboDate->setCurrentText("31");
    Input()->panel->cboYear->setCurrentText("2036");
    Input()->findChild<QAction*>("mnuMayan")->trigger();
    Settle();
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Results(), Weton("Kliwon", "Rabu", "Wednesday"));
}

TEST_F(IndonesianWindows, ExitFromTheReadingWindowShowsTheWelcomePanel) {
    Enter("Ann", "May", "5", "1990");
    Calculate();
    Display()->findChild<QAction*>("mnuExit")->trigger();
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kIndonesian)));
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
    ASSERT_NE(Input(), nullptr) << "stays loaded";
    EXPECT_FALSE(Input()->isVisible());
}

TEST_F(IndonesianWindows, ClosingTheReportReturnsToTheReadingUnchanged) {
    Enter("Ann", "February", "29", "2000");
    Calculate();
    Click(Display()->cmdSave);
    platform.chosenPaths.push_back(SavePath("ann.jav"));
    Click(Report()->cmdSave);
    Report()->parentWidget()->close();
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReportOf(kIndonesian)));
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(Display()->isVisible());
    EXPECT_TRUE(IsInFront(Display()));
    EXPECT_EQ(Results(), Weton("Kliwon", "Selasa", "Tuesday"));

    // Closed while its report stays open, the reading window comes back fresh.
    Click(Display()->cmdSave);
    Display()->findChild<QAction*>("mnuExit")->trigger();
    Settle();
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
    Report()->parentWidget()->close();
    Settle();
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Results(), std::vector<std::string>(4, "Javanese Result"));
}

TEST_F(IndonesianWindows, ReportShowsTheWetonWithDarkMagentaHeadings) {
    Enter("<b>Ann", "March", "1", "2001");
    Calculate();
    Click(Display()->cmdSave);
    QTextEdit& rtb = *Report()->RTB;
    const std::string expected =
        PlainText(BuildIndonesianReport(State().birthDetails, Display()->Weton()));
    EXPECT_EQ(rtb.toPlainText(), ToQt(expected));
    EXPECT_TRUE(rtb.toPlainText().startsWith("Name: <b>Ann\n\nDate of Birth: March 1, 2001\n"))
        << "typed text is not markup";
    EXPECT_TRUE(rtb.toPlainText().endsWith(ToQt(Display()->Weton().reading)));
    QTextCursor cursor(rtb.document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(128, 0, 128));
    cursor.setPosition(static_cast<int>(QString("Name: <b").size()));
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Normal);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(Qt::black));
    EXPECT_TRUE(IsInFront(Report()));
}

TEST_F(IndonesianWindows, PrintingSendsTheWholeReportToTheDefaultPrinter) {
    if (QProcess::execute("pdftotext", {"-v"}) < 0) GTEST_SKIP() << "pdftotext is missing";
    Enter("Budi", "October", "2", "1975");
    Calculate();
    Click(Display()->cmdSave);
    QTextCursor part(Report()->RTB->document());
    part.setPosition(5);
    part.setPosition(40, QTextCursor::KeepAnchor);
    Report()->RTB->setTextCursor(part);
    platform.printerPdf = folder.filePath("report.pdf");
    Click(Report()->cmdPrint);
    EXPECT_EQ(platform.defaultPrinterRequests, 1);
    EXPECT_TRUE(platform.printDialogs.empty()) << "no print dialog";
    QProcess pdftotext;
    pdftotext.start("pdftotext", {platform.printerPdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    // Compatibility form turns the typesetter's ligatures (fi, fl) back into letters.
    const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput())
                                .normalized(QString::NormalizationForm_KC)
                                .simplified()
                                .remove(' ');
    EXPECT_EQ(printed.toStdString(),
              Report()->RTB->toPlainText().simplified().remove(' ').toStdString());
}

TEST_F(IndonesianWindows, OpenTestsTheExtensionLetterByLetter) {
    const struct {
        const char* file;
        bool accepted;
    } cases[] = {{"x.JAV", false}, {"x.Jav", false}, {"x.jav.txt", false}, {"xjav", true},
                 {"x.jav", true}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.file);
        Main().cmdSelectOption_Click(3);
        Settle();
        platform.messages.clear();
        const QString path = SavePath(row.file);
        ASSERT_TRUE(WriteRecordFile(FromQt(path), {"Ann", "17", "August", "1945"}));
        Open(path);
        if (row.accepted) {
            EXPECT_TRUE(platform.messages.empty());
            ASSERT_NE(Display(), nullptr);
            EXPECT_EQ(Results(), Weton("Legi", "Jumat", "Friday"));
        } else {
            ASSERT_EQ(platform.messages.size(), 1U);
            EXPECT_EQ(platform.messages[0].text, "Please Check The File.");
            EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
            EXPECT_EQ(Input()->panel->txtName->text(), "");
            EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kIndonesian)));
        }
    }
}

TEST_F(IndonesianWindows, ShortRecordGivesTheNameMessageAndNoReading) {
    const QString path = SavePath("short.jav");
    ASSERT_TRUE(WriteRecordFile(FromQt(path), {}));
    Input()->panel->cboMonth->setCurrentText("May");
    Open(path);
    EXPECT_EQ(platform.MessageTexts(), QStringList{"Please Enter Your Name"});
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kIndonesian)));
    EXPECT_TRUE(Input()->isVisible());
    EXPECT_EQ(Input()->panel->cboMonth->currentText(), "May") << "an empty line selects nothing";
    EXPECT_EQ(QApplication::focusWidget(), Input()->panel->txtName);
}

TEST_F(IndonesianWindows, RecordYearOutsideTheListKeepsTheSelectedYear) {
    const QString path = SavePath("old.jav");
    ASSERT_TRUE(WriteRecordFile(FromQt(path), {"Ann", "1", "January", "1900"}));
    Input()->panel->cboYear->setCurrentText("2000");
    Open(path);
    EXPECT_EQ(Input()->panel->cboYear->currentText(), "2000");
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Results(), Weton("Legi", "Sabtu", "Saturday"));
}

TEST_F(IndonesianWindows, CancelledDialogsChangeNothing) {
    Click(Input()->cmdOpen);
    EXPECT_EQ(platform.dialogs.size(), 1U);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kIndonesian)));
    Enter("Ann", "May", "1", "1990");
    Calculate();
    Click(Display()->cmdSave);
    Click(Report()->cmdSave);
    EXPECT_EQ(platform.dialogs.size(), 2U);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 0);
    EXPECT_TRUE(Report()->isVisible());
}

// The desktop's own save dialog: a name typed without extension gets ".jav" and opens again.
TEST_F(IndonesianWindows, NameTypedWithoutExtensionIsSavedAsJav) {
    Enter("Ann", "May", "1", "1990");
    Calculate();
    Click(Display()->cmdSave);
    Click(Report()->cmdSave);  // cancelled: only to see what the window asks for
    ASSERT_EQ(platform.dialogs.size(), 1U);
    QtPlatform desktop(QStringLiteral("oriastra-window-tests"));
    const QString typed = SavePath("ann");
    ExpectModal([typed](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(typed);
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
    });
    const std::optional<QString> chosen = desktop.FileDialog(platform.dialogs[0]);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, typed + ".jav");
    platform.chosenPaths.push_back(*chosen);
    Click(Report()->cmdSave);
    ASSERT_TRUE(QFile::exists(typed + ".jav"));

    Main().cmdSelectOption_Click(3);
    Settle();
    Open(*chosen);
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Results(), Weton("Wage", "Selasa", "Tuesday"));
}

TEST_F(IndonesianWindows, EveryShownWindowIsInFrontWithTheFocusInside) {
    EXPECT_TRUE(IsInFront(Input()));
    Enter("Ann", "May", "1", "1990");
    Calculate();
    EXPECT_TRUE(IsInFront(Display()));
    Click(Display()->cmdSave);
    EXPECT_TRUE(IsInFront(Report()));
    Report()->parentWidget()->close();
    Settle();
    EXPECT_TRUE(IsInFront(Display()));
    Click(Display()->cmdBack);
    EXPECT_TRUE(IsInFront(Input()));
}

TEST_F(IndonesianWindows, TabVisitsTheControlsInOrder) {
    BirthDetailsPanel& panel = *Input()->panel;
    panel.txtName->setFocus();
    const std::vector<QWidget*> input = {panel.txtName,         panel.cboMonth,
                                         panel.cboDate,         panel.cboYear,
                                         Input()->cmdCalculate, Input()->cmdOpen};
    EXPECT_EQ(TabStops(6), input);
    Enter("Ann", "May", "1", "1990");
    Calculate();
    Display()->cmdSave->setFocus();
    const std::vector<QWidget*> reading = {Display()->cmdSave, Display()->cmdBack};
    EXPECT_EQ(TabStops(2), reading);
}

}  // namespace
}  // namespace oriastra
