#include "common/ReadingWindow.h"

#include "common/ChildWindow.h"
#include "common/WindowRegistry.h"

namespace oriastra {

ReadingWindow::ReadingWindow(AppContext& context, Tradition tradition, const QString& caption)
    : TraditionWindow(context, ReadingOf(tradition), caption, true) {}

void ReadingWindow::Form_Unload() { context_.welcome.SetWelcomePanelVisible(true); }

void ReadingWindow::Back() {
    const WindowId input = InputOf(Id().tradition);
    context_.windows.Show(input);
    Unload();
    // The unload has just shown the welcome panel.
    context_.welcome.SetWelcomePanelVisible(false);
    // The focus went with this window to the main window; the input window takes it back
    // where it last was.
    if (ChildWindow* window = context_.windows.Window(input)) {
        QWidget* last = window->focusWidget();
        (last != nullptr ? last : window)->setFocus();
    }
}

void ReadingWindow::OpenReport() { context_.windows.Show(ReportOf(Id().tradition)); }

}  // namespace oriastra
