#include "common/logic/Utf8Repair.h"

namespace oriastra {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

struct LeadByte {
    std::size_t length = 0;  // 0: cannot start a sequence
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
};

// The second byte's range excludes overlong forms, surrogates and values past U+10FFFF.
LeadByte ClassifyLead(unsigned char byte) {
    if (byte < 0x80) return {1};
    if (byte >= 0xC2 && byte <= 0xDF) return {2};
    if (byte == 0xE0) return {3, 0xA0, 0xBF};
    if (byte == 0xED) return {3, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF) return {3};
    if (byte == 0xF0) return {4, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3) return {4};
    if (byte == 0xF4) return {4, 0x80, 0x8F};
    return {};
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = ClassifyLead(static_cast<unsigned char>(text[at]));
    if (lead.length == 0 || at + lead.length > text.size()) return 0;
    for (std::size_t k = 1; k < lead.length; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        const unsigned char low = k == 1 ? lead.secondLow : 0x80;
        const unsigned char high = k == 1 ? lead.secondHigh : 0xBF;
        if (byte < low || byte > high) return 0;
    }
    return lead.length;
}

std::string RepairUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = ClassifyLead(static_cast<unsigned char>(text[i]));
        if (lead.length == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        std::size_t good = 1;
        while (good < lead.length && i + good < text.size()) {
            const auto byte = static_cast<unsigned char>(text[i + good]);
            const unsigned char low = good == 1 ? lead.secondLow : 0x80;
            const unsigned char high = good == 1 ? lead.secondHigh : 0xBF;
            if (byte < low || byte > high) break;
            ++good;
        }
        if (good == lead.length) {
            out += text.substr(i, good);
        } else {
            out += kReplacement;
        }
        i += good;
    }
    return out;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

}  // namespace oriastra
