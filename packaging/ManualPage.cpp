#include "ManualPage.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>
#include <vector>

namespace oriastra::packaging {
namespace {

struct HelpLine {
    std::size_t indent;
    std::string_view text;  // without the indent and trailing spaces
};
using Block = std::vector<HelpLine>;  // lines between blank lines

std::vector<Block> BlocksOf(std::string_view help) {
    std::vector<Block> blocks(1);
    while (!help.empty()) {
        const std::size_t end = std::min(help.find('\n'), help.size());
        std::string_view line = help.substr(0, end);
        help.remove_prefix(std::min(end + 1, help.size()));
        const std::size_t last = line.find_last_not_of(" \r");
        const std::size_t indent = line.find_first_not_of(' ');
        if (last == std::string_view::npos || indent > last) {
            if (!blocks.back().empty()) blocks.emplace_back();
            continue;
        }
        blocks.back().push_back({indent, line.substr(indent, last + 1 - indent)});
    }
    if (blocks.back().empty()) blocks.pop_back();
    return blocks;
}

bool IsUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

bool IsWordCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.' || c == '_';
}

// The code point of the UTF-8 sequence at the start of `text` and its length; a broken sequence
// is one byte long and has no code point.
std::pair<char32_t, std::size_t> CodePointAt(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || text.size() < length) return {0, 1};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t index = 1; index < length; ++index) {
        const auto next = static_cast<unsigned char>(text[index]);
        if ((next & 0xC0) != 0x80) return {0, 1};
        code = (code << 6) | (next & 0x3F);
    }
    return {code, length};
}

// Backslashes and hyphens escaped, so "--json" prints as typed and no text reads as an escape;
// other than ASCII as named glyphs, so the page reads the same in any locale.
std::string Escaped(std::string_view text) {
    std::string roff;
    while (!text.empty()) {
        const char c = text.front();
        if (static_cast<unsigned char>(c) >= 0x80) {
            const auto [code, length] = CodePointAt(text);
            if (code != 0) {
                char glyph[16];
                std::snprintf(glyph, sizeof glyph, "\\[u%04X]", static_cast<unsigned>(code));
                roff += glyph;
            }
            text.remove_prefix(length);
            continue;
        }
        if (c == '\\') roff += "\\e";
        else if (c == '-') roff += "\\-";
        else roff += c;
        text.remove_prefix(1);
    }
    return roff;
}

// A text line; a leading dot or quote would otherwise be read as a request.
std::string TextLine(const std::string& roff) {
    const bool guard = !roff.empty() && (roff.front() == '.' || roff.front() == '\'');
    return (guard ? "\\&" : "") + roff + "\n";
}

// Literal words bold, placeholders in capitals (FILE, TEXT) italic, punctuation plain.
std::string Formatted(std::string_view text) {
    std::string roff;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = start;
        while (end < text.size() && IsWordCharacter(text[end])) ++end;
        if (end == start) {
            // Runs of spaces line up columns in a terminal; the page has its own layout.
            if (text[start] != ' ' || !roff.ends_with(' ')) roff += Escaped(text.substr(start, 1));
            ++start;
            continue;
        }
        const std::string_view word = text.substr(start, end - start);
        roff += std::all_of(word.begin(), word.end(), IsUpper) ? "\\fI" : "\\fB";
        roff += Escaped(word) + "\\fR";
        start = end;
    }
    return roff;
}

bool IsHeadingName(std::string_view text) {
    return !text.empty() && IsUpper(text.front()) &&
           std::all_of(text.begin(), text.end(), [](char c) {
               return c == ' ' || std::isalpha(static_cast<unsigned char>(c)) != 0;
           });
}

std::string SectionName(std::string_view heading) {
    if (heading == "Usage") return "SYNOPSIS";
    std::string name(heading);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

std::string Joined(const Block& block, std::size_t first) {
    std::string text;
    for (std::size_t index = first; index < block.size(); ++index) {
        if (!text.empty()) text += ' ';
        text += block[index].text;
    }
    return text;
}

std::string Synopsis(const Block& block) {
    std::string roff;
    for (std::size_t index = 1; index < block.size(); ++index) {
        if (index > 1) roff += ".br\n";
        roff += TextLine(Formatted(block[index].text));
    }
    return roff;
}

// "  term   text" lines become tagged paragraphs; deeper lines continue the text above; a line
// without a second column is a paragraph of its own.
std::string TaggedParagraphs(const Block& block) {
    std::string roff;
    std::string text;
    const auto flush = [&] {
        if (!text.empty()) roff += TextLine(Escaped(text));
        text.clear();
    };
    const std::size_t termIndent = block.size() > 1 ? block[1].indent : 0;
    for (std::size_t index = 1; index < block.size(); ++index) {
        const HelpLine& line = block[index];
        if (line.indent > termIndent) {
            text += text.empty() ? "" : " ";
            text += line.text;
            continue;
        }
        flush();
        const std::size_t gap = line.text.find("  ");
        if (gap == std::string_view::npos) {
            roff += ".PP\n";
            text = line.text;
            continue;
        }
        roff += ".TP\n" + TextLine(Formatted(line.text.substr(0, gap)));
        text = line.text.substr(line.text.find_first_not_of(' ', gap));
    }
    flush();
    return roff;
}

// Markdown prose: `code` in bold, the rest as it reads.
std::string Prose(std::string_view text) {
    std::string roff;
    bool code = false;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t tick = std::min(text.find('`', start), text.size());
        const std::string piece = Escaped(text.substr(start, tick - start));
        roff += code && !piece.empty() ? "\\fB" + piece + "\\fR" : piece;
        code = !code;
        start = tick + 1;
    }
    return TextLine(roff);
}

