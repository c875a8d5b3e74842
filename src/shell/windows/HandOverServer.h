#pragma once
#include <QObject>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shell/logic/HandOverSocket.h"

class QSocketNotifier;

namespace oriastra {

// The running copy's side of the hand-over: takes the record files later copies pass on, in
// the event loop, never waiting on a sender. A sender that has not finished within a few
// seconds is dropped.
class HandOverServer : public QObject {
    Q_OBJECT
public:
    explicit HandOverServer(QObject* parent = nullptr);
    ~HandOverServer() override;

    // See HandOverListener::Listen: for the holder of the single-copy lock only.
    bool Listen(const std::filesystem::path& socket);

signals:
    void FilesReceived(const QStringList& paths);

private:
    void AcceptWaiting();
    void Follow(std::unique_ptr<HandOverReceipt> receipt);

    HandOverListener listener_;
    QSocketNotifier* notifier_ = nullptr;
};

// The files of the command line as paths from the root: the copy they are handed to works in a
// folder of its own.
QStringList AbsolutePaths(const std::vector<std::string>& files);

// Hands the files to the copy listening at `socket`. False when there were none or that copy
// did not take them.
bool HandOverFiles(const std::filesystem::path& socket, const QStringList& files);

}  // namespace oriastra
