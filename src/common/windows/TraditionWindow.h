#pragma once
#include <QString>
#include <functional>

#include "common/windows/ChildWindow.h"

class QAction;
class QMenu;
class QPushButton;
class QVBoxLayout;

namespace oriastra {

// A reading or report window: the window's layout, its optional menus, and buttons.
class TraditionWindow : public ChildWindow {
    Q_OBJECT
public:
    TraditionWindow(AppContext& context, WindowId id, const QString& caption, bool withMenus);

    QList<QMenu*> Menus() const override;

protected:
    QAction* AddFileEntry(const char* name, const QString& caption, std::function<void()> handler);
    void AddFileSeparator(const char* name = nullptr);
    // "E&xit" (unloads this window) and the Help menu.
    void AddExitAndHelp(const QString& updateCaption = QString(),
                        const QString& makeMoneyName = QString());
    // Rules of this window's own, after the house look.
    void AddStyleRules(const QString& rules);
    // A button named by its caption and described by what it does.
    QPushButton* AddButton(const char* name, const QString& caption, const QString& description,
                           std::function<void()> handler);

    QMenu* fileMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QVBoxLayout* body_ = nullptr;

    bool event(QEvent* event) override;

private:
    // The window's style sheet, set when the window is first polished: set while it is built, the
    // move into its frame in the main window would match every rule against every control again.
    QString styleRules_;
    bool styled_ = false;
};

}  // namespace oriastra
