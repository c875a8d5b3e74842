#include "common/ChildWindow.h"

#include <QCloseEvent>

#include "common/Platform.h"
#include "common/Twips.h"
#include "common/WindowRegistry.h"

namespace oriastra {

ChildWindow::ChildWindow(AppContext& context, WindowId id, QWidget* parent)
    : QWidget(parent), context_(context), id_(id) {}

void ChildWindow::PlaceAtTopCentre() {
    QWidget* frame = parentWidget() != nullptr ? parentWidget() : this;
    frame->adjustSize();
    oriastra::PlaceAtTopCentre(*frame, context_.platform.ScreenWidth());
}

void ChildWindow::Unload() { context_.windows.Unload(id_); }

void ChildWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    context_.windows.Unload(id_);
}

}  // namespace oriastra
