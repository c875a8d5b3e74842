#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "WindowTest.h"
#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/logic/RecordText.h"
#include "common/logic/WebPages.h"
#include "common/windows/QtText.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "shell/windows/UpdateReminder.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

class MainWindowTest : public WindowTest {};

TEST_F(MainWindowTest, SecondCopySaysSoAndEndsBeforeAnythingElse) {
    auto program = StartProgram(platform, true);
    EXPECT_EQ(program, nullptr);
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, "Application is already running");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(platform.settings.value("Settings/Duration"), QString()) << "reminder must not run";
}

TEST_F(MainWindowTest, ReminderComesBeforeTheMainWindow) {
    platform.settings.insert(
        "Settings/Duration",
        ToQt(EncodeRecordText(FromQt(ShortDateText(platform.today.addDays(-30), QLocale())))));
    platform.answers.push_back(MessageAnswer::No);
    bool mainWindowExisted = true;
    platform.onMessage = [&](const ScriptedPlatform::Message&) {
        mainWindowExisted = false;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "frmMDI") mainWindowExisted = true;
        }
    };
    Start();
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_FALSE(mainWindowExisted);
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(MainWindowTest, ShowsWelcomePanelAndFourTraditionsInRowOrder) {
    Start();
    EXPECT_EQ(Main().windowTitle(), "Kestrin Oriastra v1.25");
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
    const QStringList expected = {"Arabic Astrology", "Tibetan Astrology", "Indonesian Astrology",
                                  "Burmese Astrology"};
    QList<QPushButton*> shown;
    for (QPushButton* button : Main().cmdSelectOption) {
        if (button->isVisible()) shown.push_back(button);
    }
    std::sort(shown.begin(), shown.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList captions;
    for (QPushButton* button : shown) captions.push_back(button->text());
    EXPECT_EQ(captions, expected);
    EXPECT_FALSE(Main().cmdSelectOption[0]->isVisible());
    EXPECT_FALSE(Main().buttonPictures[0]->isVisible());
    EXPECT_FALSE(Main().lblCaption[3]->isVisible());
    EXPECT_EQ(Main().lblCaption[0]->text(), "Welcome to Kestrin Oriastra");
    EXPECT_EQ(Main().lblCaption[2]->text(), "Kestrin Oriastra includes the following programs");
    // Top to bottom: 0, 1, 2, 4, 7, 6, 5.
    const std::vector<int> order = {0, 1, 2, 4, 7, 6, 5};
    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_LT(Main().lblCaption[order[i - 1]]->y(), Main().lblCaption[order[i]]->y());
    }
    for (int index : order) {
        const QLabel* label = Main().lblCaption[index];
        EXPECT_EQ(label->x(), CentredLeftOf(label->width())) << index;
    }
}

TEST_F(MainWindowTest, TraditionLabelsHaveTheirColoursAndPointer) {
    Start();
    const std::vector<std::pair<int, QColor>> colours = {
        {3, QColor(255, 255, 0)}, {4, QColor(255, 0, 255)}, {5, QColor(0, 255, 0)},
        {6, QColor(0, 255, 255)}, {7, QColor(255, 0, 0)}};
    for (const auto& [index, colour] : colours) {
        const QLabel* label = Main().lblCaption[index];
        EXPECT_EQ(label->palette().color(QPalette::WindowText), colour) << index;
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << index;
        EXPECT_FALSE(label->font().underline()) << index;
    }
    EXPECT_NE(Main().lblCaption[0]->cursor().shape(), Qt::PointingHandCursor);
}

struct Choice {
    const char* name;
    bool byLabel;
    int index;
    WindowId window;
    const char* caption;
    friend void PrintTo(const Choice& row, std::ostream* os) { *os << row.name; }
};

class ChoosingTradition : public MainWindowTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(ChoosingTradition, OpensInputWindowAtTopCentreAndHidesWelcome) {
    Start();
    const Choice& choice = GetParam();
    if (choice.byLabel) Main().lblCaption_Click(choice.index);
    else QTest::mouseClick(Main().cmdSelectOption[choice.index], Qt::LeftButton);
    Settle();
    ChildWindow* window = Window(choice.window);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), choice.caption);
    EXPECT_FALSE(Main().IsWelcomePanelVisible());
    QWidget* frame = window->parentWidget();
    EXPECT_EQ(frame->y(), 0);
    EXPECT_EQ(frame->x(), CentredLeftOf(frame->width()));
}

