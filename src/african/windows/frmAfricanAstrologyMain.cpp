#include "african/windows/frmAfricanAstrologyMain.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "african/logic/AfricanTradition.h"
#include "african/logic/modAfricanAstrology.h"
#include "african/windows/frmAfricanAstrologyDisplay.h"
#include "common/logic/BannerCaptions.h"
#include "common/logic/BirthDetails.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

frmAfricanAstrologyMain::frmAfricanAstrologyMain(AppContext& context)
    : InputWindow(context, kAfricanTradition, tr("Kestrin African Astrology")) {
    setObjectName("frmAfricanAstrologyMain");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    AddText("Label2",
            tr("Corvane welcomes you all to Kestrin Free African Astrology. The program is one "
               "of the best and most comprehensive online astrological resources for those "
               "interested in exploring the astrological culture and the zodiacs of the African "
               "civilization. The astrological cultures of Africa are something about which not "
               "much is really known about. Kestrin Free African Astrology aims to help you "
               "explore these unknown facets of astrology."));
    AddText("Label3",
            tr("Just input your name and date of birth and generate your African "
               "Astrological Reading!"),
            true);
    body_->addWidget(panel);
    cmdCalculate = AddButton("cmdCalculate", tr("Get My &African Astrology Sign"),
                             tr("Shows your African sign for the details above"),
                             [this] { cmdCalculate_Click(); });
    cmdOpen = AddOpenBeside(cmdCalculate, [this] { cmdOpen_Click(); });
    body_->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(true), context.platform, this));
    AddFileEntry("mnuMayan", tr("Get My &African Astrology Sign"),
                 [this] { cmdCalculate_Click(); });
    AddFileSeparator();
    AddExitAndHelp();
}

void frmAfricanAstrologyMain::cmdCalculate_Click() {
    if (!AcceptBirthDetails()) return;
    FillReadingWindow();
    ShowReadingWindow();
}

void frmAfricanAstrologyMain::cmdOpen_Click() { OpenSavedReading(); }

void frmAfricanAstrologyMain::FillReadingWindow() {
    auto* display = dynamic_cast<frmAfricanAstrologyDisplay*>(
        context_.windows.Load(ReadingOf(kAfricanTradition)));
    if (display == nullptr) return;
    const BirthDetails& details = context_.birthDetails;
    display->ShowReading(CalculateAfricanSign(details.month, details.day));
}

}  // namespace oriastra
