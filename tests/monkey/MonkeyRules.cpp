#include "MonkeyRules.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "common/windows/ChildWindow.h"
#include "common/windows/WindowRegistry.h"
#include "registry/logic/TraditionRegistry.h"
#include "shell/windows/frmMDI.h"

namespace oriastra {

namespace {

std::string Shown(const QRect& rect) {
    return "(" + std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " +
           std::to_string(rect.width()) + "x" + std::to_string(rect.height()) + ")";
}

std::vector<ChildWindow*> LiveWindows() {
    std::vector<ChildWindow*> windows;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* window = qobject_cast<ChildWindow*>(widget)) windows.push_back(window);
    }
    return windows;
}

// At most one window of each kind: the frames in the area, the registry and the windows alive
// agree, one for one.
void OneOfEachKind(frmMDI& main, std::vector<std::string>& broken) {
    std::map<WindowId, int> framed;
    for (QMdiSubWindow* frame : main.MdiArea().subWindowList()) {
        auto* window = qobject_cast<ChildWindow*>(frame->widget());
        if (window == nullptr) {
            broken.push_back("a frame in the area holds no tradition window");
            continue;
        }
        if (++framed[window->Id()] == 2) {
            broken.push_back("two " + WindowName(window->Id()) + " windows");
        }
        if (main.Windows().Window(window->Id()) != window) {
            broken.push_back("the " + WindowName(window->Id()) +
                             " window in the area is not the loaded one");
        }
    }
    for (ChildWindow* window : LiveWindows()) {
        if (framed.count(window->Id()) == 0) {
            broken.push_back("a " + WindowName(window->Id()) + " window lives outside the area");
        }
    }
    for (Tradition tradition : AllTraditions()) {
        for (WindowId id : {InputOf(tradition), ReadingOf(tradition), ReportOf(tradition)}) {
            if (main.Windows().IsLoaded(id) && framed.count(id) == 0) {
                broken.push_back("the " + WindowName(id) + " window is loaded but not in the area");
            }
        }
    }
}

std::vector<QMdiSubWindow*> ShownFrames(frmMDI& main) {
    std::vector<QMdiSubWindow*> shown;
    for (QMdiSubWindow* frame : main.MdiArea().subWindowList()) {
        if (frame->isVisible()) shown.push_back(frame);
    }
    return shown;
}

std::string NameOf(QMdiSubWindow* frame) {
    auto* window = qobject_cast<ChildWindow*>(frame->widget());
    return window != nullptr ? WindowName(window->Id()) : "unknown";
}

void InsideTheArea(frmMDI& main, std::vector<std::string>& broken) {
    const QRect area = main.MdiArea().viewport()->rect();
    for (QMdiSubWindow* frame : ShownFrames(main)) {
        if (frame->window() != &main) {
            broken.push_back("the " + NameOf(frame) + " window stands outside the main window");
        } else if (!area.contains(frame->geometry())) {
            broken.push_back("the " + NameOf(frame) + " window " + Shown(frame->geometry()) +
                             " reaches out of the area " + Shown(area));
        }
    }
}

// The welcome panel is visible while no tradition window is in use and hidden while one is:
// choosing a tradition, a Calculate step and Back hide it; unloading an input or a reading window
// shows it. Which windows are loaded does not decide it: unloading the reading window while its
// report stays open, or the input window while a reading window its report brought back stays
// open, shows the panel all the same, and that window waits out of sight until a tradition is
// chosen again. So the rule is on what the user sees: the panel and the window area take turns,
// the panel is visible exactly when no tradition window is shown, and while it is hidden the
// area shows at least one tradition window, never an empty area.
void WelcomePanelTakesTurns(frmMDI& main, std::vector<std::string>& broken) {
    const bool panel = main.picMain->isVisible();
    const std::vector<QMdiSubWindow*> shown = ShownFrames(main);
    if (panel && main.MdiArea().isVisible()) {
        broken.push_back("the welcome panel and the area show at once");
    }
    if (panel && !shown.empty()) {
        broken.push_back("the welcome panel shows beside the " + NameOf(shown[0]) + " window");
    }
    if (!panel && shown.empty()) {
        broken.push_back("the welcome panel is hidden and no tradition window is shown");
    }
}

// The one menu bar shows the active window's menus, or the main window's own while no tradition
// window is active; while windows are shown one of them is active.
void MenusOfTheActiveWindow(frmMDI& main, std::vector<std::string>& broken) {
    QMdiSubWindow* active = main.MdiArea().isVisible() ? main.MdiArea().activeSubWindow() : nullptr;
    if (!ShownFrames(main).empty() && (active == nullptr || !active->isVisible())) {
        broken.push_back("tradition windows are shown and none of them is active");
    }
    auto* child = active != nullptr ? qobject_cast<ChildWindow*>(active->widget()) : nullptr;
    const QList<QMenu*> wanted = child != nullptr ? child->Menus() : QList<QMenu*>();
    QList<QMenu*> bar;
    for (QAction* title : main.menuBar()->actions()) bar.push_back(title->menu());
    if (!wanted.isEmpty()) {
        if (bar != wanted) {
            broken.push_back("the menu bar does not show the menus of the active " +
                             NameOf(active) + " window");
        }
        return;
    }
    for (QMenu* menu : bar) {
        for (QObject* owner = menu; owner != nullptr; owner = owner->parent()) {
            if (qobject_cast<ChildWindow*>(owner) != nullptr) {
                broken.push_back("the menu bar shows a menu of an inactive window");
                return;
            }
        }
    }
}

// Nothing of the program stands beside the main window (a popup or dialog left open).
void NothingBesideTheMainWindow(frmMDI& main, std::vector<std::string>& broken) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &main && top->isVisible()) {
            broken.push_back(std::string("a ") + top->metaObject()->className() + " \"" +
                             top->objectName().toStdString() + "\" stands beside the main window");
        }
    }
}

}  // namespace

std::string WindowName(WindowId id) {
    static const char* const roles[] = {"input", "reading", "report"};
    return std::string(TraditionKey(id.tradition)) + " " + roles[static_cast<int>(id.role)];
}

std::vector<std::string> BrokenWindowRules(frmMDI& main) {
    std::vector<std::string> broken;
    OneOfEachKind(main, broken);
    InsideTheArea(main, broken);
    WelcomePanelTakesTurns(main, broken);
    MenusOfTheActiveWindow(main, broken);
    NothingBesideTheMainWindow(main, broken);
    return broken;
}

std::vector<std::string> BrokenEndRules(frmMDI& main) {
    std::vector<std::string> broken;
    for (ChildWindow* window : LiveWindows()) {
        broken.push_back("the " + WindowName(window->Id()) + " window outlived the main window");
    }
    if (!main.MdiArea().subWindowList().isEmpty()) broken.push_back("frames are left in the area");
    return broken;
}

}  // namespace oriastra
