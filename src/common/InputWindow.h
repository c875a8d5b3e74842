#pragma once
#include <QString>

#include "common/BirthDetailsPanel.h"
#include "common/Tradition.h"
#include "common/TraditionWindow.h"

namespace oriastra {

// What every tradition's input window has beyond menus and buttons: the birth details panel,
// the load step (placed at the top centre, lists filled) and the unload step (the welcome panel
// comes back).
class InputWindow : public TraditionWindow {
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
    QWidget* AddText(const char* name, const QString& text, bool emphasised = false);

    BirthDetailsPanel::FillOrder fillOrder_ = BirthDetailsPanel::FillOrder::MonthDayYear;
};

}  // namespace oriastra
