#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include "WindowTest.h"
#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseState.h"
#include "burmese/logic/BurmeseTradition.h"
#include "burmese/logic/modBurmese.h"
#include "burmese/windows/BurmeseChartFrame.h"
#include "burmese/windows/frmBurmeseAstrologyDisplay.h"
#include "common/logic/RecordFile.h"
#include "common/logic/WebPages.h"
#include "common/windows/InputWindow.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportView.h"
#include "common/windows/ReportWindow.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "tibetan/logic/TibetanTradition.h"
#include "tibetan/windows/frmTibetanAstrologyDisplay.h"

namespace oriastra {
namespace {

// The keyboard as the only input: every key goes to the control that has the focus, the way a
// desktop delivers it, and access keys go through the program's shortcuts.
class KeyboardTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
        QApplication::setActiveWindow(&Main());
        Settle();
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // Where the desktop delivers a key: the open menu, else the focused control. The offscreen
    // desktop may leave no window active once a menu or a dialog has gone; a real one gives the
    // activation back to the window below, as this does.
    QWidget* KeyTarget() {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QApplication::activeWindow() == nullptr) {
            QWidget* modal = QApplication::activeModalWidget();
            QApplication::setActiveWindow(modal != nullptr ? modal : &Main());
        }
        EXPECT_NE(Focused(), nullptr) << "no control has the focus";
        return Focused() != nullptr ? Focused() : &Main();
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(KeyTarget(), key, modifiers);
        Settle();
    }
    void Type(const QString& text) {
        QTest::keyClicks(KeyTarget(), text);
        Settle();
    }
    // Alt+letter; a button clicks itself a moment later, once it has shown itself pressed.
    void AltKey(char letter) {
        QTest::keyClick(KeyTarget(), letter, Qt::AltModifier);
        QTest::qWait(150);
        Settle();
    }
    // An entry of the menu bar's menu, by the two access keys.
    void MenuEntry(char menu, char entry) {
        QTest::keyClick(KeyTarget(), menu, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr) << "Alt+" << menu << " opened no menu";
        QTest::keyClick(popup, entry);
        Settle();
        KeyTarget();
        Settle();
    }
    // The names of the next `count` controls Tab reaches.
    QStringList TabStops(int count) {
        QStringList stops;
        for (int step = 0; step < count; ++step) {
            Press(Qt::Key_Tab);
            stops.push_back(KeyTarget()->objectName());
        }
        return stops;
    }
    static bool HasFocus(QWidget* window) {
        return window != nullptr && window->isVisible() && window->isAncestorOf(Focused());
    }
    template <typename T = ChildWindow>
    T* Shown(WindowId id) {
        auto* window = Windows().As<T>(id);
        return window != nullptr && window->isVisible() ? window : nullptr;
    }
    // The reading of 5 January 1990 (a Friday), entered without the keyboard.
    template <typename T>
    T* OpenReading(Tradition tradition) {
        Main().cmdSelectOption_Click(tradition->selector.index);
        Settle();
        auto* input = Windows().As<InputWindow>(InputOf(tradition));
        BirthDetailsPanel& panel = *input->panel;
        panel.txtName->setText("Ann");
        panel.cboDate->setCurrentIndex(4);
        panel.cboYear->setCurrentText("1990");
        if (panel.optFemale != nullptr) panel.optFemale->setChecked(true);
        input->Calculate();
        Settle();
        return Shown<T>(ReadingOf(tradition));
    }
};

// One user's road through a tradition: the keys that choose it, the entries typed, and the
// access keys that calculate and open the report.
struct Journey {
    const char* name;
    Tradition tradition;
    int tabsToButton;  // from the first button of the main window; -1: no button (selection code)
    Qt::Key choose;    // Enter or Space on the tradition's button
    QString typedName, month;
    int dayDowns;  // Down presses in the day list, from "1"
    QString year;
    char calculate;  // access key of the Calculate button
    char report;     // access key of the reading window's report button; 0: the focused button
    std::vector<std::string> record;  // the saved file's lines; empty: no report
    friend void PrintTo(const Journey& row, std::ostream* os) { *os << row.name; }
};

