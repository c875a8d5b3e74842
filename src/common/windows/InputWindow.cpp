#include "common/windows/InputWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QLabel>
#include <QVBoxLayout>

#include "common/logic/BirthDetails.h"
#include "common/logic/RecordFile.h"
#include "common/windows/PlainLabel.h"
#include "common/windows/Platform.h"
#include "common/windows/QtText.h"
#include "common/windows/Translations.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

InputWindow::InputWindow(AppContext& context, Tradition tradition, const QString& caption)
    : TraditionWindow(context, InputOf(tradition), caption, true),
      descriptor_(Describe(tradition)) {
    setAccessibleDescription(tr("Birth details for your %1 reading")
                                 .arg(TranslatedQt("Traditions", descriptor_.selector.caption)));
    panel = new BirthDetailsPanel(descriptor_.panel, context.platform, this);
}

void InputWindow::Form_Load() {
    panel->FillLists(fillOrder_);
    PlaceAtTopCentre();
}

void InputWindow::Form_Unload() { context_.welcome.SetWelcomePanelVisible(true); }

bool InputWindow::AcceptBirthDetails() {
    if (!panel->Validate()) return false;
    context_.birthDetails = panel->Store();
    return true;
}

void InputWindow::ShowReadingWindow() {
    // An open reading window (brought back by its report) only comes to the front.
    context_.windows.Show(ReadingOf(descriptor_));
    context_.windows.Hide(Id());
    context_.welcome.SetWelcomePanelVisible(false);
}

void InputWindow::OpenSavedReading() {
    const auto path = context_.platform.FileDialog(
        {FileDialogRequest::Kind::Open, tr("Select the source file"),
         TranslatedQt("Traditions", descriptor_.dialogs.openFilter), ToQt(descriptor_.extension)});
    if (!path || path->isEmpty()) return;
    OpenRecord(*path);
}

void InputWindow::OpenRecord(const QString& path) {
    if (!HasRecordExtension(FromQt(path), descriptor_.extension)) {
        context_.platform.MessageBox(TranslatedQt("Messages", kMessageCheckFile),
                                     MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    const RecordLayout& layout = descriptor_.record;
    const RecordEntries record = ReadRecordEntries(
        layout, ReadRecordFile(QFile::encodeName(path).toStdString(), RecordLinesToRead(layout)));
    PanelEntries entries = panel->Entries();
    FillPanelFromTexts(descriptor_.panel, record.panel, entries);
    panel->SetEntries(entries);
    RecordOpened(record);
    Calculate();
}

QWidget* InputWindow::AddText(const char* name, const QString& text, bool emphasised) {
    QLabel* label = PlainLabel(QString::fromLatin1(name), text, this);
    label->setWordWrap(true);
    if (emphasised) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setProperty("instruction", true);
    }
    body_->addWidget(label);
    return label;
}

QPushButton* InputWindow::AddOpenBeside(QPushButton* calculate, std::function<void()> open) {
    QPushButton* openButton = AddButton("cmdOpen", tr("&Open Previously Saved Reading"),
                                        OpenDescription(), std::move(open));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate, 1);
    buttons->addWidget(openButton, 1);
    body_->addLayout(buttons);
    return openButton;
}

}  // namespace oriastra
