#include "burmese/logic/BurmeseTexts.h"

#include "ProseChecks.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace {

using Accessor = std::string_view (*)(int);

using oriastra::DaySignAnimalText;
using oriastra::DaySignPlanetText;
using oriastra::HouseDescriptionText;

using prose::CodePoints;
using prose::Sentences;

struct Row {
    const char* key;
    Accessor text;
    int row;
    std::string_view opening;
    std::size_t length;
};

const Row kRows[] = {
    {"Garuda", DaySignAnimalText, 1, "The first animal sign of the Burmese zodiac, the Garuda rules over Sunday.", 670},
    {"Tiger", DaySignAnimalText, 2, "The second animal sign of the Burmese zodiac, the Tiger rules over Monday.", 502},
    {"Lion", DaySignAnimalText, 3, "The third animal sign of the Burmese zodiac, the Lion rules over Tuesday.", 666},
    {"Elephant", DaySignAnimalText, 4, "The fourth animal sign of the Burmese zodiac, the Elephant rules over Wednesday.", 487},
    {"Tuskless Elephant", DaySignAnimalText, 5, "If a person is born on Wednesday, but after 12 noon, then his animal sign", 541},
    {"Rat", DaySignAnimalText, 6, "The fifth animal sign of the Burmese zodiac, the Rat rules over Thursday.", 499},
    {"Guinea Pig", DaySignAnimalText, 7, "The sixth animal sign of the Burmese zodiac, the Guinea Pig rules over Friday.", 500},
    {"Dragon", DaySignAnimalText, 8, "The last animal sign of the Burmese zodiac, the Dragon is known to rule over Saturday.", 670},
    {"Sun", DaySignPlanetText, 1, "Sun - the first planet as per the Burmese astrology.", 571},
    {"Moon", DaySignPlanetText, 2, "Moon - the sixth planet as per the Burmese astrology.", 421},
    {"Mars", DaySignPlanetText, 3, "Mars - the fourth planet as per the Burmese astrology.", 419},
    {"Mercury", DaySignPlanetText, 4, "Mercury - the second planet as per the Burmese astrology", 394},
    {"Rahu", DaySignPlanetText, 5, "Rahu - is basically known as the planet of success", 421},
    {"Jupiter", DaySignPlanetText, 6, "Jupiter - the seventh planet as per the Burmese astrology", 331},
    {"Venus", DaySignPlanetText, 7, "Venus - the fifth planet as per the Burmese astrology.", 401},
    {"Saturn", DaySignPlanetText, 8, "Saturn - the third planet as per the Burmese astrology.", 467},
    {"Impermanence", HouseDescriptionText, 1, "As the name implies, planets placed in this house manifests themselves in an impermanent way.", 378},
    {"Extremity", HouseDescriptionText, 2, "As the name implies, it is the house either of nothing or of everything.", 354},
    {"Fame", HouseDescriptionText, 3, "As the name implies, this house is mainly concerned with a person's fate and fame and prosperity.", 410},
    {"Wealth", HouseDescriptionText, 4, "As the name implies, the House of Wealth is the house that takes care of your wealth, career and finances.", 394},
    {"Kingly Position", HouseDescriptionText, 5, "House van Kingly Position is the house which shows the goals of a person.", 337},
    {"Sickly", HouseDescriptionText, 6, "The House of Sickly is one of the most difficult houses of the birth chart to deal with.", 535},
    {"Leader", HouseDescriptionText, 7, "As the name implies, this is the house of leadership.", 360},
};

// Whole words of the text, so "Sunday's" yields "Sunday" and "NorthEast" is not read as "East".
std::set<std::string> WordsOf(std::string_view text) {
    std::set<std::string> words;
    std::string word;
    for (char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            word += c;
        } else if (!word.empty()) {
            words.insert(word);
            word.clear();
        }
    }
    words.insert(word);
    return words;
}

std::set<std::string> Among(const std::set<std::string>& words, const std::set<std::string>& names) {
    std::set<std::string> found;
    for (const std::string& name : names) {
        if (words.contains(name)) {
            found.insert(name);
        }
    }
    return found;
}

TEST(BurmeseTexts, EachKeyStartsWithItsOpeningAndHasExactLength) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const std::string_view text = r.text(r.row);
        EXPECT_TRUE(text.starts_with(r.opening)) << text.substr(0, r.opening.size());
        EXPECT_EQ(CodePoints(text), r.length);
    }
}