const Journey kJourneys[] = {
    {"African", kAfricanTradition, -1, Qt::Key_Space, "Kofi", "Jul", 3, "1990", 'a', 's',
     {"Kofi", "4", "July", "1990"}},
    {"Arabic", kArabicTradition, 0, Qt::Key_Space, "Nadia", "Mar", 20, "1975", 'g', 0, {}},
    // 5 January 1990 is a Friday: no question about the time of birth.
    {"Burmese", kBurmeseTradition, 3, Qt::Key_Return, "ann", "Jan", 4, "1990", 'b', 'p',
     {"ANN", "5", "January", "1990", ""}},
    {"Indonesian", kIndonesianTradition, 2, Qt::Key_Enter, "Sri", "Aug", 16, "1945", 'i', 's',
     {"Sri", "17", "August", "1945"}},
    {"Tibetan", kTibetanTradition, 1, Qt::Key_Space, "Pema", "Mar", 4, "1990", 'a', 0,
     {"Pema", "Female", "5", "March", "1990"}},
};

class KeyboardJourney : public KeyboardTest, public testing::WithParamInterface<Journey> {
protected:
    InputWindow* Input() { return Shown<InputWindow>(InputOf(GetParam().tradition)); }
    BirthDetailsPanel& Panel() {
        return *Windows().As<InputWindow>(InputOf(GetParam().tradition))->panel;
    }
    void ExpectEntries() {
        const Journey& row = GetParam();
        EXPECT_EQ(Panel().txtName->text(), row.tradition == kBurmeseTradition
                                               ? row.typedName.toUpper()
                                               : row.typedName);
        EXPECT_TRUE(Panel().cboMonth->currentText().startsWith(row.month));
        EXPECT_EQ(Panel().cboDate->currentIndex(), row.dayDowns);
        EXPECT_EQ(Panel().cboYear->currentText(), row.year);
        if (Panel().optFemale != nullptr) {
            EXPECT_TRUE(Panel().optFemale->isChecked());
        }
    }
};

TEST_P(KeyboardJourney, FromTheMainWindowToTheReportAndBack) {
    const Journey& row = GetParam();
    const Tradition tradition = row.tradition;

    // The main window: the first button has the focus; Tab walks the row.
    if (row.tabsToButton < 0) {
        Main().cmdSelectOption_Click(tradition->selector.index);
        Settle();
    } else {
        ASSERT_EQ(Focused(), Main().cmdSelectOption[static_cast<std::size_t>(kArabicTradition.selector.index)]);
        for (int step = 0; step < row.tabsToButton; ++step) Press(Qt::Key_Tab);
        ASSERT_EQ(Focused(), Main().cmdSelectOption[static_cast<std::size_t>(tradition->selector.index)]);
        Press(row.choose);
    }

    // The birth details, typed and picked from the lists with keys.
    ASSERT_NE(Input(), nullptr);
    ASSERT_EQ(Focused(), Panel().txtName) << "the input window takes the focus in its name box";
    Type(row.typedName);
    Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), Panel().cboMonth);
    Type(row.month);
    Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), Panel().cboDate);
    for (int step = 0; step < row.dayDowns; ++step) Press(Qt::Key_Down);
    Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), Panel().cboYear);
    Type(row.year);
    if (Panel().optMale != nullptr) {
        Press(Qt::Key_Tab);
        ASSERT_EQ(Focused(), Panel().optMale);
        Press(Qt::Key_Right);
        Press(Qt::Key_Space);
    }
    ExpectEntries();

    AltKey(row.calculate);
    ASSERT_TRUE(platform.messages.empty()) << platform.MessageTexts().join(' ').toStdString();
    ChildWindow* reading = Shown(ReadingOf(tradition));
    ASSERT_NE(reading, nullptr) << "Alt+" << row.calculate << " calculates";
    EXPECT_EQ(Input(), nullptr) << "the input window waits hidden";
    EXPECT_TRUE(HasFocus(reading));

    if (!row.record.empty()) {
        if (row.report != 0) AltKey(row.report);
        else Press(Qt::Key_Space);
        auto* report = Shown<ReportWindow>(ReportOf(tradition));
        ASSERT_NE(report, nullptr);
        ASSERT_TRUE(HasFocus(report));

        // The report takes no typing, and Alt with a letter that is no access key types nothing.
        const QString text = report->RTB->toPlainText();
        report->RTB->setFocus();
        Type("x");
        QTest::keyClick(KeyTarget(), 'q', Qt::AltModifier);
        Press(Qt::Key_Backspace);
        EXPECT_EQ(report->RTB->toPlainText(), text);

        const QString path = folder.filePath(QStringLiteral("journey.") +
                                             ToQt(Describe(tradition).extension));
        platform.chosenPaths.push_back(path);
        AltKey('s');
        EXPECT_EQ(ReadRecordFile(path.toStdString(), row.record.size()), row.record);
        platform.printerPdf = folder.filePath(QStringLiteral("journey.pdf"));
        AltKey('p');
        EXPECT_EQ(platform.printJobs.size(), 1) << "Alt+P printed";

        // Ctrl+F4 closes the report; the reading is in front again with the focus.
        Press(Qt::Key_F4, Qt::ControlModifier);
        EXPECT_EQ(Shown(ReportOf(tradition)), nullptr);
        reading = Shown(ReadingOf(tradition));
        ASSERT_NE(reading, nullptr);
        EXPECT_TRUE(HasFocus(reading));
    }

    // File, Back: the input window with its entries and the focus.
    MenuEntry('f', 'b');
    EXPECT_EQ(Shown(ReadingOf(tradition)), nullptr);
    ASSERT_NE(Input(), nullptr);
    EXPECT_TRUE(HasFocus(Input()));
    ExpectEntries();

    // Ctrl+F4 closes it; the main window's welcome panel is back, with the focus.
    Press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(Windows().IsLoaded(InputOf(tradition)));
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
    ASSERT_NE(Focused(), nullptr);
    EXPECT_TRUE(Focused()->isVisible() && Main().isAncestorOf(Focused()));
}

