#include "african/frmAfricanAstrologyMain.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "common/Platform.h"
#include "common/BannerCaptions.h"
#include "common/BrandFrame.h"

namespace oriastra {

frmAfricanAstrologyMain::frmAfricanAstrologyMain(AppContext& context)
    : InputWindow(context, Tradition::African, QStringLiteral("Kestrin African Astrology")) {
    setObjectName("frmAfricanAstrologyMain");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    AddText("Label2",
            QStringLiteral(
                "Corvane welcomes you all to Kestrin Free African Astrology. The program is one "
                "of the best and most comprehensive online astrological resources for those "
                "interested in exploring the astrological culture and the zodiacs of the African "
                "civilization. The astrological cultures of Africa are something about which not "
                "much is really known about. Kestrin Free African Astrology aims to help you "
                "explore these unknown facets of astrology."));
    AddText("Label3",
            QStringLiteral("Just input your name and date of birth and generate your African "
                           "Astrological Reading!"),
            true);
    body_->addWidget(panel);
    cmdCalculate = AddButton("cmdCalculate", QStringLiteral("Get My &African Astrology Sign"),
                             [this] { cmdCalculate_Click(); });
    body_->addWidget(cmdCalculate);
    body_->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(true), context.platform, this));
    AddFileEntry("mnuMayan", QStringLiteral("Get My &African Astrology Sign"),
                 [this] { cmdCalculate_Click(); });
    AddFileSeparator();
    AddExitAndHelp();
}

void frmAfricanAstrologyMain::cmdCalculate_Click() { AcceptBirthDetails(); }

}  // namespace oriastra
