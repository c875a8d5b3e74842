#include "indonesian/windows/frmIndonesianAstrologySave.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "common/windows/BrandFrame.h"
#include "common/windows/ReportView.h"
#include "common/windows/WindowRegistry.h"
#include "indonesian/logic/IndonesianReport.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "indonesian/windows/frmIndonesianAstrologyDisplay.h"

namespace oriastra {

frmIndonesianAstrologySave::frmIndonesianAstrologySave(AppContext& context)
    : ReportWindow(context, kIndonesianTradition, tr("Kestrin Indonesian Astrology")) {
    setObjectName("frmIndonesianAstrologySave");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    body_->addWidget(RTB, 1);
    AddSaveAndPrintRow();
}

StyledText frmIndonesianAstrologySave::BuildReport() {
    // Only the reading window opens this one, so it is there to read.
    const auto* display =
        context_.windows.As<frmIndonesianAstrologyDisplay>(ReadingOf(kIndonesianTradition));
    return BuildIndonesianReport(context_.birthDetails,
                                 display != nullptr ? display->Weton() : InitialWetonReading());
}

}  // namespace oriastra
