#pragma once
#include <QString>
#include <functional>

#include "common/BirthDetailsPanel.h"
#include "common/ChildWindow.h"
#include "common/Tradition.h"

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QVBoxLayout;

namespace oriastra {

// What every tradition's input window has: its menus, the banner frame, the birth details panel,
// the load step (placed at the top centre, lists filled) and the unload step (the welcome panel
// comes back).
class InputWindow : public ChildWindow {
    Q_OBJECT
public:
    InputWindow(AppContext& context, WindowId id, Tradition tradition, const QString& caption);

    void Form_Load() override;
    void Form_Unload() override;

    BirthDetailsPanel* panel = nullptr;

protected:
    // The first half of every Calculate step: validation (its message shown on failure), then
    // the current birth details stored.
    bool AcceptBirthDetails();

    QAction* AddFileEntry(const char* name, const QString& caption, std::function<void()> handler);
    void AddFileSeparator(const char* name = nullptr);
    void AddExitAndHelp(const QString& updateCaption = QString(),
                        const QString& makeMoneyName = QString());
    QPushButton* AddButton(const char* name, const QString& caption, std::function<void()> handler);
    QWidget* AddText(const char* name, const QString& text, bool emphasised = false);

    BirthDetailsPanel::FillOrder fillOrder_ = BirthDetailsPanel::FillOrder::MonthDayYear;
    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QVBoxLayout* body_ = nullptr;
};

}  // namespace oriastra
