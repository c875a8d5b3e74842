#include "common/windows/ReadingWindow.h"

#include "common/windows/QtText.h"
#include "common/windows/Translations.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

ReadingWindow::ReadingWindow(AppContext& context, Tradition tradition, const QString& caption)
    : TraditionWindow(context, ReadingOf(tradition), caption, true) {
    setAccessibleDescription(
        tr("Your %1 reading")
            .arg(TranslatedQt("Traditions", Describe(tradition).selector.caption)));
}

void ReadingWindow::Form_Unload() { context_.welcome.SetWelcomePanelVisible(true); }

void ReadingWindow::Back() {
    const WindowId input = InputOf(Id().tradition);
    Unload();
    // The unload has just shown the welcome panel, which hides the window area and takes the
    // focus with it; the input window is shown once the area is back, so the focus lands there.
    context_.welcome.SetWelcomePanelVisible(false);
    context_.windows.Show(input);
}

void ReadingWindow::OpenReport() { context_.windows.Show(ReportOf(Id().tradition)); }

}  // namespace oriastra