TEST(BurmeseTexts, EachKeyIsOneParagraphEndingWithFullStop) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const std::string_view text = r.text(r.row);
        EXPECT_TRUE(prose::IsCleanParagraph(text)) << text;
        // The chart window drops the Garuda paragraph's last character, so every stop must exist.
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '.');
    }
}

TEST(BurmeseTexts, DaySignTextsNameTheirOwnDayAndDirectionOnly) {
    const std::set<std::string> days = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    const std::set<std::string> directions = {"North", "NorthEast", "East", "SouthEast",
                                              "South", "SouthWest", "West", "NorthWest"};
    struct Sign {
        int row;
        std::string day;
        std::string direction;
    };
    const Sign signs[] = {
        {1, "Sunday", "NorthEast"}, {2, "Monday", "East"},     {3, "Tuesday", "SouthEast"},
        {4, "Wednesday", "South"},  {5, "Wednesday", "NorthWest"}, {6, "Thursday", "West"},
        {7, "Friday", "North"},     {8, "Saturday", "SouthWest"},
    };
    for (const Sign& s : signs) {
        SCOPED_TRACE(s.row);
        const auto animal = WordsOf(DaySignAnimalText(s.row));
        EXPECT_EQ(Among(animal, days), std::set<std::string>{s.day});
        EXPECT_EQ(Among(animal, directions), std::set<std::string>{s.direction});
        EXPECT_EQ(Among(WordsOf(DaySignPlanetText(s.row)), days), std::set<std::string>{s.day});
    }
}

// Any planet can land in any house, so a house text must not speak for one planet.
TEST(BurmeseTexts, HouseTextsNameNoPlanet) {
    const std::set<std::string> planets = {"Sun",     "Moon",  "Mars",   "Mercury",
                                           "Jupiter", "Venus", "Saturn", "Rahu"};
    for (int house = 1; house <= 7; ++house) {
        SCOPED_TRACE(house);
        EXPECT_TRUE(Among(WordsOf(HouseDescriptionText(house)), planets).empty());
    }
}

// The report prints all seven houses together; the shared opening must not lead into the same words.
TEST(BurmeseTexts, AsTheNameImpliesHousesContinueDifferently) {
    constexpr std::string_view kShared = "As the name implies, ";
    std::map<std::string, int> afterShared;
    std::map<std::string, int> secondSentenceStart;
    for (const Row& r : kRows) {
        const std::string_view text = r.text(r.row);
        if (r.text != HouseDescriptionText || !r.opening.starts_with(kShared)) {
            continue;
        }
        SCOPED_TRACE(r.key);
        ASSERT_TRUE(text.starts_with(kShared));
        const std::string_view rest = text.substr(kShared.size());
        const auto [a, newAfter] = afterShared.emplace(std::string(rest.substr(0, 12)), r.row);
        EXPECT_TRUE(newAfter) << "same words as house " << a->second;
        const std::string_view second = Sentences(text).at(1);
        const auto [b, newSecond] =
            secondSentenceStart.emplace(std::string(second.substr(0, second.find(' '))), r.row);
        EXPECT_TRUE(newSecond) << "second sentence starts like house " << b->second << ": " << second;
    }
    EXPECT_EQ(afterShared.size(), 5u);
}

TEST(BurmeseTexts, NoSentenceIsRepeatedAcrossAllParagraphs) {
    std::map<std::string_view, const char*> firstSeenIn;
    for (const Row& r : kRows) {
        for (std::string_view sentence : Sentences(r.text(r.row))) {
            const auto [it, inserted] = firstSeenIn.emplace(sentence, r.key);
            EXPECT_TRUE(inserted) << r.key << " repeats a sentence from " << it->second << ": " << sentence;
        }
    }
}

TEST(BurmeseTexts, KeysOutsideEachTableAreEmpty) {
    struct Bounds {
        const char* table;
        Accessor text;
        int last;
    };
    const Bounds tables[] = {
        {"animal", DaySignAnimalText, 8},
        {"planet", DaySignPlanetText, 8},
        {"house", HouseDescriptionText, 7},
    };
    for (const Bounds& b : tables) {
        SCOPED_TRACE(b.table);
        EXPECT_FALSE(b.text(1).empty());
        EXPECT_FALSE(b.text(b.last).empty());
        for (int key : {0, -1, b.last + 1, INT_MIN, INT_MAX}) {
            EXPECT_TRUE(b.text(key).empty()) << "key " << key;
        }
    }
}

}  // namespace
