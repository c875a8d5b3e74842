// The reading texts of every tradition together: what no text may say, and what no two may
// both say.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ProseChecks.h"
#include "african/logic/AfricanTexts.h"
#include "arabic/logic/ArabicTexts.h"
#include "burmese/logic/BurmeseTexts.h"
#include "indonesian/logic/WetonTexts.h"
#include "tibetan/logic/TibetanTexts.h"

namespace oriastra {
namespace {

struct Text {
    std::string label;
    std::string_view text;
};

std::vector<Text> EveryText() {
    std::vector<Text> texts;
    const auto table = [&](const std::string& name, std::string_view (*text)(int), int first, int last) {
        for (int row = first; row <= last; ++row)
            texts.push_back({name + " " + std::to_string(row), text(row)});
    };
    table("Tibetan sun sign", WesternSignText, 0, 11);
    table("Tibetan animal", AnimalSignText, 0, 11);
    table("Tibetan element", ElementText, 0, 4);
    table("Burmese animal", DaySignAnimalText, 1, 8);
    table("Burmese planet", DaySignPlanetText, 1, 8);
    table("Burmese house", HouseDescriptionText, 1, 7);
    table("African", AfricanSignText, 0, 11);
    table("Arabic", ArabicSignText, 0, 11);
    for (const char* day : {"Minggu", "Senin", "Selasa", "Rabu", "Kemis", "Jumat", "Sabtu"}) {
        for (const char* market : {"Legi", "Pahing", "Pon", "Wage", "Kliwon"})
            texts.push_back({std::string("Weton ") + day + " " + market, WetonText(day, market)});
    }
    return texts;
}

TEST(ProseSet, EveryTextIsThere) {
    const std::vector<Text> texts = EveryText();
    EXPECT_EQ(texts.size(), 12U + 12 + 5 + 8 + 8 + 7 + 12 + 12 + 35);
    for (const Text& text : texts) EXPECT_FALSE(text.text.empty()) << text.label;
}

TEST(ProseSet, NoSentenceIsSaidTwiceAnywhere) {
    std::map<std::string_view, std::string> firstSeenIn;
    for (const Text& text : EveryText()) {
        for (std::string_view sentence : prose::Sentences(text.text)) {
            const auto [seen, first] = firstSeenIn.emplace(sentence, text.label);
            EXPECT_TRUE(first) << text.label << " repeats from " << seen->second << ": " << sentence;
        }
    }
}

TEST(ProseSet, NoTextLeansOnAPhraseThatFitsAnySign) {
    for (const Text& text : EveryText()) {
        std::string lower(text.text);
        for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        for (std::string_view phrase : prose::kFillerPhrases)
            EXPECT_TRUE(lower.find(phrase) == std::string::npos) << text.label << ": " << phrase;
    }
}

std::vector<prose::ReportText> Table(const std::string& name, std::string_view (*text)(int),
                                     int first, int last) {
    std::vector<prose::ReportText> table;
    for (int row = first; row <= last; ++row)
        table.push_back({name + " " + std::to_string(row), text(row), 0});
    return table;
}

// The texts one report can show together (a Tibetan sun sign, element and animal; a Burmese
// animal, planet and house; any single text of the others) share no run of five words, and no
// text says one twice.
TEST(ProseSet, NoFiveWordsAreSaidTwiceInOneReport) {
    const std::vector<std::vector<std::vector<prose::ReportText>>> reports = {
        {Table("Tibetan sun sign", WesternSignText, 0, 11), Table("Tibetan animal", AnimalSignText, 0, 11),
         Table("Tibetan element", ElementText, 0, 4)},
        {Table("Burmese animal", DaySignAnimalText, 1, 8), Table("Burmese planet", DaySignPlanetText, 1, 8),
         Table("Burmese house", HouseDescriptionText, 1, 7)},
        {Table("African", AfricanSignText, 0, 11)},
        {Table("Arabic", ArabicSignText, 0, 11)},
    };
    for (const auto& tables : reports) {
        for (const std::string& run : prose::SharedRuns(tables)) ADD_FAILURE() << run;
    }
    std::vector<prose::ReportText> wetons;
    for (const Text& text : EveryText()) {
        if (text.label.starts_with("Weton")) wetons.push_back({text.label, text.text, 0});
    }
    for (const std::string& run : prose::SharedRuns({wetons})) ADD_FAILURE() << run;
}

}  // namespace
}  // namespace oriastra
