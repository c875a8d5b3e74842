#include "common/windows/WindowRegistry.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <utility>

#include "common/windows/ChildWindow.h"

namespace oriastra {

WindowRegistry::WindowRegistry(QMdiArea& area) : area_(area) {}

void WindowRegistry::Register(WindowId id, Factory factory) { factories_[id] = std::move(factory); }

bool WindowRegistry::IsLoaded(WindowId id) const { return loaded_.count(id) != 0; }

ChildWindow* WindowRegistry::Window(WindowId id) const {
    const auto found = loaded_.find(id);
    return found == loaded_.end() ? nullptr : found->second.window.data();
}

ChildWindow* WindowRegistry::Load(WindowId id) {
    if (ChildWindow* window = Window(id)) return window;
    if (closingAll_) return nullptr;
    const auto factory = factories_.find(id);
    if (factory == factories_.end()) return nullptr;
    ChildWindow* window = factory->second();
    if (window == nullptr) return nullptr;
    QMdiSubWindow* frame = area_.addSubWindow(window, Qt::SubWindow | Qt::WindowTitleHint |
                                                         Qt::WindowSystemMenuHint |
                                                         Qt::WindowMinimizeButtonHint |
                                                         Qt::WindowCloseButtonHint);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->setWindowIcon(window->windowIcon());
    // The frame is what assistive technology meets as the window.
    frame->setAccessibleDescription(window->accessibleDescription());
    frame->hide();
    loaded_[id] = Entry{window, frame};
    window->Form_Load();
    return Window(id);
}

ChildWindow* WindowRegistry::Show(WindowId id) {
    ChildWindow* window = Load(id);
    if (window == nullptr) return nullptr;
    const Entry& entry = loaded_.at(id);
    window->show();
    entry.frame->show();
    entry.frame->raise();
    Activate(id);
    if (!lastShown_) {
        QTimer::singleShot(0, &area_, [this] {
            if (const auto shown = std::exchange(lastShown_, std::nullopt)) Activate(*shown);
        });
    }
    lastShown_ = id;
    return window;
}

void WindowRegistry::Activate(WindowId id) {
    const auto found = loaded_.find(id);
    if (found == loaded_.end() || !found->second.frame || !found->second.window) return;
    QMdiSubWindow& frame = *found->second.frame;
    ChildWindow& window = *found->second.window;
    if (!frame.isVisible() || !area_.isVisible()) return;
    area_.setActiveSubWindow(&frame);
    // The focus goes back where it was in this window, else to its first control.
    QWidget* target = window.focusWidget();
    if (target == nullptr || !target->isVisible() || !target->isEnabled()) {
        target = window.nextInFocusChain();
        while (target != &window && !(window.isAncestorOf(target) && target->isVisible() &&
                                      target->isEnabled() &&
                                      (target->focusPolicy() & Qt::TabFocus) != 0)) {
            target = target->nextInFocusChain();
        }
    }
    if (target != &window) target->setFocus(Qt::ActiveWindowFocusReason);
}

void WindowRegistry::Hide(WindowId id) {
    const auto found = loaded_.find(id);
    if (found != loaded_.end() && found->second.frame) found->second.frame->hide();
}

void WindowRegistry::Unload(WindowId id) {
    const auto found = loaded_.find(id);
    if (found == loaded_.end()) return;
    const Entry entry = found->second;
    loaded_.erase(found);
    if (entry.window) entry.window->Form_Unload();
    if (entry.frame) {
        // Taken out of the area, a minimised frame would be a minimised window of its own,
        // and the main window would lose the activation to it.
        entry.frame->setWindowState(Qt::WindowNoState);
        entry.frame->hide();
        area_.removeSubWindow(entry.frame);
        entry.frame->deleteLater();
    }
}

void WindowRegistry::UnloadAll() {
    closingAll_ = true;
    while (!loaded_.empty()) Unload(loaded_.begin()->first);
}

}  // namespace oriastra
