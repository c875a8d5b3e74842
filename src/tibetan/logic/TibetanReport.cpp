#include "tibetan/logic/TibetanReport.h"

#include <string>

#include "common/logic/ReportWords.h"
#include "common/logic/TranslatedText.h"

namespace oriastra {

namespace {

constexpr TextStyle kCaption{true, kTibetanCaptionColor};
constexpr TextStyle kValue{false, kBlack};

// Caption, value, then the optional paragraph on its own line, then the footer.
void Section(StyledTextBuilder& builder, std::string_view caption, std::string_view value,
             const std::string_view* paragraph, bool last = false) {
    builder.Add(kCaption, caption).Add(kValue, value).Add(kValue, "\n");
    if (paragraph) builder.Add(kValue, *paragraph).Add(kValue, "\n");
    builder.Add(kValue, GeneratedByLine());
    if (!last) builder.Add(kValue, "\n\n");
}

}  // namespace

StyledText BuildTibetanReport(const BirthDetails& details, const TibetanReading& reading) {
    StyledTextBuilder builder;
    Section(builder, Translated("Reports", "Your Name: "), details.name, nullptr);
    Section(builder, Translated("Reports", "Your Sex: "), SexInWords(details.sex), nullptr);
    Section(builder, Translated("Reports", "Your Tibetan Sun Sign: "), reading.tibetanSunSign,
            nullptr);
    // The caption's spelling is what users of earlier versions have always seen.
    Section(builder, Translated("Reports", "Your Tranlation of Tibetan Sun Sign: "),
            reading.translation, nullptr);
    Section(builder, Translated("Reports", "Your Western Sun Sign: "), reading.westernSunSign,
            &reading.westernSunSignText);
    Section(builder, Translated("Reports", "Your Tibetan Animal Sign: "), reading.animalSign,
            &reading.animalSignText);
    Section(builder, Translated("Reports", "Your Tibetan Element: "), reading.element,
            &reading.elementText, true);
    return builder.Take();
}

}  // namespace oriastra
