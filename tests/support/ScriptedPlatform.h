#pragma once
#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/windows/Platform.h"

namespace oriastra {

// A desktop for tests: every request is recorded and every answer comes from a queue, so a
// whole user journey runs headless and its dialogs can be checked.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    ScriptedPlatform();
    ~ScriptedPlatform() override;

    MessageAnswer MessageBox(const QString& text, MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<QString> FileDialog(const FileDialogRequest& request) override;
    QPrinter* PrintDialog(bool presetSelection) override;
    QPrinter* DefaultPrinter(const QString& jobName, const QString& person) override;
    void PrintingDone(QPrinter* printer) override;
    void OpenWebPage(const QString& address) override;
    QString Setting(const QString& section, const QString& key) override;
    void SetSetting(const QString& section, const QString& key, const QString& value) override;
    QDate Today() override { return today; }
    int ScreenWidth() override { return screenWidth; }

    // Answers, used in order. An empty answer queue says Ok / No; an empty path queue cancels.
    std::deque<MessageAnswer> answers;
    // Called as each message is asked, before it is answered.
    std::function<void(const Message&)> onMessage;
    std::deque<std::optional<QString>> chosenPaths;
    // Called as each file dialog opens, before it is answered, so a test can choose then.
    std::function<void(const FileDialogRequest&)> onDialog;
    // The "printer": a PDF file the print goes to; empty means there is no printer.
    QString printerPdf;
    bool cancelPrintDialog = false;
    QDate today = QDate(2026, 12, 9);
    int screenWidth = 1280;
    QMap<QString, QString> settings;  // "section/key"

    // What was asked.
    std::vector<Message> messages;
    std::vector<FileDialogRequest> dialogs;
    std::vector<bool> printDialogs;  // the selection preset of each print dialog
    int defaultPrinterRequests = 0;
    QStringList printJobs;  // the document name of every job that was printed
    QStringList openedPages;

    QStringList MessageTexts() const;

private:
    std::unique_ptr<QPrinter> printer_;
    QPrinter* MakePrinter();
};

}  // namespace oriastra
