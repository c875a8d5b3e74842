#include "burmese/windows/frmBurmeseAstrologyMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "burmese/logic/BurmeseState.h"
#include "burmese/logic/BurmeseTradition.h"
#include "burmese/logic/modEnglishCalender.h"
#include "burmese/windows/frmBurmeseAstrologyDisplay.h"
#include "common/logic/BannerCaptions.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/Platform.h"
#include "common/windows/QtText.h"
#include "common/windows/Translations.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

frmBurmeseAstrologyMain::frmBurmeseAstrologyMain(AppContext& context, BurmeseState& state)
    : InputWindow(context, kBurmeseTradition, tr("Kestrin Burmese Astrology")), state_(state) {
    setObjectName("frmBurmeseAstrologyMain");
    // This window numbers its "Date of Birth" label 2.
    panel->dateLabel->setObjectName("Label1(2)");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    AddText("Label3",
            tr("Kestrin Burmese Astrology is an unique zodiac interpretation software which "
               "helps you to find your Burmese day sign based on your date of birth. Know More "
               "about your day sign, the planet that rules your day and your animal sign."));
    AddText("Label4", tr("Just input your name and date of birth and get a Reading Now!"), true);
    body_->addWidget(panel);
    cmdGenerateChart = AddButton("cmdGenerateChart", tr("Get My &Burmese Astrology Chart"),
                                 tr("Shows your Burmese chart and its interpretation "
                                    "for the details above"),
                                 [this] { cmdGenerateChart_Click(); });
    body_->addWidget(cmdGenerateChart);
    cmdOpen = AddButton("cmdOpen", tr("Click Here To Open Previously Saved Burmese Interpretation"),
                        OpenDescription(), [this] { cmdOpen_Click(); });
    body_->addWidget(cmdOpen);
    body_->addWidget(MakeSponsorLabel("Label61", DiscussionBoardCaption(), context.platform, this));
    AddFileEntry("mnuBurmeseAstrologyChart", tr("Get My &Burmese Astrology Chart"),
                 [this] { cmdGenerateChart_Click(); });
    AddFileEntry("mnuOpenPreviouslySavedRecord", tr("Open Previously Saved Burmese Interpretation"),
                 [this] { cmdOpen_Click(); });
    AddExitAndHelp(QString(), QStringLiteral("mnumakemoney"));
}

void frmBurmeseAstrologyMain::cmdGenerateChart_Click() {
    // The record's mark covers this one generation, however it ends.
    const bool fromRecord = std::exchange(state_.OpenedFromRecord, false);
    if (!AcceptBirthDetails()) return;
    const BirthDetails& details = context_.birthDetails;
    FindBirthWeekday(details.year, details.month, details.day, state_.BirthWeekday);
    LoadHouseTexts(state_.houses);
    if (state_.BirthWeekday == kWednesday && !fromRecord) {
        const MessageAnswer answer = context_.platform.MessageBox(
            TranslatedQt("Messages", kAfternoonQuestion), MessageButtons::YesNo, MessageIcon::None);
        state_.AfternoonAnswer = answer == MessageAnswer::Yes ? kAfternoonYes : kAfternoonNo;
    }
    // A chart window still open keeps the captions no row replaces.
    auto* display = dynamic_cast<frmBurmeseAstrologyDisplay*>(
        context_.windows.Load(ReadingOf(kBurmeseTradition)));
    if (display != nullptr) display->WriteChart();
    ShowReadingWindow();
}

void frmBurmeseAstrologyMain::cmdOpen_Click() { OpenSavedReading(); }

void frmBurmeseAstrologyMain::RecordOpened(const RecordEntries& record) {
    state_.AfternoonAnswer = record.answer.value_or("");
    state_.OpenedFromRecord = true;
}

BurmeseReportEntries frmBurmeseAstrologyMain::ReportEntries() const {
    return {FromQt(panel->txtName->text()), FromQt(panel->cboMonth->currentText()),
            FromQt(panel->cboDate->currentText()), FromQt(panel->cboYear->currentText())};
}

}  // namespace oriastra
