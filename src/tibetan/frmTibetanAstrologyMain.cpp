#include "tibetan/frmTibetanAstrologyMain.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Platform.h"
#include "shell/BannerCaptions.h"
#include "shell/BrandFrame.h"

namespace oriastra {

frmTibetanAstrologyMain::frmTibetanAstrologyMain(AppContext& context)
    : InputWindow(context, WindowId::TibetanMain, Tradition::Tibetan,
                  QStringLiteral("Kestrin Tibetan Astrology")) {
    setObjectName("frmTibetanAstrologyMain");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    body_->addWidget(panel);
    cmdCalculate = AddButton("cmdCalculate", QStringLiteral("Get My Tibetan &Astrology Result"),
                             [this] { cmdCalculate_Click(); });
    body_->addWidget(cmdCalculate);
    body_->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(true), context.platform, this));
    AddFileEntry("mnuCalculate", QStringLiteral("Get My Tibetan &Astrology Result"),
                 [this] { cmdCalculate_Click(); });
    AddFileSeparator("mnuSep3");
    AddExitAndHelp();
}

void frmTibetanAstrologyMain::cmdCalculate_Click() { AcceptBirthDetails(); }

}  // namespace oriastra
