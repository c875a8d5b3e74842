#pragma once
#include <string>
#include <string_view>

namespace oriastra::cli {

enum class LineBreaks { Keep, Escape };

// The text as a terminal may safely show it: every control character (C0, DEL, C1) written as
// a `\xNN` escape of its code, ill-formed UTF-8 as U+FFFD, so nothing a record file or an
// argument holds can reach the terminal as an escape sequence. With LineBreaks::Keep, LF and
// CR LF stay line breaks.
std::string VisibleText(std::string_view text, LineBreaks lineBreaks);

}  // namespace oriastra::cli
