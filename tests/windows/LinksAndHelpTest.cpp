#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "WindowTest.h"
#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/logic/WebPages.h"
#include "common/windows/QtText.h"
#include "common/windows/frmAbout.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "registry/logic/TraditionRegistry.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

class LinksAndHelpTest : public WindowTest {
protected:
    // The window under test: the main window, or a tradition's input window.
    QWidget* Open(int buttonIndex) {
        if (buttonIndex < 0) return &Main();
        Main().cmdSelectOption_Click(buttonIndex);
        Settle();
        return OpenInput(buttonIndex);
    }
    QWidget* OpenInput(int buttonIndex) {
        const std::array<WindowId, 5> inputs = {InputOf(kAfricanTradition), InputOf(kArabicTradition),
                                                InputOf(kBurmeseTradition), InputOf(kIndonesianTradition),
                                                InputOf(kTibetanTradition)};
        return Window(inputs[static_cast<std::size_t>(buttonIndex)]);
    }
    void Click(QWidget* window, const QString& name) {
        auto* label = Find<QLabel>(window, name);
        if (label != nullptr) QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    }
};

const QString kHelp = ToQt(kHelpPageAddress);
const QString kHome = ToQt(kHomePageAddress);
const QString kDownload = ToQt(kDownloadPageAddress);
const QString kCoBrand = ToQt(kCoBrandPageAddress);
const QString kFullBrand = ToQt(kFullBrandPageAddress);

struct WindowCase {
    const char* name;
    int buttonIndex;  // -1: the main window
    QStringList labels;
    QStringList pages;
    QString updateCaption;
    QString makeMoneyName;
    friend void PrintTo(const WindowCase& row, std::ostream* os) { *os << row.name; }
};

class EachWindow : public LinksAndHelpTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(EachWindow, BannersOpenTheirPages) {
    Start();
    QWidget* window = Open(GetParam().buttonIndex);
    ASSERT_NE(window, nullptr);
    for (const QString& label : GetParam().labels) Click(window, label);
    EXPECT_EQ(platform.openedPages, GetParam().pages);
}

TEST_P(EachWindow, HelpMenuHasItsEntriesAndOpensItsPages) {
    Start();
    QWidget* window = Open(GetParam().buttonIndex);
    ASSERT_NE(window, nullptr);
    auto* help = window->findChild<QMenu*>("mnuHelp");
    ASSERT_NE(help, nullptr);
    QStringList captions;
    for (QAction* action : help->actions()) captions.push_back(action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(captions, (QStringList{"&Online Help", "&Visit Us Online", "-", GetParam().updateCaption,
                                     "-", "&About Software", "Make Money Online"}));
    for (const char* name : {"mnuOnline", "mnuVisit", "mnuUpdate"}) {
        window->findChild<QAction*>(name)->trigger();
    }
    EXPECT_EQ(platform.openedPages, (QStringList{kHelp, kHome, kDownload}));
    QAction* makeMoney = window->findChild<QAction*>(GetParam().makeMoneyName);
    ASSERT_NE(makeMoney, nullptr);
    EXPECT_FALSE(makeMoney->isEnabled()) << "nobody can choose it";
}

TEST_P(EachWindow, AboutIsModalAndClosesWithOk) {
    Start();
    QWidget* window = Open(GetParam().buttonIndex);
    ASSERT_NE(window, nullptr);
    bool seen = false;
    ExpectModal([&](QWidget* modal) {
        seen = true;
        EXPECT_EQ(modal->objectName(), "frmAbout");
        EXPECT_EQ(modal->windowTitle(), "Kestrin Oriastra v1.25");
        EXPECT_TRUE(modal->isModal());
        QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    window->findChild<QAction*>("mnuAbout")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

const QStringList kBrandLabels = {"lblCobrand", "lblFullBrand"};

INSTANTIATE_TEST_SUITE_P(
    Windows, EachWindow,
    ::testing::Values(
        WindowCase{"frmMDI", -1, {"lblCorvaneBanner", "Label7"}, {kHome, kFullBrand},
                   "Check for Software &Update", "mkmoney"},
        WindowCase{"frmTibetanAstrologyMain", 4, kBrandLabels + QStringList{"Label14"},
                   {kCoBrand, kFullBrand, kHome}, "Check for Software &Update", "mnuMakeMoney"},
        WindowCase{"frmBurmeseAstrologyMain", 2, kBrandLabels + QStringList{"Label61"},
                   {kCoBrand, kFullBrand, kHome}, "Check for Software &Update", "mnumakemoney"},
        WindowCase{"frmIndonesianAstrologyMain", 3, kBrandLabels + QStringList{"Label14"},
                   {kCoBrand, kFullBrand, kHome}, "Check for Software &Update", "mnuMakeMoney"},
        WindowCase{"frmAfricanAstrologyMain", 0, kBrandLabels + QStringList{"Label14"},
                   {kCoBrand, kFullBrand, kHome}, "Check for Software &Update", "mnuMakeMoney"},
        WindowCase{"frmArabicAstrologyMain", 1, kBrandLabels + QStringList{"Label61"},
                   {kCoBrand, kFullBrand, kHome}, "&Check for Software Update", "mnuMakeMoney"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinksAndHelpTest, CoBrandCaptionKeepsItsSpacesAndShowsOneAmpersand) {
    Start();
    QWidget* window = Open(4);
    EXPECT_EQ(Find<QLabel>(window, "lblCobrand")->text(),
              "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
              "Put your site's name &  link here. See \"Help\" for details.    Click Here for "
              "more info on co-branding.");
}

TEST_F(LinksAndHelpTest, AboutLinksOpenFullBrandAndHomePages) {
    frmAbout about(platform, ProseNamingTraditions().about);
    about.show();
    QTest::mouseClick(about.lblCoBrand, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(about.lblHomePage, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(platform.openedPages, (QStringList{kFullBrand, kHome}));
    EXPECT_TRUE(about.Label3->text().endsWith("website. "));
    EXPECT_TRUE(about.Label1->text().startsWith("Kestrin Oriastra is a combination of Tibetan"));
}

TEST_F(LinksAndHelpTest, InputWindowExitShowsWelcomeAndKeepsProgramRunning) {
    Start();
    QWidget* window = Open(4);
    window->findChild<QAction*>("mnuExit")->trigger();
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kTibetanTradition)));
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(LinksAndHelpTest, CloseBoxUnloadsLikeExit) {
    Start();
    QWidget* window = Open(2);
    window->parentWidget()->close();
    Settle();
    EXPECT_FALSE(Windows().IsLoaded(InputOf(kBurmeseTradition)));
    EXPECT_TRUE(Main().IsWelcomePanelVisible());
}

}  // namespace
}  // namespace oriastra
