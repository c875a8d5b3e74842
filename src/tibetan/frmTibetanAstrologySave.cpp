#include "tibetan/frmTibetanAstrologySave.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/BannerCaptions.h"
#include "common/BrandFrame.h"
#include "common/ReportView.h"
#include "tibetan/TibetanReport.h"
#include "tibetan/TibetanState.h"

namespace oriastra {

frmTibetanAstrologySave::frmTibetanAstrologySave(AppContext& context, TibetanState& state)
    : ReportWindow(context, Tradition::Tibetan, QStringLiteral("Kestrin Tibetan Astrology")),
      state_(state) {
    setObjectName("frmTibetanAstrologySave");
    Platform& platform = context.platform;
    body_->addWidget(MakeFullBrandLabel("Label4", kFullBrandCaption, platform, this));
    body_->addWidget(RTB, 1);

    AddSaveAndPrintRow();
}

StyledText frmTibetanAstrologySave::BuildReport() {
    return BuildTibetanReport(context_.birthDetails, state_.reading);
}

}  // namespace oriastra
