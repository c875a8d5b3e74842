#include "shell/logic/HandOverSocket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <thread>

#include "shell/logic/HandOverMessage.h"

namespace oriastra {
namespace {

using Clock = std::chrono::steady_clock;

std::optional<sockaddr_un> AddressOf(const std::filesystem::path& socket) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& native = socket.native();
    if (native.empty() || native.size() >= sizeof(address.sun_path)) return std::nullopt;
    std::memcpy(address.sun_path, native.c_str(), native.size() + 1);
    return address;
}

FileDescriptor NewSocket() {
    return FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
}

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool WaitFor(int descriptor, short events, Clock::time_point deadline) {
    pollfd watched{descriptor, events, 0};
    while (true) {
        const int ready = ::poll(&watched, 1, MillisecondsUntil(deadline));
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

bool SendAll(int descriptor, std::string_view bytes, Clock::time_point deadline) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(descriptor, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(descriptor, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

bool SameUser(int connection) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
}

}  // namespace

HandOverResult SendHandOver(const std::filesystem::path& socket, std::string_view message,
                            std::chrono::milliseconds patience) {
    const auto address = AddressOf(socket);
    if (!address) return HandOverResult::Failed;
    const Clock::time_point deadline = Clock::now() + patience;
    FileDescriptor connection;
    while (true) {
        connection = NewSocket();
        if (!connection.IsOpen()) return HandOverResult::Failed;
        if (::connect(connection.Get(), reinterpret_cast<const sockaddr*>(&*address),
                      sizeof(*address)) == 0) {
            break;
        }
        // Nobody listens yet, or the queue of waiting senders is full: try again shortly.
        const bool nobodyYet = errno == ECONNREFUSED || errno == ENOENT || errno == EAGAIN;
        if (!nobodyYet) return HandOverResult::Failed;
        if (Clock::now() >= deadline) return HandOverResult::NoListener;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!SendAll(connection.Get(), message, deadline) ||
        ::shutdown(connection.Get(), SHUT_WR) != 0) {
        return HandOverResult::Failed;
    }
    std::string answer;
    char buffer[64];
    while (answer.size() < kHandOverTaken.size() && WaitFor(connection.Get(), POLLIN, deadline)) {
        const std::size_t got = connection.ReadSome(buffer, sizeof(buffer));
        if (got == 0) break;
        answer.append(buffer, got);
    }
    return answer == kHandOverTaken ? HandOverResult::Taken : HandOverResult::Failed;
}

HandOverListener::~HandOverListener() {
    if (listening_.IsOpen()) ::unlink(path_.c_str());
}

bool HandOverListener::Listen(const std::filesystem::path& socket) {
    const auto address = AddressOf(socket);
    if (!address || listening_.IsOpen()) return false;
    FileDescriptor listening = NewSocket();
    if (!listening.IsOpen()) return false;
    // What a copy that was killed left behind; a link is removed, never followed.
    ::unlink(socket.c_str());
    if (::bind(listening.Get(), reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0)
        return false;
    path_ = socket;
    if (::chmod(socket.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(listening.Get(), 8) != 0) {
        ::unlink(socket.c_str());
        return false;
    }
    listening_ = std::move(listening);
    return true;
}

FileDescriptor HandOverListener::Accept() {
    while (true) {
        FileDescriptor connection(
            ::accept4(listening_.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!connection.IsOpen()) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return {};
        }
        if (SameUser(connection.Get())) return connection;
    }
}

HandOverReceipt::Progress HandOverReceipt::ReadArrived() {
    if (progress_ != Progress::Reading) return progress_;
    char buffer[16384];
    while (true) {
        const ssize_t got = ::read(connection_.Get(), buffer, sizeof(buffer));
        if (got > 0) {
            received_.append(buffer, static_cast<std::size_t>(got));
            if (received_.size() > kHandOverLimit) break;
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return Progress::Reading;
        if (got < 0) break;
        // The sender has finished.
        auto paths = DecodeHandOver(received_);
        if (!paths) break;
        paths_ = std::move(*paths);
        ::send(connection_.Get(), kHandOverTaken.data(), kHandOverTaken.size(), MSG_NOSIGNAL);
        received_.clear();
        return progress_ = Progress::Taken;
    }
    received_.clear();
    return progress_ = Progress::Refused;
}

std::filesystem::path HandOverSocketBeside(const std::filesystem::path& lockFile) {
    return std::filesystem::path(lockFile).replace_extension(".socket");
}

}  // namespace oriastra
