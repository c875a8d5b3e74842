#pragma once
#include <QString>
#include <functional>

#include "common/ChildWindow.h"

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QVBoxLayout;

namespace oriastra {

// A reading or report window: the window's layout, its optional menus, and buttons.
class TraditionWindow : public ChildWindow {
    Q_OBJECT
public:
    TraditionWindow(AppContext& context, WindowId id, const QString& caption, bool withMenus);

protected:
    QAction* AddFileEntry(const char* name, const QString& caption, std::function<void()> handler);
    void AddFileSeparator(const char* name = nullptr);
    // "E&xit" (unloads this window) and the Help menu.
    void AddExitAndHelp(const QString& updateCaption = QString(),
                        const QString& makeMoneyName = QString());
    QPushButton* AddButton(const char* name, const QString& caption, std::function<void()> handler);

    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QVBoxLayout* body_ = nullptr;
};

}  // namespace oriastra
