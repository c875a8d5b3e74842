#pragma once
#include <QPointer>
#include <functional>
#include <map>
#include <optional>

#include "common/logic/WindowId.h"

class QMdiArea;
class QMdiSubWindow;

namespace oriastra {

class ChildWindow;

// The lifecycle the windows rely on: at most one window of each kind; Show loads a window that is
// not loaded (running its load step); Hide keeps it loaded with its entries; Unload runs its
// unload step and destroys it; IsLoaded only asks.
class WindowRegistry {
public:
    using Factory = std::function<ChildWindow*()>;

    explicit WindowRegistry(QMdiArea& area);

    void Register(WindowId id, Factory factory);

    bool IsLoaded(WindowId id) const;
    ChildWindow* Window(WindowId id) const;  // nullptr when not loaded
    template <typename T>
    T* As(WindowId id) const {
        return dynamic_cast<T*>(Window(id));
    }

    ChildWindow* Load(WindowId id);  // creates it and runs its load step; not shown
    // Loads when needed, shows it and makes it the active window with the keyboard focus inside
    // it. The handler that asked may go on to close or hide other windows, so the activation is
    // made again once that handler has returned.
    ChildWindow* Show(WindowId id);
    void Hide(WindowId id);
    void Unload(WindowId id);

    // The main window is closing: unload everything, and let no unload step open a window.
    void UnloadAll();

private:
    void Activate(WindowId id);

    struct Entry {
        QPointer<ChildWindow> window;
        QPointer<QMdiSubWindow> frame;
    };
    QMdiArea& area_;
    std::map<WindowId, Factory> factories_;
    std::map<WindowId, Entry> loaded_;
    bool closingAll_ = false;
    std::optional<WindowId> lastShown_;
};

}  // namespace oriastra
