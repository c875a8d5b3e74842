// Record line encoding: any bytes of a record file, and any text a user may type.
#include "FuzzCheck.h"
#include "common/logic/RecordText.h"
#include "common/logic/TextUtil.h"

using namespace oriastra;

namespace {

bool HoldsNoLineBreak(std::string_view text) {
    return text.find('\r') == std::string_view::npos && text.find('\n') == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::Bytes(data, size);

    // As bytes read from a file: every byte has a character and comes back unchanged.
    const std::string fileText = FromCodePage1252(input);
    FUZZ_CHECK(ToCodePage1252(fileText) == input);
    const std::string decoded = DecodeRecordText(fileText);
    FUZZ_CHECK(HoldsNoLineBreak(ToCodePage1252(EncodeRecordText(decoded))));

    // As text typed by a user (UTF-8, possibly ill-formed): an encoded value fits on one line,
    // and a value of codes 0-170 only decodes to itself.
    const std::string typed = FromCodePage1252(ToCodePage1252(input));
    const std::string encoded = EncodeRecordText(typed);
    FUZZ_CHECK(HoldsNoLineBreak(ToCodePage1252(encoded)));
    const std::string typedBytes = ToCodePage1252(typed);
    bool lowCodesOnly = true;
    for (const char byte : typedBytes) lowCodesOnly = lowCodesOnly && static_cast<unsigned char>(byte) <= 170;
    if (lowCodesOnly && CodePointCount(typed) <= 32767) FUZZ_CHECK(DecodeRecordText(encoded) == typed);
    return 0;
}
