#include "shell/windows/HandOverServer.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <optional>

#include "shell/logic/HandOverMessage.h"

namespace oriastra {
namespace {

constexpr int kSenderPatienceMs = 5000;
// How long a new copy waits for the running one, which may itself be starting.
constexpr std::chrono::milliseconds kHandOverPatience{3000};

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

HandOverServer::HandOverServer(QObject* parent) : QObject(parent) {}

HandOverServer::~HandOverServer() = default;

bool HandOverServer::Listen(const std::filesystem::path& socket) {
    if (!listener_.Listen(socket)) return false;
    notifier_ = new QSocketNotifier(listener_.Descriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &HandOverServer::AcceptWaiting);
    return true;
}

void HandOverServer::AcceptWaiting() {
    for (FileDescriptor connection = listener_.Accept(); connection.IsOpen();
         connection = listener_.Accept()) {
        Follow(std::make_unique<HandOverReceipt>(std::move(connection)));
    }
}

// Each sender is read whenever it has written, until its message is taken or refused or its
// time is up; its connection closes with the notifier that follows it.
void HandOverServer::Follow(std::unique_ptr<HandOverReceipt> receipt) {
    auto* reader = new QSocketNotifier(receipt->Descriptor(), QSocketNotifier::Read, this);
    QTimer::singleShot(kSenderPatienceMs, reader, &QObject::deleteLater);
    connect(reader, &QSocketNotifier::activated, this,
            [this, reader, followed = std::shared_ptr<HandOverReceipt>(std::move(receipt))] {
                const HandOverReceipt::Progress progress = followed->ReadArrived();
                if (progress == HandOverReceipt::Progress::Reading) return;
                reader->setEnabled(false);
                reader->deleteLater();
                if (progress != HandOverReceipt::Progress::Taken) return;
                QStringList paths;
                for (const std::string& path : followed->Paths())
                    paths << QFile::decodeName(QByteArray::fromStdString(path));
                emit FilesReceived(paths);
            });
}

QStringList AbsolutePaths(const std::vector<std::string>& files) {
    QStringList paths;
    for (const std::string& file : files)
        paths << QFileInfo(QFile::decodeName(QByteArray::fromStdString(file))).absoluteFilePath();
    return paths;
}

bool HandOverFiles(const std::filesystem::path& socket, const QStringList& files) {
    if (files.isEmpty() || socket.empty()) return false;
    std::vector<std::string> paths;
    for (const QString& file : files) paths.push_back(Native(file));
    const std::optional<std::string> message = EncodeHandOver(paths);
    return message && SendHandOver(socket, *message, kHandOverPatience) == HandOverResult::Taken;
}

}  // namespace oriastra
