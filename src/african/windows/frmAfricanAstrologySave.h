#pragma once
#include "common/windows/ReportWindow.h"

namespace oriastra {

// The African report: shows and prints the reading the reading window holds, and saves the
// birth details behind it as an ".afa" record.
class frmAfricanAstrologySave : public ReportWindow {
    Q_OBJECT
public:
    explicit frmAfricanAstrologySave(AppContext& context);

protected:
    StyledText BuildReport() override;
};

}  // namespace oriastra
