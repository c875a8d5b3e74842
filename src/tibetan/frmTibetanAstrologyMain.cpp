#include "tibetan/frmTibetanAstrologyMain.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <QFile>

#include "common/Platform.h"
#include "common/QtText.h"
#include "common/RecordFile.h"
#include "common/WindowRegistry.h"
#include "tibetan/TibetanRecord.h"
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
    cmdOpen = AddButton("cmdOpen", QStringLiteral("&Open Previously Saved Reading"),
                        [this] { cmdOpen_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalculate, 1);
    buttons->addWidget(cmdOpen, 1);
    body_->addLayout(buttons);
    body_->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(true), context.platform, this));
    AddFileEntry("mnuCalculate", QStringLiteral("Get My Tibetan &Astrology Result"),
                 [this] { cmdCalculate_Click(); });
    AddFileSeparator("mnuSep3");
    AddExitAndHelp();
}

void frmTibetanAstrologyMain::cmdCalculate_Click() {
    if (!AcceptBirthDetails()) return;
    // An open reading window (brought back by its report) only comes to the front.
    context_.windows.Show(WindowId::TibetanDisplay);
    context_.windows.Hide(WindowId::TibetanMain);
    context_.welcome.SetWelcomePanelVisible(false);
}

void frmTibetanAstrologyMain::cmdOpen_Click() {
    const auto path = context_.platform.FileDialog(
        {FileDialogRequest::Kind::Open, QStringLiteral("Select the source file"),
         QStringLiteral("Tibetan Astrology (*.tib)|*.tib"), QStringLiteral("tib")});
    if (!path) return;
    if (!HasRecordExtension(FromQt(*path), kTibetanExtension)) {
        context_.platform.MessageBox(ToQt(kMessageCheckFile), MessageButtons::Ok,
                                     MessageIcon::Error);
        return;
    }
    const TibetanRecordEntries entries = TibetanEntriesFromRecord(
        ReadRecordFile(QFile::encodeName(*path).toStdString(), kTibetanRecordLines));
    panel->SetName(ToQt(entries.name));
    panel->SetSex(entries.male);
    panel->SelectDay(ToQt(entries.day));
    panel->SelectMonth(ToQt(entries.month));
    panel->SelectYear(ToQt(entries.year));
    cmdCalculate_Click();
}

}  // namespace oriastra
