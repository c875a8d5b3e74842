// What a later copy of the desktop program sends the running one: any bytes a sender may write.
#include "FuzzCheck.h"
#include "shell/logic/HandOverMessage.h"

using namespace oriastra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::Bytes(data, size);
    // A message taken is one a sender could have written, and says exactly what it was sent.
    const auto paths = DecodeHandOver(input);
    if (paths) {
        const auto again = EncodeHandOver(*paths);
        FUZZ_CHECK(again && *again == input);
        for (const std::string& path : *paths) FUZZ_CHECK(path.starts_with('/'));
    }
    return 0;
}
