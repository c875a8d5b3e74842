#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "WindowTest.h"
#include "common/logic/RecordFile.h"
#include "common/windows/QtPlatform.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportView.h"
#include "indonesian/logic/IndonesianReport.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "indonesian/logic/WetonTexts.h"
#include "indonesian/windows/frmIndonesianAstrologyDisplay.h"
#include "indonesian/windows/frmIndonesianAstrologyMain.h"
#include "indonesian/windows/frmIndonesianAstrologySave.h"

namespace oriastra {
namespace {

constexpr Tradition kIndonesian = kIndonesianTradition;

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

    void Calculate(const QString& name, const QString& month, const QString& day,
                   const QString& year) {
        EnterBirthDetails(*Input()->panel, name, month, day, year);
        Click(Input()->cmdCalculate);
    }
    void Open(const QString& path) { ClickChoosing(Input()->cmdOpen, path); }
    std::vector<std::string> Results() {
        std::vector<std::string> texts;
        for (QLabel* label : Display()->lblJavaneseResult) texts.push_back(FromQt(label->text()));
        return texts;
    }
    static std::vector<std::string> Weton(const char* market, const char* javanese,
                                          const char* english) {
        return {market, javanese, english, std::string(WetonText(javanese, market))};
    }
    // The window the user sees in front, with the keyboard focus inside it.
    bool IsInFront(QWidget* window) {
        QMdiSubWindow* active = Main().findChild<QMdiArea*>()->activeSubWindow();
        QWidget* focused = QApplication::focusWidget();
        return active != nullptr && active->widget() == window && focused != nullptr &&
               window->isAncestorOf(focused);
    }
};

TEST_F(IndonesianWindows, FullJourneyFromEntryToReopenedRecord) {
    Calculate("Sri Wahyuni", "August", "17", "1945");
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(Display()->isVisible());
    EXPECT_FALSE(Input()->isVisible()) << "hidden, still loaded";
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    EXPECT_EQ(Results(), Weton("Legi", "Jumat", "Friday"));

    Click(Display()->cmdSave);
    ASSERT_NE(Report(), nullptr);
    EXPECT_EQ(Report()->RTB->toPlainText(),
              ToQt(PlainText(BuildIndonesianReport(State().birthDetails, Display()->Weton()))));
    platform.printerPdf = folder.filePath("report.pdf");
    Click(Report()->cmdPrint);
    EXPECT_EQ(platform.defaultPrinterRequests, 1);
    EXPECT_TRUE(platform.printDialogs.empty()) << "no print dialog";
    EXPECT_GT(QFileInfo(platform.printerPdf).size(), 0);

    const QString path = folder.filePath("sri.jav");
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
    EXPECT_TRUE(platform.messages.empty()) << "no message confirms a save or a print";

    // Closing the report returns to the reading, unchanged.
    Report()->parentWidget()->close();
    Settle();
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(IsInFront(Display()));
    EXPECT_EQ(Results(), Weton("Legi", "Jumat", "Friday"));

    // A fresh input window opens the record and shows the same weton.
    Main().cmdSelectOption_Click(3);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kIndonesian)));
    Open(path);
    ASSERT_EQ(platform.dialogs.size(), 2U);
    EXPECT_EQ(platform.dialogs[1].title, "Select the source file");
    EXPECT_EQ(platform.dialogs[1].filter, "Kestrin Free Indonesian Astrology (*.jav)|*.jav");
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Results(), Weton("Legi", "Jumat", "Friday"));
    EXPECT_EQ(Input()->panel->txtName->text(), "Sri Wahyuni");
}

TEST_F(IndonesianWindows, BackThenAnotherDateReplacesAllFourLabels) {
    Calculate("Ann", "January", "1", "1901");
    EXPECT_EQ(Results(), Weton("Pahing", "Selasa", "Tuesday"));
    Display()->findChild<QAction*>("mnuBack")->trigger();
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kIndonesian)));
    EXPECT_TRUE(IsInFront(Input()));
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    EXPECT_EQ(Input()->panel->txtName->text(), "Ann");
    Calculate("Ann", "December", "31", "2036");
    EXPECT_EQ(Results(), Weton("Kliwon", "Rabu", "Wednesday"));
    // The paragraph's label is tall enough for the longest reading.
    Display()->ShowWeton({"Legi", "Selasa", "Tuesday", std::string(WetonText("Selasa", "Legi"))});
    Settle();
    QLabel* paragraph = Display()->lblJavaneseResult[3];
    EXPECT_GE(paragraph->height(), paragraph->heightForWidth(paragraph->width()));
}

TEST_F(IndonesianWindows, ReportHeadingsAreDarkMagentaAndTypedTextIsNoMarkup) {
    Calculate("<b>Ann", "March", "1", "2001");
    Click(Display()->cmdSave);
    EXPECT_TRUE(IsInFront(Report()));
    QTextEdit& rtb = *Report()->RTB;
    EXPECT_TRUE(rtb.toPlainText().startsWith("Name: <b>Ann\n\nDate of Birth: March 1, 2001\n"));
    EXPECT_EQ(LookAt(rtb, 3), "bold #800080");
    EXPECT_EQ(LookAt(rtb, static_cast<int>(QString("Name: <b").size())), "normal #000000");
}

