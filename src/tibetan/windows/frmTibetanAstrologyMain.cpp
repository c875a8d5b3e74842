#include "tibetan/windows/frmTibetanAstrologyMain.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "common/logic/BannerCaptions.h"
#include "common/windows/BrandFrame.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {

frmTibetanAstrologyMain::frmTibetanAstrologyMain(AppContext& context)
    : InputWindow(context, kTibetanTradition, tr("Kestrin Tibetan Astrology")) {
    setObjectName("frmTibetanAstrologyMain");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    body_->addWidget(panel);
    cmdCalculate = AddButton("cmdCalculate", tr("Get My Tibetan &Astrology Result"),
                             tr("Shows your Tibetan reading for the details above"),
                             [this] { cmdCalculate_Click(); });
    cmdOpen = AddOpenBeside(cmdCalculate, [this] { cmdOpen_Click(); });
    body_->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(true), context.platform, this));
    AddFileEntry("mnuCalculate", tr("Get My Tibetan &Astrology Result"),
                 [this] { cmdCalculate_Click(); });
    AddFileSeparator("mnuSep3");
    AddExitAndHelp();
}

void frmTibetanAstrologyMain::cmdCalculate_Click() {
    if (!AcceptBirthDetails()) return;
    // The reading window's own load step calculates the reading.
    ShowReadingWindow();
}

void frmTibetanAstrologyMain::cmdOpen_Click() { OpenSavedReading(); }

}  // namespace oriastra
