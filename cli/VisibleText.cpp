#include "VisibleText.h"

#include <cstdio>

#include "common/logic/Utf8Repair.h"


namespace oriastra::cli {

namespace {

void AppendEscape(std::string& out, unsigned code) {
    switch (code) {
        case '\r': out += "\\r"; return;
        case '\n': out += "\\n"; return;
        case '\t': out += "\\t"; return;
        default: break;
    }
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", code);
    out += escape;
}

}  // namespace

std::string VisibleText(std::string_view text, LineBreaks lineBreaks) {
    const std::string valid = RepairUtf8(text);
    const bool keepBreaks = lineBreaks == LineBreaks::Keep;
    std::string out;
    out.reserve(valid.size());
    for (std::size_t i = 0; i < valid.size(); ++i) {
        const auto byte = static_cast<unsigned char>(valid[i]);
        const bool lineBreak =
            byte == '\n' || (byte == '\r' && i + 1 < valid.size() && valid[i + 1] == '\n');
        if (keepBreaks && lineBreak) {
            out += valid[i];
        } else if (byte < 0x20 || byte == 0x7F) {
            AppendEscape(out, byte);
        } else if (byte == 0xC2 && i + 1 < valid.size() &&
                   static_cast<unsigned char>(valid[i + 1]) <= 0x9F) {
            // U+0080 to U+009F: after RepairUtf8 the second byte is a continuation byte.
            AppendEscape(out, static_cast<unsigned char>(valid[++i]));
        } else {
            out += valid[i];
        }
    }
    return out;
}

}  // namespace oriastra::cli
