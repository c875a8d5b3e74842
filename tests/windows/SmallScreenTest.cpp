#include <QAbstractScrollArea>
#include <QLabel>
#include <QMdiArea>
#include <QScrollBar>

#include "ExampleReading.h"
#include "WindowTest.h"
#include "common/windows/InputWindow.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra {
namespace {

// The main window on smaller or scaled screens, in logical pixels.
struct MainWindowSize {
    const char* name;
    int screenWidth;
    int width;
    int height;
    friend void PrintTo(const MainWindowSize& size, std::ostream* os) { *os << size.name; }
};

// The part of `widget` that its parents up to `upTo` leave showing, in upTo's coordinates.
QRect ShownPart(const QWidget& widget, const QWidget& upTo) {
    QRect part(widget.mapTo(&upTo, QPoint(0, 0)), widget.size());
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        part &= QRect(parent->mapTo(&upTo, QPoint(0, 0)), parent->size());
        if (parent == &upTo) break;
    }
    return part;
}

QAbstractScrollArea* ScrollingAround(QWidget& widget) {
    for (QWidget* parent = widget.parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(parent)) return area;
    }
    return nullptr;
}

// Whether a user can bring all of `part` (in the control's coordinates) into sight, by dragging
// the bars of `area` as far as they go to show one corner, then the other; without an area,
// whether the part shows in `view` as it stands.
::testing::AssertionResult CanBeBroughtIntoSight(QWidget& control, const QRect& part,
                                                 QAbstractScrollArea* area, QWidget& view) {
    for (const QPoint corner : {part.topLeft(), part.bottomRight()}) {
        if (area != nullptr) {
            const QPoint at = control.mapTo(&view, corner);
            QScrollBar& across = *area->horizontalScrollBar();
            QScrollBar& down = *area->verticalScrollBar();
            across.setValue(across.value() + at.x() - view.width() / 2);
            down.setValue(down.value() + at.y() - view.height() / 2);
        }
        if (!ShownPart(control, view).contains(control.mapTo(&view, corner))) {
            return ::testing::AssertionFailure()
                   << control.metaObject()->className() << " "
                   << control.objectName().toStdString() << ": its point (" << corner.x() << ", "
                   << corner.y() << ") never comes into sight";
        }
    }
    return ::testing::AssertionSuccess();
}

class SmallScreen : public WindowTest, public ::testing::WithParamInterface<MainWindowSize> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        platform.screenWidth = GetParam().screenWidth;
        Start();
        Main().setWindowState(Qt::WindowNoState);
        Main().resize(GetParam().width, GetParam().height);
        Main().Form_Load();
        Settle();
    }

    // The window opens inside the area, at its top-left when it is too wide, and every control
    // it shows can be scrolled into sight.
    void ExpectReachable(ChildWindow* window) {
        ASSERT_NE(window, nullptr);
        Settle();
        ASSERT_TRUE(window->isVisible());
        QMdiArea& area = Main().MdiArea();
        QWidget& view = *area.viewport();
        const QWidget& frame = *window->parentWidget();
        const QPoint start = frame.pos() + QPoint(area.horizontalScrollBar()->value(),
                                                  area.verticalScrollBar()->value());
        EXPECT_GE(start.x(), 0);
        EXPECT_GE(start.y(), 0);
        if (frame.width() <= view.width()) {
            EXPECT_LE(start.x() + frame.width(), view.width());
        }
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window)) continue;
            // What the window keeps out of its own sight stays there.
            const QRect part = ShownPart(*control, *window);
            if (part.isEmpty()) continue;
            EXPECT_TRUE(CanBeBroughtIntoSight(
                *control, part.translated(-control->mapTo(window, QPoint(0, 0))), &area, view));
        }
    }

    void ExpectEveryViewReachable(ChildWindow* window) {
        ExpectReachable(window);
        if (window == nullptr) return;
        for (int view = 0; view < window->PictureViews().size(); ++view) {
            SCOPED_TRACE(window->PictureViews()[view].toStdString());
            window->ShowPictureView(view);
            ExpectReachable(window);
        }
    }
};

TEST_P(SmallScreen, EveryWelcomePanelLabelCanBeReached) {
    QAbstractScrollArea* area = ScrollingAround(*Main().picMain);
    QWidget& view = area != nullptr ? *area->viewport() : static_cast<QWidget&>(Main());
    for (QLabel* label : Main().lblCaption) {
        if (!label->isVisibleTo(Main().picMain)) continue;
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_TRUE(CanBeBroughtIntoSight(*label, label->rect(), area, view));
    }
}

TEST_P(SmallScreen, EveryWindowOpensInsideTheAreaAndScrollsIntoSightInFull) {
    for (Tradition tradition : AllTraditions()) {
        SCOPED_TRACE(tradition->key);
        {
            SCOPED_TRACE("input");
            ExpectReachable(OpenInput(Main(), tradition));
        }
        {
            SCOPED_TRACE("reading");
            ExpectEveryViewReachable(ShowExampleReading(Main(), tradition));
        }
        if (!tradition->HasReport()) continue;
        SCOPED_TRACE("report");
        ShowExampleReading(Main(), tradition);
        ExpectReachable(Windows().Show(ReportOf(tradition)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainWindowSizes, SmallScreen,
    ::testing::Values(MainWindowSize{"Laptop1366x768", 1366, 1366, 768},
                      // 2560 by 1440 at scale 2
                      MainWindowSize{"Scaled1280x720", 1280, 1280, 720},
                      // 1920 by 1080 at scale 2, less the desktop's panel and the title bar
                      MainWindowSize{"Scaled960x540", 960, 960, 490},
                      MainWindowSize{"Netbook1024x600", 1024, 1024, 600},
                      MainWindowSize{"Small800x600", 800, 800, 600},
                      // Not maximised: the screen is wider than the window
                      MainWindowSize{"Restored1000x700", 1366, 1000, 700}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace oriastra
