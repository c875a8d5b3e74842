#include "DescriptorInput.h"

#include <unistd.h>

#include <cerrno>

namespace oriastra::cli {

DescriptorInput::DescriptorInput(FileDescriptor file) : file_(std::move(file)) {}

DescriptorInput::int_type DescriptorInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    while (true) {
        const ssize_t got = ::read(file_.Get(), buffer_.data(), buffer_.size());
        if (got > 0) {
            setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
            return traits_type::to_int_type(buffer_.front());
        }
        if (got < 0 && errno == EINTR) continue;
        return traits_type::eof();
    }
}

}  // namespace oriastra::cli
