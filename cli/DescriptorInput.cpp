#include "DescriptorInput.h"

namespace oriastra::cli {

DescriptorInput::DescriptorInput(FileDescriptor file) : file_(std::move(file)) {}

DescriptorInput::int_type DescriptorInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    const std::size_t got = file_.ReadSome(buffer_.data(), buffer_.size());
    if (got == 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(buffer_.front());
}

}  // namespace oriastra::cli
