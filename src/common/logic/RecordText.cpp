#include "common/logic/RecordText.h"

#include <array>
#include <cstdint>

#include "common/logic/TextUtil.h"

namespace oriastra {

namespace {

constexpr std::size_t kMaxCharacters = 32767;
constexpr int kShift = 85;

// Unicode code points of bytes 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80U];
    return byte;
}

unsigned char ByteOfCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    }
    return '?';
}

// Next code point of UTF-8 text; a malformed sequence yields U+FFFD and skips one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    char32_t value = lead;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07U;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0FU;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1FU;
    } else if (lead >= 0x80) {  // stray continuation or invalid lead
        ++pos;
        return 0xFFFD;
    }
    if (length > 1) {
        if (pos + length > text.size()) {
            ++pos;
            return 0xFFFD;
        }
        for (std::size_t i = 1; i < length; ++i) {
            const auto byte = static_cast<unsigned char>(text[pos + i]);
            if ((byte & 0xC0U) != 0x80U) {
                ++pos;
                return 0xFFFD;
            }
            value = (value << 6U) | (byte & 0x3FU);
        }
    }
    pos += length;
    return value;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0U | (cp >> 6U));
        out += static_cast<char>(0x80U | (cp & 0x3FU));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0U | (cp >> 12U));
        out += static_cast<char>(0x80U | ((cp >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (cp & 0x3FU));
    } else {
        out += static_cast<char>(0xF0U | (cp >> 18U));
        out += static_cast<char>(0x80U | ((cp >> 12U) & 0x3FU));
        out += static_cast<char>(0x80U | ((cp >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (cp & 0x3FU));
    }
}

// Shifts every code of the text by `shift`, dropping codes that leave 0-255.
std::string Shift(std::string_view text, int shift) {
    if (CodePointCount(text) > kMaxCharacters) return {};
    const std::string bytes = ToCodePage1252(text);
    std::string shifted;
    shifted.reserve(bytes.size());
    for (char byte : bytes) {
        const int code = static_cast<unsigned char>(byte) + shift;
        if (code >= 0 && code <= 255) shifted += static_cast<char>(code);
    }
    return FromCodePage1252(shifted);
}

}  // namespace

std::string ToCodePage1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        bytes += static_cast<char>(ByteOfCodePoint(NextCodePoint(utf8, pos)));
    }
    return bytes;
}

std::string FromCodePage1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char byte : bytes) AppendUtf8(text, CodePointOfByte(static_cast<unsigned char>(byte)));
    return text;
}

std::string EncodeRecordText(std::string_view text) { return Shift(text, kShift); }

std::string DecodeRecordText(std::string_view text) { return Shift(text, -kShift); }

bool RecordLineHoldsExactly(std::string_view text) {
    return DecodeRecordText(FromCodePage1252(ToCodePage1252(EncodeRecordText(text)))) == text;
}

}  // namespace oriastra
