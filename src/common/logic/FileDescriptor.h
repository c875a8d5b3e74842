#pragma once
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <utility>

namespace oriastra {

// Owns a POSIX file descriptor and closes it once; -1 holds none.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(FileDescriptor&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            Close();
            descriptor_ = std::exchange(other.descriptor_, -1);
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }

    int Get() const { return descriptor_; }
    // Hands the descriptor over; this object then holds none.
    int Release() { return std::exchange(descriptor_, -1); }
    bool IsOpen() const { return descriptor_ >= 0; }
    // Closes now; false when the system reports an error (a write it could not complete).
    bool Close() {
        if (descriptor_ < 0) return true;
        return ::close(std::exchange(descriptor_, -1)) == 0;
    }
    // Up to `size` bytes into `buffer`, read again when a signal interrupts; 0 at the end of the
    // file or on an error.
    std::size_t ReadSome(char* buffer, std::size_t size) const {
        while (true) {
            const ssize_t got = ::read(descriptor_, buffer, size);
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) return 0;
        }
    }

private:
    int descriptor_ = -1;
};

}  // namespace oriastra
