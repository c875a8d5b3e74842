#pragma once
#include "common/logic/Tradition.h"
#include "common/windows/TraditionWindow.h"

namespace oriastra {

// A tradition's reading window: Back returns to the input window, Save or Print opens the
// report window, and closing it in any way brings the welcome panel back.
class ReadingWindow : public TraditionWindow {
    Q_OBJECT
public:
    ReadingWindow(AppContext& context, Tradition tradition, const QString& caption);

    void Form_Unload() override;

    // What the buttons every reading window shares do, as assistive technology describes them.
    static QString BackDescription() {
        return tr("Closes the reading and goes back to the birth details as you entered them");
    }
    static QString ReportDescription() {
        return tr("Opens the report, where the reading is saved or printed");
    }

protected:
    // Unloads this window and shows the input window with its entries and the focus; the
    // welcome panel stays hidden.
    void Back();
    // The report window, not modal; this window stays open behind it.
    void OpenReport();
};

}  // namespace oriastra
