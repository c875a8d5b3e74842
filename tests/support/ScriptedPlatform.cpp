#include "ScriptedPlatform.h"

#include <QPrinter>

namespace oriastra {

ScriptedPlatform::ScriptedPlatform() = default;
ScriptedPlatform::~ScriptedPlatform() = default;

MessageAnswer ScriptedPlatform::MessageBox(const QString& text, MessageButtons buttons,
                                           MessageIcon icon) {
    messages.push_back({text, buttons, icon});
    if (onMessage) onMessage(messages.back());
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::FileDialog(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (onDialog) onDialog(request);
    if (chosenPaths.empty()) return std::nullopt;
    // Taken apart rather than moved whole: GCC 12 sees a moved optional<QString> as unset.
    const bool chosen = chosenPaths.front().has_value();
    const QString path = chosenPaths.front().value_or(QString());
    chosenPaths.pop_front();
    if (!chosen) return std::nullopt;
    return path;
}

QPrinter* ScriptedPlatform::MakePrinter() {
    if (printerPdf.isEmpty()) return nullptr;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(printerPdf);
    return printer_.get();
}

QPrinter* ScriptedPlatform::PrintDialog(bool presetSelection) {
    printDialogs.push_back(presetSelection);
    if (cancelPrintDialog) return nullptr;
    QPrinter* printer = MakePrinter();
    // The user accepts the dialog as it was preset.
    if (printer != nullptr) {
        printer->setPrintRange(presetSelection ? QPrinter::Selection : QPrinter::AllPages);
    }
    return printer;
}

QPrinter* ScriptedPlatform::DefaultPrinter(const QString& jobName, const QString& person) {
    ++defaultPrinterRequests;
    (void)person;
    QPrinter* printer = MakePrinter();
    if (printer != nullptr) printer->setDocName(jobName);
    return printer;
}

void ScriptedPlatform::PrintingDone(QPrinter* printer) { printJobs.push_back(printer->docName()); }

void ScriptedPlatform::OpenWebPage(const QString& address) { openedPages.push_back(address); }

QString ScriptedPlatform::Setting(const QString& section, const QString& key) {
    return settings.value(section + QLatin1Char('/') + key);
}

void ScriptedPlatform::SetSetting(const QString& section, const QString& key,
                                  const QString& value) {
    settings.insert(section + QLatin1Char('/') + key, value);
}

QStringList ScriptedPlatform::MessageTexts() const {
    QStringList texts;
    for (const Message& message : messages) texts.push_back(message.text);
    return texts;
}

}  // namespace oriastra
