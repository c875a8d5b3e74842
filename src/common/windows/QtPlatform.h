#pragma once
#include <QString>
#include <memory>

#include "common/logic/SettingsFile.h"
#include "common/windows/Platform.h"

class QPrinter;

namespace oriastra {

// The desktop as Qt offers it.
class QtPlatform : public Platform {
public:
    // settingsApplication: names the settings file, <config>/<name>/<name>.conf (the
    // executable's name).
    explicit QtPlatform(QString settingsApplication);
    ~QtPlatform() override;

    MessageAnswer MessageBox(const QString& text, MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<QString> FileDialog(const FileDialogRequest& request) override;
    QPrinter* PrintDialog(bool presetSelection) override;
    QPrinter* DefaultPrinter(const QString& jobName, const QString& person) override;
    void PrintingDone(QPrinter* printer) override;
    void OpenWebPage(const QString& address) override;
    QString Setting(const QString& section, const QString& key) override;
    void SetSetting(const QString& section, const QString& key, const QString& value) override;
    QDate Today() override;
    int ScreenWidth() override;

private:
    SettingsFile settings_;
    std::unique_ptr<QPrinter> printer_;
    bool printerIsPdfFile_ = false;
};

// "Some Astrology (*.xyz)|*.xyz" as a Qt name filter.
QString QtNameFilter(const QString& filter);
// A message text as a label shows it: a lone carriage return breaks the line.
QString MessageDisplayText(const QString& text);
// A path in `folder` for "<name>.pdf" that names no existing file: "<name> (2).pdf" and so on.
// Characters a file name cannot hold become spaces.
QString UnusedPdfPath(const QString& folder, const QString& name);

}  // namespace oriastra
