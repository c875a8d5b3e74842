#include "common/ChildWindow.h"

#include <QCloseEvent>
#include <QShortcut>
#include <utility>

#include "common/BannerLabel.h"
#include "common/Platform.h"
#include "common/Twips.h"
#include "common/WindowRegistry.h"

namespace oriastra {

ChildWindow::ChildWindow(AppContext& context, WindowId id, QWidget* parent)
    : QWidget(parent), context_(context), id_(id) {
    // Ctrl+F4 closes the active document window, as in every multiple-document program (and
    // the desktop's own close keys, Ctrl+W on most).
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    const QKeySequence controlF4(Qt::CTRL | Qt::Key_F4);
    if (!keys.contains(controlF4)) keys.push_back(controlF4);
    auto* close = new QShortcut(this);
    close->setKeys(keys);
    close->setContext(Qt::WidgetWithChildrenShortcut);
    connect(close, &QShortcut::activated, this, [this] { Unload(); });
}

void ChildWindow::PlaceAtTopCentre() {
    QWidget* frame = parentWidget() != nullptr ? parentWidget() : this;
    frame->adjustSize();
    oriastra::PlaceAtTopCentre(*frame, context_.platform.ScreenWidth());
}

void ChildWindow::Unload() { context_.windows.Unload(id_); }

void ChildWindow::showEvent(QShowEvent* event) {
    // Every control exists by now, whatever order the window made them in.
    if (!std::exchange(shownBefore_, true)) PutLinksLastInTabOrder(*this);
    QWidget::showEvent(event);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    context_.windows.Unload(id_);
}

}  // namespace oriastra
