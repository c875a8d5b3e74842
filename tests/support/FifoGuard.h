#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <thread>

namespace oriastra {

// Runs `action` on this thread. If it has not returned within `patience`, the FIFO at `fifo` is
// given a writer that closes at once, so an action blocked on it ends and the test can fail
// instead of hanging. True when the action returned by itself in time.
template <typename Action>
bool ReturnsWithoutAWriter(const std::filesystem::path& fifo, Action action,
                           std::chrono::seconds patience = std::chrono::seconds(5)) {
    std::promise<void> done;
    std::atomic<bool> unblocked{false};
    std::thread watcher([&, finished = done.get_future()] {
        if (finished.wait_for(patience) == std::future_status::ready) return;
        unblocked = true;
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0) ::close(writer);
    });
    action();
    done.set_value();
    watcher.join();
    return !unblocked;
}

}  // namespace oriastra
