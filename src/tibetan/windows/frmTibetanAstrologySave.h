#pragma once
#include "common/windows/ReportWindow.h"

namespace oriastra {

struct TibetanState;

// The Tibetan report: shows, prints, and saves the birth details behind it as a ".tib" record.
// It reads the Tibetan reading fields, not the reading window.
class frmTibetanAstrologySave : public ReportWindow {
    Q_OBJECT
public:
    frmTibetanAstrologySave(AppContext& context, TibetanState& state);

protected:
    StyledText BuildReport() override;

private:
    TibetanState& state_;
};

}  // namespace oriastra
