#pragma once
#include "common/windows/ReportWindow.h"

namespace oriastra {

// The Indonesian report: the weton the reading window shows at the moment of opening, printed
// on the default printer and saved as a ".jav" record of the birth details behind it.
class frmIndonesianAstrologySave : public ReportWindow {
    Q_OBJECT
public:
    explicit frmIndonesianAstrologySave(AppContext& context);

protected:
    StyledText BuildReport() override;
};

}  // namespace oriastra