bool RunsProgram(const std::vector<std::string_view>& block, std::string_view program) {
    const std::string prompt = "$ " + std::string(program);
    return std::any_of(block.begin(), block.end(), [&](std::string_view line) {
        return line == prompt || line.starts_with(prompt + " ");
    });
}

std::string Examples(std::string_view readme, std::string_view program) {
    std::string roff;
    std::string paragraph;  // the prose being read
    std::string lead;       // the paragraph just ended, blank lines after it
    std::vector<std::string_view> block;
    bool inBlock = false;
    while (!readme.empty()) {
        const std::size_t end = std::min(readme.find('\n'), readme.size());
        std::string_view line = readme.substr(0, end);
        readme.remove_prefix(std::min(end + 1, readme.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with("```")) {
            if (inBlock && RunsProgram(block, program)) {
                if (lead.ends_with(':')) roff += ".PP\n" + Prose(lead);
                roff += ".PP\n.RS 4\n.EX\n";
                // An empty line kept as an empty text line, not a paragraph break.
                for (const std::string_view shown : block)
                    roff += shown.empty() ? "\\&\n" : TextLine(Escaped(shown));
                roff += ".EE\n.RE\n";
            }
            if (!inBlock && !paragraph.empty()) lead = paragraph;
            if (inBlock) lead.clear();
            inBlock = !inBlock;
            paragraph.clear();
            block.clear();
        } else if (inBlock) {
            block.push_back(line);
        } else if (line.find_first_not_of(' ') == std::string_view::npos) {
            if (!paragraph.empty()) lead = paragraph;
            paragraph.clear();
        } else if (line.starts_with('#')) {
            lead.clear();
            paragraph.clear();
        } else {
            if (paragraph.empty()) lead.clear();
            paragraph += paragraph.empty() ? "" : " ";
            paragraph += line;
        }
    }
    return roff;
}

// "kestrin-oriastra(1)": the name bold, the section after it.
std::string SeeAlso(const std::vector<std::string>& pages) {
    std::string roff;
    for (std::size_t index = 0; index < pages.size(); ++index) {
        const std::string& page = pages[index];
        const std::size_t open = page.find('(');
        roff += ".BR " + Escaped(page.substr(0, open));
        if (open != std::string::npos) roff += " " + page.substr(open);
        roff += index + 1 < pages.size() ? ",\n" : "\n";
    }
    return roff;
}

}  // namespace

std::string ManualPageFromHelp(std::string_view help, const ManualPageTitle& title,
                               const ManualPageExtras& extras) {
    std::string synopsis;
    std::string description;
    std::string sections;
    for (const Block& block : BlocksOf(help)) {
        const std::string_view first = block.front().text;
        const std::size_t colon = first.find(": ");
        if (block.front().indent == 0 && first.back() == ':' &&
            IsHeadingName(first.substr(0, first.size() - 1))) {
            const std::string name = SectionName(first.substr(0, first.size() - 1));
            if (name == "SYNOPSIS") synopsis += Synopsis(block);
            else sections += ".SH " + name + "\n" + TaggedParagraphs(block);
        } else if (block.front().indent == 0 && colon != std::string_view::npos &&
                   IsHeadingName(first.substr(0, colon))) {
            std::string text(first.substr(colon + 2));
            if (block.size() > 1) text += " " + Joined(block, 1);
            sections += ".SH " + SectionName(first.substr(0, colon)) + "\n" + TextLine(Escaped(text));
        } else {
            if (!description.empty()) description += ".PP\n";
            description += TextLine(Escaped(Joined(block, 0)));
        }
    }

    std::string page = ".TH " + Escaped(SectionName(title.program)) + " 1 \"\" \"" +
                       Escaped(title.source) + "\" \"User Commands\"\n.nh\n";
    page += ".SH NAME\n" + Escaped(title.program) + " \\- " + Escaped(title.summary) + "\n";
    if (!synopsis.empty()) page += ".SH SYNOPSIS\n" + synopsis;
    if (!description.empty()) page += ".SH DESCRIPTION\n" + description;
    page += sections;
    const std::string examples = Examples(extras.readme, title.program);
    if (!examples.empty()) page += ".SH EXAMPLES\n" + examples;
    if (!extras.seeAlso.empty()) page += ".SH SEE ALSO\n" + SeeAlso(extras.seeAlso);
    return page;
}

}  // namespace oriastra::packaging
