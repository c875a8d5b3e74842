#include "common/windows/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QUrl>

#include "common/logic/WebPages.h"
#include "common/windows/QtText.h"
#include "common/windows/WindowStyle.h"

namespace oriastra {

QString QtNameFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0) return filter;
    const QString description = filter.left(bar).trimmed();
    const QString pattern = filter.mid(bar + 1).trimmed();
    // Qt reads the pattern from the parentheses; keep the description as written.
    if (description.contains(QLatin1Char('('))) return description;
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

QString MessageDisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString UnusedPdfPath(const QString& folder, const QString& name) {
    QString base = name;
    for (QChar& ch : base) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch.category() == QChar::Other_Control) {
            ch = QLatin1Char(' ');
        }
    }
    base = base.simplified().left(120);
    if (base.isEmpty()) base = QStringLiteral("Report");
    if (base.startsWith(QLatin1Char('.'))) base.prepend(QStringLiteral("Report "));
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy) {
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(copy));
    }
    return path;
}

namespace {
// Room the window frame takes beside a title: its icon and buttons, in logical pixels.
constexpr int kTitleBarControls = 160;
}  // namespace

namespace {

// Where the desktop keeps a program's settings: the user's configuration folder.
std::filesystem::path SettingsPath(const QString& name) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QFile::encodeName(QDir(folder).filePath(name + QLatin1Char('/') + name +
                                                   QStringLiteral(".conf")))
        .toStdString();
}

}  // namespace

QtPlatform::QtPlatform(QString settingsApplication)
    : settings_(SettingsPath(settingsApplication)) {}

QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::MessageBox(const QString& text, MessageButtons buttons,
                                     MessageIcon icon) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(ToQt(kMessageTitle));
    box.setWindowIcon(QApplication::windowIcon());
    box.setStyleSheet(DialogStyle());
    box.setText(MessageDisplayText(text));
    box.setWindowModality(Qt::ApplicationModal);
    switch (icon) {
        case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // Last, as the box lays itself out anew when its buttons change. A short message must not make the box so narrow that the window frame cuts its title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle());
        grid->addItem(new QSpacerItem(titleWidth + kTitleBarControls, 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    const int pressed = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

namespace {

// Qt adds the default extension to every typed name without a dot, so a record named "sarijav",
// which Open accepts, could not be chosen: a name that exists as typed is taken as it is.
class OpenOrSaveDialog : public QFileDialog {
public:
    OpenOrSaveDialog(QWidget* parent, const QString& title, const QString& extension)
        : QFileDialog(parent, title), extension_(extension) {
        setDefaultSuffix(extension);
    }

    void accept() override {
        if (acceptMode() == AcceptOpen) {
            const auto* typed = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            const bool asTyped =
                typed != nullptr && QFileInfo(QDir(directory()).filePath(typed->text())).isFile();
            setDefaultSuffix(asTyped ? QString() : extension_);
        }
        QFileDialog::accept();
    }

private:
    QString extension_;
};

}  // namespace

std::optional<QString> QtPlatform::FileDialog(const FileDialogRequest& request) {
    OpenOrSaveDialog dialog(QApplication::activeWindow(), request.title, request.defaultExtension);
    dialog.setStyleSheet(DialogStyle());
    dialog.setNameFilter(QtNameFilter(request.filter));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (request.kind == FileDialogRequest::Kind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    // Read-only files are refused: ask again until the user picks another or cancels.
    while (dialog.exec() == QDialog::Accepted) {
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty()) return std::nullopt;
        const QFileInfo file(chosen.front());
        if (file.exists() && !file.isWritable()) {
            MessageBox(QStringLiteral("%1\nThis file is read-only. Please choose another file.")
                           .arg(file.fileName()),
                       MessageButtons::Ok, MessageIcon::Information);
            continue;
        }
        return file.filePath();
    }
    return std::nullopt;
}

namespace {

// Keeps the controls it watches switched off, whoever switches them on.
class KeptOff : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::EnabledChange && control != nullptr && control->isEnabled()) {
            control->setEnabled(false);
        }
        return false;
    }
};

// Qt's own dialog offers page ranges on a CUPS desktop even without PrintPageRange (the print
// system could pick the pages), and again whenever a printer that can is chosen.
void KeepPageRangesOff(QPrintDialog& dialog) {
    auto* keeper = new KeptOff(&dialog);
    for (const char* name : {"printRange", "pagesRadioButton"}) {
        if (auto* choice = dialog.findChild<QWidget*>(QLatin1String(name))) {
            choice->setEnabled(false);
            choice->installEventFilter(keeper);
        }
    }
}

}  // namespace

QPrinter* QtPlatform::PrintDialog(bool presetSelection) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), QApplication::activeWindow());
    dialog.setStyleSheet(DialogStyle());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
    if (presetSelection) dialog.setPrintRange(QAbstractPrintDialog::Selection);
    KeepPageRangesOff(dialog);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer_.get();
}

QPrinter* QtPlatform::DefaultPrinter(const QString& jobName, const QString& person) {
    printerIsPdfFile_ = false;
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (!system.isNull()) {
        printer_ = std::make_unique<QPrinter>(system, QPrinter::HighResolution);
    } else {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (documents.isEmpty() || !QDir().mkpath(documents)) return nullptr;
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(UnusedPdfPath(
            documents, person.trimmed().isEmpty() ? jobName : jobName + QStringLiteral(" - ") + person));
        printerIsPdfFile_ = true;
    }
    printer_->setDocName(jobName);
    return printer_->isValid() ? printer_.get() : nullptr;
}

void QtPlatform::PrintingDone(QPrinter* printer) {
    if (printer != printer_.get() || !printerIsPdfFile_) return;
    const QString pdf = printer->outputFileName();
    if (!QFileInfo::exists(pdf) || QDesktopServices::openUrl(QUrl::fromLocalFile(pdf))) return;
    // No viewer to show it: the user must still learn where the print went.
    MessageBox(QStringLiteral("No printer was found, so the report was saved as %1").arg(pdf),
               MessageButtons::Ok, MessageIcon::Information);
}

void QtPlatform::OpenWebPage(const QString& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

QString QtPlatform::Setting(const QString& section, const QString& key) {
    return ToQt(settings_.Value(FromQt(section), FromQt(key)));
}

void QtPlatform::SetSetting(const QString& section, const QString& key, const QString& value) {
    settings_.SetValue(FromQt(section), FromQt(key), FromQt(value));
}

QDate QtPlatform::Today() { return QDate::currentDate(); }

int QtPlatform::ScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 1024;
}

}  // namespace oriastra
