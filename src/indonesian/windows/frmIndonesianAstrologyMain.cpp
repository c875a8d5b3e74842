#include "indonesian/windows/frmIndonesianAstrologyMain.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "common/logic/BannerCaptions.h"
#include "common/logic/BirthDetails.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/WindowRegistry.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "indonesian/logic/modJavaneseAstrology.h"
#include "indonesian/windows/frmIndonesianAstrologyDisplay.h"

namespace oriastra {

frmIndonesianAstrologyMain::frmIndonesianAstrologyMain(AppContext& context)
    : InputWindow(context, kIndonesianTradition, tr("Kestrin Indonesian Astrology")) {
    setObjectName("frmIndonesianAstrologyMain");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    AddText("Label2(0)",
            tr("Welcome to Kestrin Free Indonesian Astrology. Kestrin Free Indonesian Astrology "
               "is one of the best and most comprehensive online astrological resource for "
               "those interested in exploring the astrological culture and the zodiacs of the "
               "Indonesian civilization. "));
    AddText("Label2(1)",
            tr("Just input your name and date of birth and generate your Javanese / "
               "Indonesian astrological reading!"),
            true);
    body_->addWidget(panel);
    cmdCalculate = AddButton("cmdCalculate", tr("Find My &Indonesian Birthday (Weton)"),
                             tr("Shows your weton and its reading for the details "
                                "above"),
                             [this] { cmdCalculate_Click(); });
    cmdOpen = AddOpenBeside(cmdCalculate, [this] { cmdOpen_Click(); });
    body_->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(true), context.platform, this));
    AddFileEntry("mnuMayan", tr("Find My &Indonesian Birthday (Weton)"),
                 [this] { cmdCalculate_Click(); });
    AddFileSeparator("mnuSep3");
    AddExitAndHelp();
}

void frmIndonesianAstrologyMain::cmdCalculate_Click() {
    if (!AcceptBirthDetails()) return;
    const BirthDetails& details = context_.birthDetails;
    FindWeton(details.year, details.month, details.day);
    ShowReadingWindow();
}

void frmIndonesianAstrologyMain::cmdOpen_Click() { OpenSavedReading(); }

void frmIndonesianAstrologyMain::FindWeton(std::int16_t year, std::string_view month,
                                           std::int16_t day) {
    auto* display = dynamic_cast<frmIndonesianAstrologyDisplay*>(
        context_.windows.Load(ReadingOf(kIndonesianTradition)));
    if (display == nullptr) return;
    display->ShowWeton(CalculateWeton(year, month, day));
}

}  // namespace oriastra
