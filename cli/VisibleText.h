#pragma once
#include <string>
#include <string_view>

namespace oriastra::cli {

enum class LineBreaks { Keep, Escape };

// The text as a terminal may safely show it: every control character (C0, DEL, C1) written as
// an escape, `\r`, `\n`, `\t` or `\xNN` of its code, ill-formed UTF-8 as U+FFFD, so nothing a
// record file or an argument holds can reach the terminal as an escape sequence. Values use
// LineBreaks::Escape, so one never starts a line of its own; LineBreaks::Keep, which leaves LF
// and CR LF as line breaks, is for the program's own multi-line texts.
std::string VisibleText(std::string_view text, LineBreaks lineBreaks);

}  // namespace oriastra::cli
