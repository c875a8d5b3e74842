// Watches a folder as another user would: every file made in it is opened at once and read
// again as it is written, from the handle opened first (a later change of mode does not close
// it). Stops after SECONDS, or when a file named .probe-stop is made there, and prints how many
// reads held the secret, given as hex bytes.
//   oriastra-probe-watch FOLDER SECONDS SECRET_HEX
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t index = 0; index + 1 < hex.size(); index += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(index, 2), nullptr, 16));
    }
    return bytes;
}

bool Holds(int descriptor, const std::string& secret) {
    char buffer[4096];
    const ssize_t got = ::pread(descriptor, buffer, sizeof buffer, 0);
    return got > 0 && std::string(buffer, static_cast<std::size_t>(got)).find(secret) !=
                          std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: oriastra-probe-watch FOLDER SECONDS SECRET_HEX\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string secret = FromHex(argv[3]);
    const int watch = ::inotify_init1(IN_CLOEXEC);
    if (watch < 0 || ::inotify_add_watch(watch, folder.c_str(),
                                         IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE) < 0) {
        std::perror("inotify");
        return 2;
    }
    std::printf("watching\n");
    std::fflush(stdout);
    std::map<std::string, int> opened;
    int leaks = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[2]));
    alignas(inotify_event) char events[16384];
    while (std::chrono::steady_clock::now() < end) {
        pollfd wait{watch, POLLIN, 0};
        if (::poll(&wait, 1, 100) <= 0) continue;
        const ssize_t got = ::read(watch, events, sizeof events);
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->len == 0) continue;
            const std::string name = event->name;
            if (name == ".probe-stop") {
                std::printf("%d\n", leaks);
                return 0;
            }
            auto entry = opened.find(name);
            if (entry == opened.end()) {
                const int file = ::open((folder + "/" + name).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
                if (file < 0) continue;
                entry = opened.emplace(name, file).first;
            }
            if (Holds(entry->second, secret)) ++leaks;
            if ((event->mask & IN_CLOSE_WRITE) != 0) {
                ::close(entry->second);
                opened.erase(entry);
            }
        }
    }
    std::printf("%d\n", leaks);
    return 0;
}
