#include "ManualPage.h"

#include <algorithm>
#include <cctype>
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

// Backslashes and hyphens escaped, so "--json" prints as typed and no text reads as an escape.
std::string Escaped(std::string_view text) {
    std::string roff;
    for (const char c : text) {
        if (c == '\\') roff += "\\e";
        else if (c == '-') roff += "\\-";
        else roff += c;
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

}  // namespace

std::string ManualPageFromHelp(std::string_view help, const ManualPageTitle& title) {
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
    return page + sections;
}

}  // namespace oriastra::packaging
