#include "tibetan/frmTibetanAstrologySave.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "common/Platform.h"
#include "common/ProgramState.h"
#include "common/RecordFile.h"
#include "common/ReportView.h"
#include "common/WindowRegistry.h"
#include "shell/BannerCaptions.h"
#include "shell/BrandFrame.h"
#include "shell/WebPages.h"
#include "shell/modHelp.h"
#include "tibetan/TibetanRecord.h"
#include "tibetan/TibetanReport.h"

namespace oriastra {

frmTibetanAstrologySave::frmTibetanAstrologySave(AppContext& context)
    : TraditionWindow(context, WindowId::TibetanSave, QStringLiteral("Kestrin Tibetan Astrology"),
                      false) {
    setObjectName("frmTibetanAstrologySave");
    Platform& platform = context.platform;
    auto* label4 = new BannerLabel("Label4", kFullBrandCaption,
                                   [&platform] { OpenFullBrandPage(platform); }, this);
    label4->setProperty("sponsor", true);
    body_->addWidget(label4);

    RTB = new QTextEdit(this);
    RTB->setObjectName("RTB");
    RTB->setAcceptRichText(false);
    RTB->setMinimumSize(560, 380);
    UseReportFont(*RTB);
    body_->addWidget(RTB, 1);

    auto* row = new QHBoxLayout;
    cmdSave = AddButton("cmdSave", QStringLiteral("&Save"), [this] { cmdSave_Click(); });
    cmdPrint = AddButton("cmdPrint", QStringLiteral("&Print"), [this] { cmdPrint_Click(); });
    row->addWidget(cmdSave);
    row->addWidget(cmdPrint);
    row->addSpacing(12);
    auto* sponsors = new QVBoxLayout;
    sponsors->addWidget(MakeSponsorLabel("Label14", kForumShortCaption, platform, this));
    sponsors->addWidget(MakeSponsorLabel("Label1", ClickToVisitCaption(), platform, this));
    row->addLayout(sponsors, 1);
    body_->addLayout(row);
}

void frmTibetanAstrologySave::Form_Load() {
    PlaceAtTopCentre();
    const ProgramState& state = context_.state;
    ShowStyledText(*RTB, BuildTibetanReport(state.birthDetails, state.tibetanReading));
}

void frmTibetanAstrologySave::Form_Unload() { context_.windows.Show(WindowId::TibetanDisplay); }

void frmTibetanAstrologySave::cmdSave_Click() {
    const auto path = context_.platform.FileDialog({FileDialogRequest::Kind::Save,
                                                    QString::fromUtf8(kMessageTitle.data(),
                                                                      kMessageTitle.size()),
                                                    QStringLiteral("Rich Text Format | *.tib"),
                                                    QStringLiteral("tib")});
    if (!path) return;
    WriteRecordFile(QFile::encodeName(*path).toStdString(),
                    TibetanRecordValues(context_.state.birthDetails));
}

void frmTibetanAstrologySave::cmdPrint_Click() {
    PrintWholeReport(*RTB, context_.platform.DefaultPrinter());
}

}  // namespace oriastra
