// The JSON writer: any tree of values, with any bytes in its texts, is written as valid JSON
// that reads back to the same tree, texts repaired to valid UTF-8.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "JsonCheck.h"
#include "common/logic/Utf8Repair.h"

using namespace oriastra;

namespace {

cli::JsonValue Build(FuzzedDataProvider& input, int depth) {
    switch (input.ConsumeIntegralInRange(0, depth > 8 ? 3 : 5)) {
        case 0: return nullptr;
        case 1: return input.ConsumeBool();
        case 2: return input.ConsumeIntegral<std::int64_t>();
        case 3: return input.ConsumeRandomLengthString(64);
        case 4: {
            cli::JsonArray items;
            const int count = input.ConsumeIntegralInRange(0, 6);
            for (int i = 0; i < count; ++i) items.push_back(Build(input, depth + 1));
            return items;
        }
        default: {
            cli::JsonObject members;
            const int count = input.ConsumeIntegralInRange(0, 6);
            for (int i = 0; i < count; ++i) {
                std::string key = input.ConsumeRandomLengthString(16);
                members.push_back({std::move(key), Build(input, depth + 1)});
            }
            return members;
        }
    }
}

// The tree with every text as the writer must give it back.
struct Repaired {
    cli::JsonValue operator()(std::nullptr_t) const { return nullptr; }
    cli::JsonValue operator()(bool flag) const { return flag; }
    cli::JsonValue operator()(std::int64_t number) const { return number; }
    cli::JsonValue operator()(const std::string& text) const { return RepairUtf8(text); }
    cli::JsonValue operator()(const cli::JsonArray& array) const {
        cli::JsonArray items;
        for (const cli::JsonValue& item : array) items.push_back(item.Visit(*this));
        return items;
    }
    cli::JsonValue operator()(const cli::JsonObject& object) const {
        cli::JsonObject members;
        for (const cli::JsonMember& member : object) {
            members.push_back({RepairUtf8(member.key), member.value.Visit(*this)});
        }
        return members;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const cli::JsonValue tree = Build(input, 0);
    const std::string written = cli::WriteJson(tree);
    FUZZ_CHECK(RepairUtf8(written) == written);
    FUZZ_CHECK(written.find('\n') == std::string::npos);
    const auto read = fuzz::JsonReader::Read(written);
    FUZZ_CHECK(read.has_value());
    // Same tree: the reader's tree written again is the same text as the repaired original's.
    FUZZ_CHECK(cli::WriteJson(*read) == written);
    FUZZ_CHECK(cli::WriteJson(tree.Visit(Repaired{})) == written);
    return 0;
}
