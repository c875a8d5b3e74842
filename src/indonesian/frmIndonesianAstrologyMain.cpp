#include "indonesian/frmIndonesianAstrologyMain.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "common/Platform.h"
#include "common/BannerCaptions.h"
#include "common/BrandFrame.h"

namespace oriastra {

frmIndonesianAstrologyMain::frmIndonesianAstrologyMain(AppContext& context)
    : InputWindow(context, Tradition::Indonesian, QStringLiteral("Kestrin Indonesian Astrology")) {
    setObjectName("frmIndonesianAstrologyMain");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    AddText("Label2(0)",
            QStringLiteral(
                "Welcome to Kestrin Free Indonesian Astrology. Kestrin Free Indonesian Astrology "
                "is one of the best and most comprehensive online astrological resource for "
                "those interested in exploring the astrological culture and the zodiacs of the "
                "Indonesian civilization. "));
    AddText("Label2(1)",
            QStringLiteral("Just input your name and date of birth and generate your Javanese / "
                           "Indonesian astrological reading!"),
            true);
    body_->addWidget(panel);
    cmdCalculate = AddButton("cmdCalculate", QStringLiteral("Find My &Indonesian Birthday (Weton)"),
                             [this] { cmdCalculate_Click(); });
    body_->addWidget(cmdCalculate);
    body_->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(true), context.platform, this));
    AddFileEntry("mnuMayan", QStringLiteral("Find My &Indonesian Birthday (Weton)"),
                 [this] { cmdCalculate_Click(); });
    AddFileSeparator("mnuSep3");
    AddExitAndHelp();
}

void frmIndonesianAstrologyMain::cmdCalculate_Click() { AcceptBirthDetails(); }

}  // namespace oriastra
