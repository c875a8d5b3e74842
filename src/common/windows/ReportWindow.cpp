#include "common/windows/ReportWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/logic/BannerCaptions.h"
#include "common/logic/BirthDetails.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RecordLayout.h"
#include "common/windows/AccessibleText.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/Platform.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportView.h"
#include "common/windows/Translations.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

ReportWindow::ReportWindow(AppContext& context, Tradition tradition, const QString& caption)
    : TraditionWindow(context, ReportOf(tradition), caption, false),
      descriptor_(Describe(tradition)) {
    setAccessibleDescription(tr("Your %1 report, to save or print")
                                 .arg(TranslatedQt("Traditions", descriptor_.selector.caption)));
    RTB = new ReportView(context.platform, this);
    RTB->setMinimumSize(560, 380);
    SetAccessibleText(*RTB, tr("Report"), tr("Your reading, laid out for printing"));
    cmdSave = AddButton("cmdSave", tr("&Save"),
                        tr("Saves your birth details to a file, to open the reading "
                           "again later"),
                        [this] { cmdSave_Click(); });
    cmdPrint =
        AddButton("cmdPrint", tr("&Print"), tr("Prints the report"), [this] { cmdPrint_Click(); });
}

void ReportWindow::AddSaveAndPrintRow() {
    Platform& platform = context_.platform;
    auto* row = new QHBoxLayout;
    row->addWidget(cmdSave);
    row->addWidget(cmdPrint);
    row->addSpacing(12);
    auto* sponsors = new QVBoxLayout;
    sponsors->addWidget(MakeSponsorLabel("Label14", ForumShortCaption(), platform, this));
    sponsors->addWidget(MakeSponsorLabel("Label1", ClickToVisitCaption(), platform, this));
    row->addLayout(sponsors, 1);
    body_->addLayout(row);
}

void ReportWindow::Form_Load() {
    if (descriptor_.report.links) RTB->EnableReportLinks();
    PlaceAtTopCentre();
    RTB->ShowRuns(BuildReport());
}

void ReportWindow::Form_Unload() {
    RTB->DisableReportLinks();
    context_.windows.Show(ReadingOf(descriptor_));
}

void ReportWindow::cmdSave_Click() {
    const auto path = context_.platform.FileDialog(
        {FileDialogRequest::Kind::Save, TranslatedQt("Traditions", descriptor_.dialogs.saveTitle),
         TranslatedQt("Traditions", descriptor_.dialogs.saveFilter), ToQt(descriptor_.extension)});
    if (!path || path->isEmpty()) return;
    // Written from the stored details, never from the report's text.
    WriteRecordFile(QFile::encodeName(*path).toStdString(),
                    RecordValues(descriptor_.record, context_.birthDetails, RecordAnswer()));
}

void ReportWindow::cmdPrint_Click() {
    Platform& platform = context_.platform;
    QPrinter* printer = nullptr;
    bool selectionOnly = false;
    if (descriptor_.report.printing == ReportPrinting::PrintDialog) {
        printer = platform.PrintDialog(RTB->HasSelection());
        if (printer == nullptr) return;
        printer->setDocName(windowTitle());
        selectionOnly = printer->printRange() == QPrinter::Selection;
    } else {
        QTextCursor caret = RTB->textCursor();
        caret.clearSelection();
        RTB->setTextCursor(caret);
        printer = platform.DefaultPrinter(windowTitle(), ToQt(context_.birthDetails.name));
        if (printer == nullptr) return;
    }
    RTB->PrintTo(printer, selectionOnly);
    platform.PrintingDone(printer);
}

}  // namespace oriastra