INSTANTIATE_TEST_SUITE_P(, KeyboardJourney, testing::ValuesIn(kJourneys),
                         [](const auto& info) { return std::string(info.param.name); });

// Tab skips the three reading texts; Down on the page tabs goes into the text in front, where
// the keys scroll, select and copy, and Shift+Tab goes back to the tabs.
TEST_F(KeyboardTest, TibetanPagesTurnWithArrowsAndDownReachesTheirText) {
    auto* display = OpenReading<frmTibetanAstrologyDisplay>(kTibetanTradition);
    ASSERT_NE(display, nullptr);
    ASSERT_EQ(Focused(), display->cmdSave);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), display->cmdBack);
    Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), display->TS);
    const std::array<std::pair<QWidget*, QPlainTextEdit*>, 3> pages = {{
        {display->Picture1, display->txtElement},
        {display->Picture2, display->txtWesternSunSign},
        {display->Picture3, display->txtAnimalSunSign},
    }};
    for (const auto& [page, text] : pages) {
        SCOPED_TRACE(text->objectName().toStdString());
        EXPECT_EQ(display->pages->currentWidget(), page);
        Press(Qt::Key_Down);
        ASSERT_EQ(Focused(), text);
        Press(Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
        Press(Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(text->textCursor().selectedText(), text->toPlainText());
        EXPECT_EQ(text->toPlainText(), text->toPlainText().trimmed()) << "nothing typed";
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(Focused(), display->TS);
        Press(Qt::Key_Right);
    }
}

// Tab visits the seven houses in their order; each shows its description as the pointer would.
TEST_F(KeyboardTest, BurmeseHousesAreVisitedInOrderAndShowTheirDescription) {
    auto* display = OpenReading<frmBurmeseAstrologyDisplay>(kBurmeseTradition);
    ASSERT_NE(display, nullptr);
    ASSERT_EQ(Focused(), display->SSTab1->tabBar());
    EXPECT_EQ(display->SSTab1->currentIndex(), 1) << "the interpretation comes first";
    Press(Qt::Key_Left);
    ASSERT_EQ(display->SSTab1->currentIndex(), 0);
    BurmeseChartFrame& chart = *display->Frame1;
    const HouseTexts& houses = State().traditions.Of<BurmeseState>().houses;
    for (std::size_t house = 0; house < chart.picHouse.size(); ++house) {
        SCOPED_TRACE(house + 1);
        Press(Qt::Key_Tab);
        ASSERT_EQ(Focused(), chart.picHouse[house]);
        EXPECT_EQ(chart.lblHouseName->text(), ToQt(houses.HouseName[house]));
        EXPECT_EQ(chart.lblHouseDesc->text(), ToQt(houses.HouseDescription[house]));
        EXPECT_NE(chart.picHouse[house]->lineWidth(), chart.picHouse[(house + 1) % 7]->lineWidth())
            << "the focused house is marked";
    }
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), display->cmdPrint);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), display->cmdOK);
}

