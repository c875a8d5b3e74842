#include "burmese/frmBurmeseAstrologyMain.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Platform.h"
#include "common/BannerCaptions.h"
#include "common/BrandFrame.h"

namespace oriastra {

frmBurmeseAstrologyMain::frmBurmeseAstrologyMain(AppContext& context)
    : InputWindow(context, Tradition::Burmese, QStringLiteral("Kestrin Burmese Astrology")) {
    setObjectName("frmBurmeseAstrologyMain");
    // This window numbers its "Date of Birth" label 2.
    panel->dateLabel->setObjectName("Label1(2)");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    AddText("Label3",
            QStringLiteral(
                "Kestrin Burmese Astrology is an unique zodiac interpretation software which "
                "helps you to find your Burmese day sign based on your date of birth. Know More "
                "about your day sign, the planet that rules your day and your animal sign."));
    AddText("Label4",
            QStringLiteral("Just input your name and date of birth and get a Reading Now!"), true);
    body_->addWidget(panel);
    cmdGenerateChart = AddButton("cmdGenerateChart", QStringLiteral("Get My &Burmese Astrology Chart"),
                                 [this] { cmdGenerateChart_Click(); });
    body_->addWidget(cmdGenerateChart);
    body_->addWidget(MakeSponsorLabel("Label61", DiscussionBoardCaption(), context.platform, this));
    AddFileEntry("mnuBurmeseAstrologyChart", QStringLiteral("Get My &Burmese Astrology Chart"),
                 [this] { cmdGenerateChart_Click(); });
    AddExitAndHelp(QString(), QStringLiteral("mnumakemoney"));
}

void frmBurmeseAstrologyMain::cmdGenerateChart_Click() { AcceptBirthDetails(); }

}  // namespace oriastra
