#include "african/frmAfricanAstrologySave.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "african/AfricanReport.h"
#include "african/frmAfricanAstrologyDisplay.h"
#include "common/BannerCaptions.h"
#include "common/BrandFrame.h"
#include "common/ReportView.h"
#include "common/WindowRegistry.h"

namespace oriastra {

frmAfricanAstrologySave::frmAfricanAstrologySave(AppContext& context)
    : ReportWindow(context, Tradition::African, QStringLiteral("Kestrin African Astrology")) {
    setObjectName("frmAfricanAstrologySave");
    Platform& platform = context.platform;
    body_->addWidget(MakeBrandFrame(platform, this));
    // Tall enough to show the whole report of most signs without scrolling.
    RTB->setMinimumHeight(480);
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

StyledText frmAfricanAstrologySave::BuildReport() {
    // The report is only opened from the reading window; without one there is no reading yet.
    const auto* display =
        context_.windows.As<frmAfricanAstrologyDisplay>(ReadingOf(Tradition::African));
    return BuildAfricanReport(context_.birthDetails,
                              display != nullptr ? display->Reading() : AfricanReading{});
}

}  // namespace oriastra
