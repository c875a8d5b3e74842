#include "common/windows/ChildWindow.h"

#include <QCloseEvent>
#include <QShortcut>

#include "common/windows/BannerLabel.h"
#include "common/windows/Platform.h"
#include "common/windows/Twips.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

ChildWindow::ChildWindow(AppContext& context, WindowId id, QWidget* parent)
    : QWidget(parent), context_(context), id_(id) {
    // The frame's Close entry answers the desktop's own close keys; Ctrl+F4, the close key of
    // every multiple-document program, is added where the desktop's keys lack it (X desktops
    // give Ctrl+W only).
    const QKeySequence controlF4(Qt::CTRL | Qt::Key_F4);
    if (!QKeySequence::keyBindings(QKeySequence::Close).contains(controlF4)) {
        new QShortcut(controlF4, this, this, &ChildWindow::Unload, Qt::WidgetWithChildrenShortcut);
    }
}

void ChildWindow::PlaceAtTopCentre() {
    QWidget* frame = parentWidget() != nullptr ? parentWidget() : this;
    frame->adjustSize();
    oriastra::PlaceAtTopCentre(*frame, context_.platform.ScreenWidth());
}

void ChildWindow::Unload() { context_.windows.Unload(id_); }

bool ChildWindow::event(QEvent* event) {
    // Polished once, before it is first shown or focused: every control exists by then, whatever
    // order the window made them in.
    if (event->type() == QEvent::Polish) PutLinksLastInTabOrder(*this);
    return QWidget::event(event);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    context_.windows.Unload(id_);
}

}  // namespace oriastra
