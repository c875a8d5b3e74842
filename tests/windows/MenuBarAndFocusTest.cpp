#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "WindowTest.h"
#include "arabic/logic/ArabicTradition.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "tibetan/logic/TibetanTradition.h"
#include "tibetan/windows/frmTibetanAstrologyDisplay.h"
#include "tibetan/windows/frmTibetanAstrologyMain.h"

namespace oriastra {
namespace {

class MenuBarAndFocus : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
        QApplication::setActiveWindow(&Main());
    }
    QStringList MenuTitles() {
        QStringList titles;
        for (QAction* action : Main().menuBar()->actions()) titles.push_back(action->text());
        return titles;
    }
    QStringList FileEntries() {
        QStringList names;
        for (QAction* entry : Main().menuBar()->actions().value(0)->menu()->actions()) {
            if (!entry->isSeparator()) names.push_back(entry->objectName());
        }
        return names;
    }
    frmTibetanAstrologyMain* TibetanInput() {
        return Windows().As<frmTibetanAstrologyMain>(InputOf(kTibetanTradition));
    }
    // True when the keyboard focus is on a control of `window`.
    static bool FocusInside(QWidget* window) {
        QWidget* focused = QApplication::focusWidget();
        return window != nullptr && focused != nullptr && window->isAncestorOf(focused);
    }
    void EnterTibetan() {
        Main().cmdSelectOption_Click(4);
        Settle();
        BirthDetailsPanel& panel = *TibetanInput()->panel;
        panel.txtName->setText("Pema");
        panel.optFemale->setChecked(true);
    }
};

TEST_F(MenuBarAndFocus, OneMenuBarShowsTheActiveWindowsMenus) {
    EXPECT_EQ(MenuTitles(), QStringList({"&File", "&Help"}));
    EXPECT_EQ(FileEntries(), QStringList({"mnuExit"}));
    EXPECT_FALSE(Main().cmdMdiExit->shortcut().isEmpty());

    EnterTibetan();
    EXPECT_EQ(MenuTitles(), QStringList({"&File", "&Help"}));
    EXPECT_EQ(FileEntries(), QStringList({"mnuCalculate", "mnuExit"}));
    EXPECT_TRUE(Main().cmdMdiExit->shortcut().isEmpty()) << "the main window's Alt+E is off";
    EXPECT_TRUE(TibetanInput()->findChildren<QMenuBar*>().isEmpty()) << "no menu bar of its own";

    // File > Exit of the child unloads that child only.
    Main().menuBar()->actions().value(0)->menu()->findChild<QAction*>("mnuExit")->trigger();
    Settle();
    EXPECT_TRUE(Main().isVisible());
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kTibetanTradition)));
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
    EXPECT_EQ(FileEntries(), QStringList({"mnuExit"}));
    EXPECT_FALSE(Main().cmdMdiExit->shortcut().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), Main().cmdSelectOption[1])
        << "the keyboard goes on from the first tradition button";
}

TEST_F(MenuBarAndFocus, EveryShownWindowTakesTheFocus) {
    EnterTibetan();
    EXPECT_TRUE(FocusInside(TibetanInput())) << "after choosing the tradition";

    QTest::mouseClick(TibetanInput()->cmdCalculate, Qt::LeftButton);
    Settle();
    auto* display = Windows().As<frmTibetanAstrologyDisplay>(ReadingOf(kTibetanTradition));
    EXPECT_TRUE(FocusInside(display)) << "after Calculate";

    QTest::mouseClick(display->cmdSave, Qt::LeftButton);
    Settle();
    QWidget* report = Windows().Window(ReportOf(kTibetanTradition));
    EXPECT_TRUE(FocusInside(report)) << "after Save";
    report->parentWidget()->close();
    Settle();
    display = Windows().As<frmTibetanAstrologyDisplay>(ReadingOf(kTibetanTradition));
    EXPECT_TRUE(FocusInside(display)) << "after the report closed";

    QTest::mouseClick(display->cmdBack, Qt::LeftButton);
    Settle();
    EXPECT_TRUE(FocusInside(TibetanInput())) << "after Back";
    // Space acts on the focused control of the input window, never on a main window button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kIndonesianTradition)));
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kArabicTradition)));
    EXPECT_TRUE(Windows().IsLoaded(InputOf(kTibetanTradition)));
}

TEST_F(MenuBarAndFocus, AMinimisedWindowThatClosesLeavesTheNextWindowActive) {
    EnterTibetan();
    TibetanInput()->parentWidget()->showMinimized();
    Settle();
    Main().cmdSelectOption_Click(3);
    Settle();
    QWidget* input = Windows().Window(InputOf(kIndonesianTradition));
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(Main().MdiArea().activeSubWindow(), input->parentWidget());
    EXPECT_TRUE(FocusInside(input));
    EXPECT_EQ(FileEntries(), QStringList({"mnuMayan", "mnuExit"}));
}

TEST_F(MenuBarAndFocus, TabFollowsTheButtonsOnScreenThenExit) {
    QWidget* widget = Main().cmdSelectOption[1];
    QStringList order;
    for (int step = 0; step < 5; ++step) {
        order.push_back(qobject_cast<QPushButton*>(widget)->text());
        widget = widget->nextInFocusChain();
        while ((widget->focusPolicy() & Qt::TabFocus) == 0 || !widget->isVisible()) {
            widget = widget->nextInFocusChain();
        }
    }
    EXPECT_EQ(order, QStringList({"Arabic Astrology", "Tibetan Astrology", "Indonesian Astrology",
                                  "Burmese Astrology", "&Exit"}));
}

}  // namespace
}  // namespace oriastra
