#include "burmese/windows/frmBurmeseAstrologySave.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "burmese/logic/BurmeseReport.h"
#include "burmese/logic/BurmeseState.h"
#include "burmese/logic/BurmeseTradition.h"
#include "burmese/windows/frmBurmeseAstrologyDisplay.h"
#include "burmese/windows/frmBurmeseAstrologyMain.h"
#include "common/logic/BannerCaptions.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/ReportView.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

frmBurmeseAstrologySave::frmBurmeseAstrologySave(AppContext& context, BurmeseState& state)
    : ReportWindow(context, kBurmeseTradition, tr("Kestrin Burmese Astrology")), state_(state) {
    setObjectName("frmBurmeseAstrologySave");
    Platform& platform = context.platform;
    body_->addWidget(MakeBrandFrame(platform, this));
    body_->addWidget(RTB, 1);

    AddSaveAndPrintRow();
}

StyledText frmBurmeseAstrologySave::BuildReport() {
    WindowRegistry& windows = context_.windows;
    const auto* input = windows.As<frmBurmeseAstrologyMain>(InputOf(kBurmeseTradition));
    const auto* display = windows.As<frmBurmeseAstrologyDisplay>(ReadingOf(kBurmeseTradition));
    const BurmeseReportEntries entries =
        input != nullptr ? input->ReportEntries()
                         : EntriesOf(context_.birthDetails, context_.birthDetails.name);
    return BuildBurmeseReport(entries, display != nullptr ? display->Reading()
                                                          : InitialBurmeseReading(),
                              state_.houses);
}

std::string frmBurmeseAstrologySave::RecordAnswer() { return state_.AfternoonAnswer; }

}  // namespace oriastra
