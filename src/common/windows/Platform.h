#pragma once
#include <QDate>
#include <QString>
#include <optional>

#include "common/logic/MessageKind.h"

class QPrinter;

namespace oriastra {

// One file type, as "description|pattern" (e.g. "Some Astrology (*.xyz)|*.xyz").
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString filter;
    QString defaultExtension;
};

// Everything the windows ask of the desktop. Windows never reach the desktop any other way, so a
// test can script every dialog and see every request.
class Platform {
public:
    virtual ~Platform() = default;

    // Always modal, always titled "Kestrin Oriastra".
    virtual MessageAnswer MessageBox(const QString& text, MessageButtons buttons,
                                     MessageIcon icon) = 0;
    // The chosen path, or nothing when cancelled. A typed name without a dot gets the default
    // extension, unless (on Open) a file of that very name exists. Open: the file must exist and
    // be writable (read-only files are refused). Save: asks before overwriting, the folder must
    // exist.
    virtual std::optional<QString> FileDialog(const FileDialogRequest& request) = 0;
    // A printer chosen in the print dialog (no page numbers; "selection" preset when asked), or
    // nullptr when cancelled. The platform keeps ownership.
    virtual QPrinter* PrintDialog(bool presetSelection) = 0;
    // The default printer for a print job named `jobName` (the report's title) about `person`,
    // or nullptr when there is none. Where the system has no printer at all, a new PDF file in
    // the user's documents folder, named after both, stands for it, so printing is never a
    // silent no-op.
    virtual QPrinter* DefaultPrinter(const QString& jobName, const QString& person) = 0;
    // A job sent to a printer of this platform has ended; a PDF stand-in is then shown, or
    // named in a message when no viewer can be started.
    virtual void PrintingDone(QPrinter* printer) = 0;
    // Hands the address to the browser; the outcome is not examined.
    virtual void OpenWebPage(const QString& address) = 0;

    virtual QString Setting(const QString& section, const QString& key) = 0;
    virtual void SetSetting(const QString& section, const QString& key, const QString& value) = 0;

    virtual QDate Today() = 0;
    // Width of the whole screen in device-independent pixels.
    virtual int ScreenWidth() = 0;
};

}  // namespace oriastra