// A window taller than the area it stands in (large type, a scaled screen): the area scrolls so
// the control Tab reaches is in sight, down to the last button and back up to the name.
TEST_F(KeyboardTest, TheFocusedControlIsScrolledIntoSight) {
    Main().resize(900, 380);
    Main().cmdSelectOption_Click(kTibetanTradition.selector.index);
    Settle();
    auto* input = Shown<InputWindow>(InputOf(kTibetanTradition));
    ASSERT_NE(input, nullptr);
    QWidget* view = Main().MdiArea().viewport();
    ASSERT_GT(input->height(), view->height()) << "the window is taller than its area";
    const auto inSight = [view](QWidget* control) {
        return view->rect().contains(QRect(control->mapTo(view, QPoint(0, 0)), control->size()));
    };
    for (const char* name : {"cmdOpen", "Label14", "txtName"}) {
        SCOPED_TRACE(name);
        QWidget* target = input->findChild<QWidget*>(name);
        for (int step = 0; step < 12 && Focused() != target; ++step) Press(Qt::Key_Tab);
        ASSERT_EQ(Focused(), target);
        EXPECT_TRUE(inSight(target));
    }

    // The Arabic Open button stands below its window on purpose; reaching it scrolls nothing.
    Main().cmdSelectOption_Click(kArabicTradition.selector.index);
    Settle();
    auto* arabic = Shown<InputWindow>(InputOf(kArabicTradition));
    ASSERT_NE(arabic, nullptr);
    QWidget* calculate = arabic->findChild<QWidget*>("cmdNext");
    for (int step = 0; step < 12 && Focused() != calculate; ++step) Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), calculate);
    const int scrolled = Main().MdiArea().verticalScrollBar()->value();
    Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), arabic->findChild<QWidget*>("cmdOpen"));
    EXPECT_EQ(Main().MdiArea().verticalScrollBar()->value(), scrolled);
}

// "Make Money Online" is greyed, so Alt+H, O is Online Help alone: it opens at once, on the
// main window and on input and reading windows alike.
TEST_F(KeyboardTest, AltHThenOOpensTheOnlineHelp) {
    const struct {
        const char* window;
        std::optional<Tradition> tradition;  // none: the main window
        bool reading;
    } cases[] = {{"main", std::nullopt, false},
                 {"Burmese input", kBurmeseTradition, false},
                 {"Burmese reading", kBurmeseTradition, true},
                 {"Indonesian reading", kIndonesianTradition, true}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.window);
        platform.openedPages.clear();
        if (row.reading) {
            ASSERT_NE(OpenReading<ChildWindow>(*row.tradition), nullptr);
        } else if (row.tradition) {
            Main().cmdSelectOption_Click((*row.tradition)->selector.index);
            Settle();
        }
        QTest::keyClick(KeyTarget(), 'h', Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, 'o');
        Settle();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the menu stays open";
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        EXPECT_EQ(platform.openedPages, QStringList{ToQt(kHelpPageAddress)});
        // The offscreen desktop leaves no window active once a menu has gone.
        QApplication::setActiveWindow(&Main());
    }
}

// Links come after every control of their window (the About window's after its OK); Enter or
// Space opens one, Escape closes the About window.
TEST_F(KeyboardTest, LinksFollowTheControlsAndOpenWithEnterOrSpace) {
    Main().cmdMdiExit->setFocus();
    Press(Qt::Key_Tab);
    Press(Qt::Key_Return);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Space);
    EXPECT_EQ(platform.openedPages,
              QStringList({ToQt(kHomePageAddress), ToQt(kFullBrandPageAddress)}));
    EXPECT_EQ(TabStops(1), QStringList({"cmdSelectOption(1)"})) << "round to the first button";

    QStringList about;
    bool closed = false;
    ExpectModal([&](QWidget* dialog) {
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isAncestorOf(Focused()); }));
        about.push_back(Focused()->objectName());
        about += TabStops(1);
        Press(Qt::Key_Return);
        Press(Qt::Key_Escape);
        closed = !dialog->isVisible();
    });
    MenuEntry('h', 'a');
    EXPECT_EQ(about, QStringList({"cmdOK", "lblCoBrand"}));
    EXPECT_EQ(platform.openedPages.size(), 3);
    EXPECT_TRUE(closed);

    Main().cmdSelectOption_Click(kIndonesianTradition.selector.index);
    Settle();
    Window(InputOf(kIndonesianTradition))->findChild<QWidget*>("cmdOpen")->setFocus();
    EXPECT_EQ(TabStops(4), QStringList({"lblCobrand", "lblFullBrand", "Label14", "txtName"}));
}

}  // namespace
}  // namespace oriastra