INSTANTIATE_TEST_SUITE_P(
    ByButtonAndLabel, ChoosingTradition,
    ::testing::Values(
        Choice{"ArabicButton", false, 1, InputOf(kArabicTradition), "Kestrin Arabic Astrology"},
        Choice{"BurmeseButton", false, 2, InputOf(kBurmeseTradition), "Kestrin Burmese Astrology"},
        Choice{"IndonesianButton", false, 3, InputOf(kIndonesianTradition),
               "Kestrin Indonesian Astrology"},
        Choice{"TibetanButton", false, 4, InputOf(kTibetanTradition), "Kestrin Tibetan Astrology"},
        Choice{"HiddenAfricanButton", false, 0, InputOf(kAfricanTradition), "Kestrin African Astrology"},
        Choice{"ArabicLabel", true, 4, InputOf(kArabicTradition), "Kestrin Arabic Astrology"},
        Choice{"BurmeseLabel", true, 5, InputOf(kBurmeseTradition), "Kestrin Burmese Astrology"},
        Choice{"IndonesianLabel", true, 6, InputOf(kIndonesianTradition),
               "Kestrin Indonesian Astrology"},
        Choice{"TibetanLabel", true, 7, InputOf(kTibetanTradition), "Kestrin Tibetan Astrology"},
        Choice{"HiddenAfricanLabel", true, 3, InputOf(kAfricanTradition),
               "Kestrin African Astrology"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ChoosingAnotherTraditionClosesEveryOpenOne) {
    Start();
    Main().cmdSelectOption_Click(2);
    Main().cmdSelectOption_Click(4);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kBurmeseTradition)));
    EXPECT_TRUE(Windows().IsLoaded(InputOf(kTibetanTradition)));
    EXPECT_EQ(Main().MdiArea().subWindowList().size(), 1);
}

TEST_F(MainWindowTest, ChoosingAgainStartsFromFreshEntries) {
    Start();
    Main().cmdSelectOption_Click(4);
    Find<QLineEdit>(Window(InputOf(kTibetanTradition)), "txtName")->setText("Pema");
    Main().cmdSelectOption_Click(4);
    Settle();
    EXPECT_EQ(Find<QLineEdit>(Window(InputOf(kTibetanTradition)), "txtName")->text(), "");
}

TEST_F(MainWindowTest, HeadingLabelClosesHiddenWindowAndOpensNothing) {
    Start();
    Main().cmdSelectOption_Click(4);
    Windows().Hide(InputOf(kTibetanTradition));
    Main().SetWelcomePanelVisible(true);
    QTest::mouseClick(Main().lblCaption[0], Qt::LeftButton);
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kTibetanTradition)));
    EXPECT_TRUE(Main().MdiArea().subWindowList().isEmpty());
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
}

TEST_F(MainWindowTest, HoverUnderlinesTraditionLabelsUntilThePanelIsCrossed) {
    Start();
    MoveMouseOver(Main().lblCaption[4]);
    MoveMouseOver(Main().lblCaption[7]);
    EXPECT_TRUE(Main().lblCaption[4]->font().underline());
    EXPECT_TRUE(Main().lblCaption[7]->font().underline());
    MoveMouseOver(Main().lblCaption[0]);
    EXPECT_FALSE(Main().lblCaption[0]->font().underline()) << "headings are never marked";
    MoveMouseOver(Main().picMain);
    for (QLabel* label : Main().lblCaption) EXPECT_FALSE(label->font().underline());
}

TEST_F(MainWindowTest, ExitButtonAndMenuEndTheProgram) {
    for (bool byMenu : {false, true}) {
        Start();
        Main().cmdSelectOption_Click(4);
        if (byMenu) Main().menuBar()->findChild<QAction*>("mnuExit")->trigger();
        else QTest::mouseClick(Main().cmdMdiExit, Qt::LeftButton);
        Settle();
        EXPECT_FALSE(Main().isVisible());
        EXPECT_FALSE(Windows().IsLoaded(InputOf(kTibetanTradition)));
        program_.reset();
    }
}

TEST_F(MainWindowTest, ExitButtonSitsAtTheRightEdge) {
    Start();
    EXPECT_EQ(Main().cmdMdiExit->text(), "&Exit");
    EXPECT_EQ(Main().cmdMdiExit->x(),
              platform.screenWidth - (Main().cmdMdiExit->width() + TwipsToPixels(120)));
}

TEST_F(MainWindowTest, LinksAndLabelsActOnTheLeftButtonOnly) {
    Start();
    QWidget* links[] = {Main().lblCaption[7], Main().Picture6, Main().lblCorvaneBanner,
                        Main().Label7};
    for (QWidget* link : links) {
        QTest::mouseClick(link, Qt::RightButton, {}, QPoint(3, 3));
        QTest::mouseClick(link, Qt::MiddleButton, {}, QPoint(3, 3));
    }
    Settle();
    EXPECT_TRUE(platform.openedPages.isEmpty());
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kTibetanTradition)));
    EXPECT_TRUE(Main().IsWelcomePanelVisible());

    for (QWidget* link : links) QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    Settle();
    EXPECT_EQ(platform.openedPages.size(), 3);
    EXPECT_TRUE(Windows().IsLoaded(InputOf(kTibetanTradition)));
}

}  // namespace
}  // namespace oriastra
