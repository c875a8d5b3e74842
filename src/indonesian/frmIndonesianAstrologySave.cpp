#include "indonesian/frmIndonesianAstrologySave.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/BannerCaptions.h"
#include "common/BrandFrame.h"
#include "common/ReportView.h"
#include "common/WindowRegistry.h"
#include "indonesian/IndonesianReport.h"
#include "indonesian/frmIndonesianAstrologyDisplay.h"

namespace oriastra {

frmIndonesianAstrologySave::frmIndonesianAstrologySave(AppContext& context)
    : ReportWindow(context, Tradition::Indonesian, QStringLiteral("Kestrin Indonesian Astrology")) {
    setObjectName("frmIndonesianAstrologySave");
    Platform& platform = context.platform;
    body_->addWidget(MakeBrandFrame(platform, this));
    body_->addWidget(RTB, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(cmdSave);
    row->addWidget(cmdPrint);
    row->addSpacing(12);
    auto* sponsors = new QVBoxLayout;
    sponsors->addWidget(MakeSponsorLabel("Label14", kForumShortCaption, platform, this));
    sponsors->addWidget(MakeSponsorLabel("Label1", ClickToVisitCaption(), platform, this));
    row->addLayout(sponsors, 1);
    body_->addLayout(row);
}

StyledText frmIndonesianAstrologySave::BuildReport() {
    // Only the reading window opens this one; without it the weton is what a fresh one shows.
    const auto* display =
        context_.windows.As<frmIndonesianAstrologyDisplay>(ReadingOf(Tradition::Indonesian));
    return BuildIndonesianReport(context_.birthDetails,
                                 display != nullptr ? display->Weton() : InitialWetonReading());
}

}  // namespace oriastra
