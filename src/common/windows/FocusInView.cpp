#include "common/windows/FocusInView.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <algorithm>

namespace oriastra {

namespace {

// Room left between the control and the area's edge.
constexpr int kMargin = 8;

// Moves the bar the least that brings [low, high] into [0, visible]; a control larger than the
// view shows its start.
void ScrollToShow(QScrollBar& bar, int low, int high, int visible) {
    if (low < kMargin) {
        bar.setValue(bar.value() - (kMargin - low));
    } else if (high > visible - kMargin) {
        bar.setValue(bar.value() + std::min(high - (visible - kMargin), low - kMargin));
    }
}

QRect PlaceIn(const QWidget& widget, QWidget* view) {
    return {widget.mapTo(view, QPoint(0, 0)), widget.size()};
}

}  // namespace

void KeepFocusInView(QMdiArea& area) {
    QObject::connect(qApp, &QApplication::focusChanged, &area, [&area](QWidget*, QWidget* now) {
        QWidget* view = area.viewport();
        if (now == nullptr || !view->isAncestorOf(now)) return;
        QWidget* frame = now;
        while (frame->parentWidget() != view) frame = frame->parentWidget();
        QWidget* window = qobject_cast<QMdiSubWindow*>(frame) != nullptr
                              ? static_cast<QMdiSubWindow*>(frame)->widget()
                              : frame;
        if (window == nullptr) return;
        // Only the part the window itself shows; a control it keeps out of sight stays there.
        const QRect place = PlaceIn(*now, view).intersected(PlaceIn(*window, view));
        if (place.isEmpty()) return;
        ScrollToShow(*area.horizontalScrollBar(), place.left(), place.right(), view->width());
        ScrollToShow(*area.verticalScrollBar(), place.top(), place.bottom(), view->height());
    });
}

}  // namespace oriastra
