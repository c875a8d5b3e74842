#include "common/logic/TranslatedText.h"

#include <cstddef>

namespace oriastra {

namespace {
TextTranslator gTranslator = nullptr;
}

void SetTextTranslator(TextTranslator translator) { gTranslator = translator; }

std::string_view Translated(const char* context, std::string_view english) {
    return gTranslator != nullptr ? gTranslator(context, english) : english;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const std::size_t number = static_cast<std::size_t>(next - '0');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && number <= values.size()) {
            text += *(values.begin() + (number - 1));
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

}  // namespace oriastra
