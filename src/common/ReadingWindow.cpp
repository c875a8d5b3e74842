#include "common/ReadingWindow.h"

#include "common/ChildWindow.h"
#include "common/WindowRegistry.h"

namespace oriastra {

ReadingWindow::ReadingWindow(AppContext& context, Tradition tradition, const QString& caption)
    : TraditionWindow(context, ReadingOf(tradition), caption, true) {}

void ReadingWindow::Form_Unload() { context_.welcome.SetWelcomePanelVisible(true); }

void ReadingWindow::Back() {
    WindowRegistry& windows = context_.windows;
    const WindowId input = InputOf(Id().tradition);
    windows.Show(input);
    Unload();
    // The unload has just shown the welcome panel.
    context_.welcome.SetWelcomePanelVisible(false);
    // Closing this window handed the keyboard focus to the main window; the input window is
    // the one in front.
    ChildWindow* window = windows.Window(input);
    if (window == nullptr) return;
    QWidget* last = window->focusWidget();
    (last != nullptr ? last : window)->setFocus(Qt::OtherFocusReason);
}

void ReadingWindow::OpenReport() { context_.windows.Show(ReportOf(Id().tradition)); }

}  // namespace oriastra
