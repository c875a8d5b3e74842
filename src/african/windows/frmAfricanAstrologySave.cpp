#include "african/windows/frmAfricanAstrologySave.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "african/logic/AfricanReport.h"
#include "african/logic/AfricanTradition.h"
#include "african/windows/frmAfricanAstrologyDisplay.h"
#include "common/logic/BannerCaptions.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/ReportView.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

frmAfricanAstrologySave::frmAfricanAstrologySave(AppContext& context)
    : ReportWindow(context, kAfricanTradition, tr("Kestrin African Astrology")) {
    setObjectName("frmAfricanAstrologySave");
    Platform& platform = context.platform;
    body_->addWidget(MakeBrandFrame(platform, this));
    // Tall enough to show the whole report of most signs without scrolling.
    RTB->setMinimumHeight(480);
    body_->addWidget(RTB, 1);

    AddSaveAndPrintRow();
}

StyledText frmAfricanAstrologySave::BuildReport() {
    // The report is only opened from the reading window; without one there is no reading yet.
    const auto* display =
        context_.windows.As<frmAfricanAstrologyDisplay>(ReadingOf(kAfricanTradition));
    return BuildAfricanReport(context_.birthDetails,
                              display != nullptr ? display->Reading() : AfricanReading{});
}

}  // namespace oriastra
