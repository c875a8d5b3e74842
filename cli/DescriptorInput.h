#pragma once
#include <array>
#include <streambuf>

#include "common/logic/FileDescriptor.h"

namespace oriastra::cli {

// Reads an open file descriptor as a stream, so a batch file opened without waiting (see
// OpenRegularFile) is read through that same descriptor, not opened again by name.
class DescriptorInput : public std::streambuf {
public:
    explicit DescriptorInput(FileDescriptor file);

protected:
    int_type underflow() override;

private:
    FileDescriptor file_;
    std::array<char, 64 * 1024> buffer_{};
};

}  // namespace oriastra::cli
