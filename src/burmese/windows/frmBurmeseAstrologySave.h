#pragma once
#include "common/windows/ReportWindow.h"

namespace oriastra {

struct BurmeseState;

// The Burmese report: the reading the chart window shows with the input window's entries, web
// addresses as live links; Print through the print dialog, Save as a ".bur" record.
class frmBurmeseAstrologySave : public ReportWindow {
    Q_OBJECT
public:
    frmBurmeseAstrologySave(AppContext& context, BurmeseState& state);

protected:
    StyledText BuildReport() override;
    std::string RecordAnswer() override;

private:
    BurmeseState& state_;
};

}  // namespace oriastra
