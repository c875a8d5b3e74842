#pragma once
// The local socket a running copy of the desktop program listens on, so that a copy started
// with record files can pass them on and end. It lies beside the single-copy lock, in a folder
// only this user can enter; a connection from another user is closed unread all the same.
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/logic/FileDescriptor.h"

namespace oriastra {

enum class HandOverResult { Taken, NoListener, Failed };

// Sends a message to the copy listening at `socket` and waits for its answer. A copy that holds
// the lock but does not listen yet (it is starting) is tried again until `patience` runs out.
HandOverResult SendHandOver(const std::filesystem::path& socket, std::string_view message,
                            std::chrono::milliseconds patience);

class HandOverListener {
public:
    HandOverListener() = default;
    ~HandOverListener();
    HandOverListener(const HandOverListener&) = delete;
    HandOverListener& operator=(const HandOverListener&) = delete;

    // Listens at `socket`, replacing what a copy that ended left there: only the holder of the
    // single-copy lock may call this.
    bool Listen(const std::filesystem::path& socket);
    int Descriptor() const { return listening_.Get(); }
    // A waiting sender of this user, or none.
    FileDescriptor Accept();

private:
    FileDescriptor listening_;
    std::filesystem::path path_;
};

// One sender's message, read as it arrives without ever waiting.
class HandOverReceipt {
public:
    enum class Progress { Reading, Taken, Refused };

    explicit HandOverReceipt(FileDescriptor connection) : connection_(std::move(connection)) {}

    int Descriptor() const { return connection_.Get(); }
    // Reads what has arrived. Once the sender has finished, a whole message is answered and
    // taken; anything else, or more than a message may hold, is refused, and so it stays. The
    // connection closes with this object.
    Progress ReadArrived();
    // The paths of a taken message.
    const std::vector<std::string>& Paths() const { return paths_; }

private:
    FileDescriptor connection_;
    std::string received_;
    std::vector<std::string> paths_;
    Progress progress_ = Progress::Reading;
};

// Where the running copy listens: beside its lock file, named like it.
std::filesystem::path HandOverSocketBeside(const std::filesystem::path& lockFile);

}  // namespace oriastra
