#include "shell/windows/RecordOpener.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include "shell/windows/frmMDI.h"

namespace oriastra {
namespace {

constexpr int kRetryMs = 250;

// The local files a drag carries; none when it carries anything else as well.
QStringList DraggedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() || url.toLocalFile().isEmpty()) return {};
        files << url.toLocalFile();
    }
    return files;
}

}  // namespace

RecordOpener::RecordOpener(QObject* parent) : QObject(parent) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &RecordOpener::OpenWaiting);
}

RecordOpener::~RecordOpener() = default;

void RecordOpener::Serve(frmMDI& mainWindow) {
    mainWindow_ = &mainWindow;
    // Drops land on the deepest control that takes them; a name box would take a file's address
    // as text, so the files are caught before any control of the main window sees them.
    mainWindow.setAcceptDrops(true);
    qApp->installEventFilter(this);
    if (!waiting_.empty()) BringForward();
}

void RecordOpener::Open(const QStringList& paths) {
    if (paths.isEmpty()) return;
    waiting_.insert(waiting_.end(), paths.begin(), paths.end());
    if (mainWindow_ != nullptr) BringForward();
}

void RecordOpener::BringForward() {
    mainWindow_->setWindowState(mainWindow_->windowState() & ~Qt::WindowMinimized);
    mainWindow_->raise();
    mainWindow_->activateWindow();
    retry_.start(0);
}

void RecordOpener::OpenWaiting() {
    // A message shown while a file opens runs the event loop: files that arrive meanwhile join
    // the queue this loop is taking from.
    if (opening_ || mainWindow_ == nullptr) return;
    // Child windows are placed within the main window as the desktop has sized it.
    const QWindow* shown = mainWindow_->windowHandle();
    if (shown == nullptr || !shown->isExposed() || QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        retry_.start(kRetryMs);
        return;
    }
    opening_ = true;
    while (!waiting_.empty()) {
        const QString path = waiting_.front();
        waiting_.pop_front();
        mainWindow_->OpenRecordFile(path);
    }
    opening_ = false;
}

bool RecordOpener::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (mainWindow_ == nullptr || widget == nullptr || widget->window() != mainWindow_)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = DraggedFiles(drop->mimeData());
    // Only ever a copy: a file manager told the files were moved would remove the records.
    if (files.isEmpty() || !(drop->possibleActions() & Qt::CopyAction)) return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) Open(files);
    return true;
}

}  // namespace oriastra
