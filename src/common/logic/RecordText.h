#pragma once
#include <string>
#include <string_view>

namespace oriastra {

// Texts are UTF-8. Each character is taken by its code page 1252 code; the five bytes the code
// page leaves unassigned (81, 8D, 8F, 90, 9D) stand for U+0081, U+008D, ... so every byte has a
// character and a record line round-trips byte for byte.

// Code page 1252 bytes of a text; a character outside the code page becomes '?'.
std::string ToCodePage1252(std::string_view utf8);
// The text of code page 1252 bytes.
std::string FromCodePage1252(std::string_view bytes);

// The key-less shift of a record line: +85 within the code page, codes 171-255 dropped.
// A value longer than 32767 characters gives the empty text.
std::string EncodeRecordText(std::string_view text);
// The reverse shift: -85, codes 0-84 dropped; the same length limit.
std::string DecodeRecordText(std::string_view text);

// Whether a record line gives the text back exactly: every character in the code page with a
// code up to 170, and not too long.
bool RecordLineHoldsExactly(std::string_view text);

}  // namespace oriastra