TEST_F(IndonesianWindows, OpenTestsTheExtensionLetterByLetterAndNeedsAName) {
    const struct {
        const char* file;
        std::vector<std::string> lines;
        const char* message;  // nullptr: the weton of 17 August 1945 is shown
    } cases[] = {{"x.JAV", {"Ann", "17", "August", "1945"}, "Please Check The File."},
                 {"x.jav.txt", {"Ann", "17", "August", "1945"}, "Please Check The File."},
                 {"xjav", {"Ann", "17", "August", "1945"}, nullptr},
                 {"short.jav", {}, "Please Enter Your Name"}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.file);
        Main().cmdSelectOption_Click(3);
        Settle();
        platform.messages.clear();
        const QString path = folder.filePath(row.file);
        ASSERT_TRUE(WriteRecordFile(FromQt(path), row.lines));
        Open(path);
        if (row.message == nullptr) {
            EXPECT_TRUE(platform.messages.empty());
            ASSERT_NE(Display(), nullptr);
            EXPECT_EQ(Results(), Weton("Legi", "Jumat", "Friday"));
            continue;
        }
        EXPECT_EQ(platform.MessageTexts(), QStringList{row.message});
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
        EXPECT_FALSE(Windows().IsLoaded(ReadingOf(kIndonesian)));
        EXPECT_TRUE(Input()->isVisible());
    }
}

// The desktop's own save dialog: a name typed without extension gets ".jav" and opens again.
TEST_F(IndonesianWindows, NameTypedWithoutExtensionIsSavedAsJav) {
    Calculate("Ann", "May", "1", "1990");
    Click(Display()->cmdSave);
    Click(Report()->cmdSave);  // cancelled: only to see what the window asks for
    ASSERT_EQ(platform.dialogs.size(), 1U);
    QtPlatform desktop(QStringLiteral("oriastra-window-tests"));
    const QString typed = folder.filePath("ann");
    ExpectModal([typed](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(typed);
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
    });
    const std::optional<QString> chosen = desktop.FileDialog(platform.dialogs[0]);
    ASSERT_EQ(chosen, typed + ".jav");
    platform.chosenPaths.push_back(*chosen);
    Click(Report()->cmdSave);

    Main().cmdSelectOption_Click(3);
    Settle();
    Open(*chosen);
    ASSERT_NE(Display(), nullptr);
    EXPECT_EQ(Results(), Weton("Wage", "Selasa", "Tuesday"));
}

// The desktop's own open dialog: a name that exists as typed is that file, even one ending in
// "jav" without a dot, which Open accepts; a name that does not exist gets ".jav".
TEST_F(IndonesianWindows, OpenDialogTakesAnExistingNameAsTyped) {
    Click(Input()->cmdOpen);  // cancelled: only to see what the window asks for
    ASSERT_EQ(platform.dialogs.size(), 1U);
    for (const char* file : {"sarijav", "sari.jav"}) {
        ASSERT_TRUE(WriteRecordFile(FromQt(folder.filePath(file)), {"Sari", "17", "August", "1945"}));
    }
    const struct {
        const char* typed;
        const char* chosen;
    } cases[] = {{"sarijav", "sarijav"}, {"sari", "sari.jav"}, {"sari.jav", "sari.jav"}};
    QtPlatform desktop(QStringLiteral("oriastra-window-tests"));
    for (const auto& row : cases) {
        SCOPED_TRACE(row.typed);
        const QString typed = folder.filePath(row.typed);
        ExpectModal([typed](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(typed);
            QPushButton* open =
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
            EXPECT_TRUE(open->isEnabled());
            // Clicked once this handler has returned: a refusal is a dialog of its own.
            QTimer::singleShot(0, open, [open] { open->click(); });
        });
        EXPECT_EQ(desktop.FileDialog(platform.dialogs[0]), folder.filePath(row.chosen));
    }
}

TEST_F(IndonesianWindows, ShownWindowsTakeTheFocusAndTabFollowsTheControls) {
    auto tabStops = [](int count) {
        std::vector<QWidget*> stops = {QApplication::focusWidget()};
        for (int i = 1; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops.push_back(QApplication::focusWidget());
        }
        return stops;
    };
    BirthDetailsPanel& panel = *Input()->panel;
    EXPECT_TRUE(IsInFront(Input()));
    panel.txtName->setFocus();
    EXPECT_EQ(tabStops(6), (std::vector<QWidget*>{panel.txtName, panel.cboMonth, panel.cboDate,
                                                  panel.cboYear, Input()->cmdCalculate,
                                                  Input()->cmdOpen}));
    QTest::keyClicks(panel.txtName, "Ann");
    Click(Input()->cmdCalculate);
    ASSERT_NE(Display(), nullptr);
    EXPECT_TRUE(IsInFront(Display()));
    Display()->cmdSave->setFocus();
    EXPECT_EQ(tabStops(2), (std::vector<QWidget*>{Display()->cmdSave, Display()->cmdBack}));
    Click(Display()->cmdSave);
    ASSERT_NE(Report(), nullptr);
    EXPECT_TRUE(IsInFront(Report()));
}

}  // namespace
}  // namespace oriastra
