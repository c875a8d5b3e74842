#include "tibetan/windows/frmTibetanAstrologySave.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/logic/BannerCaptions.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/ReportView.h"
#include "tibetan/logic/TibetanReport.h"
#include "tibetan/logic/TibetanState.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {

frmTibetanAstrologySave::frmTibetanAstrologySave(AppContext& context, TibetanState& state)
    : ReportWindow(context, kTibetanTradition, tr("Kestrin Tibetan Astrology")), state_(state) {
    setObjectName("frmTibetanAstrologySave");
    Platform& platform = context.platform;
    body_->addWidget(MakeFullBrandLabel("Label4", FullBrandCaption(), platform, this));
    body_->addWidget(RTB, 1);

    AddSaveAndPrintRow();
}

StyledText frmTibetanAstrologySave::BuildReport() {
    return BuildTibetanReport(context_.birthDetails, state_.reading);
}

}  // namespace oriastra
