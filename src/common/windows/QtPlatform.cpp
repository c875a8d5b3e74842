#include "common/windows/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
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
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QUrl>
#include <functional>

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

// Holds a control switched on or off, as `wanted` says, whoever switches it otherwise; when
// nothing is wanted the control is left alone.
class EnabledHold : public QObject {
public:
    EnabledHold(QWidget& control, std::function<std::optional<bool>()> wanted)
        : QObject(&control), wanted_(std::move(wanted)) {
        control.installEventFilter(this);
        Apply(control);
    }
    void Apply(QWidget& control) {
        const std::optional<bool> wanted = wanted_();
        if (wanted && control.isEnabled() != *wanted) control.setEnabled(*wanted);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::EnabledChange && control != nullptr) Apply(*control);
        return false;
    }

private:
    std::function<std::optional<bool>()> wanted_;
};

// Qt adds the default extension to every typed name without a dot and greys Open for a name its
// file type hides, so a record named "sarijav", which Open accepts, could not be chosen: a name
// that exists as typed is taken as it is.
class FileChooser : public QFileDialog {
public:
    FileChooser(QWidget* parent, const FileDialogRequest& request)
        : QFileDialog(parent, request.title), extension_(request.defaultExtension) {
        setNameFilter(QtNameFilter(request.filter));
        setDefaultSuffix(extension_);
        setOption(QFileDialog::ReadOnly, false);
        if (request.kind == FileDialogRequest::Kind::Save) {
            setAcceptMode(AcceptSave);
            setFileMode(AnyFile);
            return;
        }
        setAcceptMode(AcceptOpen);
        setFileMode(ExistingFile);
        typed_ = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const auto* buttons = findChild<QDialogButtonBox*>();
        QPushButton* open = buttons != nullptr ? buttons->button(QDialogButtonBox::Open) : nullptr;
        if (typed_ == nullptr || open == nullptr) return;  // the desktop's own dialog
        auto* hold = new EnabledHold(*open, [this]() -> std::optional<bool> {
            if (TypedFileExists()) return true;
            return std::nullopt;
        });
        // After Qt's own check of the name, which may leave the button greyed as it was.
        connect(typed_, &QLineEdit::textChanged, hold, [hold, open] { hold->Apply(*open); });
    }

    void accept() override {
        if (typed_ != nullptr) setDefaultSuffix(TypedFileExists() ? QString() : extension_);
        QFileDialog::accept();
    }

private:
    bool TypedFileExists() const {
        return !typed_->text().isEmpty() &&
               QFileInfo(directory().filePath(typed_->text())).isFile();
    }

    QString extension_;
    QLineEdit* typed_ = nullptr;
};

}  // namespace

std::optional<QString> QtPlatform::FileDialog(const FileDialogRequest& request) {
    FileChooser dialog(QApplication::activeWindow(), request);
    dialog.setStyleSheet(DialogStyle());
    // Read-only files are refused: ask again until the user picks another or cancels.
    while (dialog.exec() == QDialog::Accepted) {
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty()) return std::nullopt;
        const QFileInfo file(chosen.front());
        if (file.exists() && !file.isWritable()) {
            MessageBox(QCoreApplication::translate(
                           "QtPlatform", "%1\nThis file is read-only. Please choose another file.")
                           .arg(file.fileName()),
                       MessageButtons::Ok, MessageIcon::Information);
            continue;
        }
        return file.filePath();
    }
    return std::nullopt;
}

namespace {

// Qt's own dialog offers page ranges on a CUPS desktop even without PrintPageRange (the print
// system could pick the pages), and again whenever a printer that can is chosen.
void KeepPageRangesOff(QPrintDialog& dialog) {
    for (const char* name : {"printRange", "pagesRadioButton"}) {
        if (auto* choice = dialog.findChild<QWidget*>(QLatin1String(name))) {
            new EnabledHold(*choice, [] { return std::optional<bool>(false); });
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
    MessageBox(QCoreApplication::translate("QtPlatform",
                                           "No printer was found, so the report was saved as %1")
                   .arg(pdf),
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
