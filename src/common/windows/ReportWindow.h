#pragma once
#include <string>

#include "common/logic/StyledText.h"
#include "common/logic/Tradition.h"
#include "common/windows/TraditionWindow.h"

class QPushButton;

namespace oriastra {

class ReportView;

// A tradition's report window: the report view `RTB` filled from the tradition's styled runs,
// Save writing the record file of the current birth details, Print, and the unload step that
// shows the reading window again (creating it afresh when it was closed meanwhile; a reading
// window makes its reading from the current birth details on loading).
class ReportWindow : public TraditionWindow {
    Q_OBJECT
public:
    ReportWindow(AppContext& context, Tradition tradition, const QString& caption);

    void Form_Load() override;
    void Form_Unload() override;
    void cmdSave_Click();
    void cmdPrint_Click();

    ReportView* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;

protected:
    // The row every report window has below its report: Save and Print, then the sponsor
    // labels Label14 and Label1.
    void AddSaveAndPrintRow();
    virtual StyledText BuildReport() = 0;
    // The tradition's own record line beyond the birth details (an afternoon answer).
    virtual std::string RecordAnswer() { return {}; }

    const TraditionDescriptor& descriptor_;
};

}  // namespace oriastra
