#include "common/ReadingWindow.h"

#include "common/WindowRegistry.h"

namespace oriastra {

ReadingWindow::ReadingWindow(AppContext& context, Tradition tradition, const QString& caption)
    : TraditionWindow(context, ReadingOf(tradition), caption, true) {}

void ReadingWindow::Form_Unload() { context_.welcome.SetWelcomePanelVisible(true); }

void ReadingWindow::Back() {
    // The registry gives the input window the focus again once this handler has returned.
    context_.windows.Show(InputOf(Id().tradition));
    Unload();
    // The unload has just shown the welcome panel.
    context_.welcome.SetWelcomePanelVisible(false);
}

void ReadingWindow::OpenReport() { context_.windows.Show(ReportOf(Id().tradition)); }

}  // namespace oriastra
