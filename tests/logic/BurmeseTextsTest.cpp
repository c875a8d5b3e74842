#include "burmese/logic/BurmeseTexts.h"
#include "burmese/logic/modBurmese.h"

#include "ProseChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

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

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

// The names that stand in the text as whole words. Longer names are taken first, so
// "Tuskless Elephant" does not also count as "Elephant", and "Sun" is not found in "Sunday".
std::set<std::string> NamesIn(std::string text, std::vector<std::string> names) {
    std::ranges::sort(names, [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    std::set<std::string> found;
    for (const std::string& name : names) {
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
            const std::size_t end = at + name.size();
            if ((at > 0 && IsLetter(text[at - 1])) || (end < text.size() && IsLetter(text[end]))) continue;
            found.insert(name);
            text.replace(at, name.size(), name.size(), ' ');
        }
    }
    return found;
}

// Whether some word of the text begins with the root ("hast" finds "haste" and "hastily").
bool HasWordStartingWith(std::string_view lowerText, std::string_view root) {
    for (std::size_t at = lowerText.find(root); at != std::string_view::npos; at = lowerText.find(root, at + 1)) {
        if (at == 0 || !IsLetter(lowerText[at - 1])) return true;
    }
    return false;
}

// One column of the day sign table, row 1 first.
std::vector<std::string> Column(std::string_view oriastra::DaySign::*field) {
    std::vector<std::string> values;
    for (const oriastra::DaySign& sign : oriastra::kDaySigns) values.emplace_back(sign.*field);
    return values;
}

bool IsHouse(const Row& r) { return r.text == HouseDescriptionText; }

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

// The report prints the lucky direction as a field and any planet can sit in any house, so
// a text names only its own row's day, planet and animal, no direction at all, and a house
// text none of them. Rahu's text may also name the two lights it swallows at an eclipse.
TEST(BurmeseTexts, EachTextNamesOnlyWhatItsDaySignRowHolds) {
    const std::map<std::string, std::set<std::string>> alsoNamed = {{"Rahu", {"Sun", "Moon"}}};
    std::vector<std::string> directions = {"north", "south", "east", "west"};
    for (const std::string& direction : Column(&oriastra::DaySign::luckyDirection))
        directions.push_back(Lower(direction));
    const std::set<std::string> none;
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const std::string text(r.text(r.row));
        const auto days = NamesIn(text, Column(&oriastra::DaySign::birthDay));
        const auto planets = NamesIn(text, Column(&oriastra::DaySign::birthDayPlanet));
        const auto animals = NamesIn(text, Column(&oriastra::DaySign::animalSign));
        EXPECT_EQ(NamesIn(Lower(text), directions), none);
        if (IsHouse(r)) {
            EXPECT_EQ(days, none);
            EXPECT_EQ(planets, none);
            EXPECT_EQ(animals, none);
            continue;
        }
        const oriastra::DaySign& sign = oriastra::DaySignRow(r.row);
        const std::string planet(sign.birthDayPlanet);
        EXPECT_EQ(days, std::set<std::string>{std::string(sign.birthDay)});
        std::set<std::string> allowed = {planet};
        if (r.text == DaySignPlanetText) {
            EXPECT_TRUE(planets.contains(planet));
            if (const auto also = alsoNamed.find(planet); also != alsoNamed.end())
                allowed.insert(also->second.begin(), also->second.end());
        }
        for (const std::string& named : planets) EXPECT_TRUE(allowed.contains(named)) << named;
        for (const std::string& named : animals) EXPECT_EQ(named, sign.animalSign);
    }
}

// Wednesday is split at noon: a text that speaks of the time of day takes its own row's side,
// and no other text speaks of it.
TEST(BurmeseTexts, WednesdayTextsKeepToTheirSideOfNoon) {
    const int morning = *oriastra::FindDaySign(oriastra::kWednesday, false);
    const int afternoon = *oriastra::FindDaySign(oriastra::kWednesday, true);
    const struct {
        const char* phrase;
        bool afterNoon;
    } marks[] = {{"Wednesday morning", false}, {"before noon", false},  {"strikes noon", false},
                 {"afternoon", true},          {"after 12 noon", true}, {"after noon", true}};
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const std::string_view text = r.text(r.row);
        const bool wednesday = !IsHouse(r) && (r.row == morning || r.row == afternoon);
        int said = 0;
        for (const auto& mark : marks) {
            if (text.find(mark.phrase) == std::string_view::npos) continue;
            ++said;
            EXPECT_TRUE(wednesday) << mark.phrase;
            EXPECT_EQ(mark.afterNoon, r.row == afternoon) << mark.phrase;
        }
        // The animal paragraph is what tells the two Wednesday signs apart.
        if (wednesday && r.text == DaySignAnimalText) {
            EXPECT_GT(said, 0);
        }
    }
}

// Counts the prose gives ("eight signs from seven days", "split in two") against the tables.
TEST(BurmeseTexts, CountsInTheProseAgreeWithTheTables) {
    const std::map<std::string, std::size_t> numbers = {{"two", 2},   {"three", 3}, {"four", 4},
                                                        {"five", 5},  {"six", 6},   {"seven", 7},
                                                        {"eight", 8}, {"nine", 9},  {"ten", 10}};
    const std::vector<std::string> birthDays = Column(&oriastra::DaySign::birthDay);
    const auto wednesdayRows = std::ranges::count(birthDays, std::string(oriastra::kWednesday));
    // What follows the number, or for "split in", what comes before it.
    const struct {
        std::vector<std::string> words;
        bool numberFirst;
        std::size_t count;
    } counts[] = {
        {{"signs"}, true, oriastra::kDaySigns.size()},
        {{"houses"}, true, oriastra::HouseTexts{}.HouseName.size()},
        {{"days"}, true, std::set<std::string>(birthDays.begin(), birthDays.end()).size()},
        {{"split", "in"}, false, static_cast<std::size_t>(wednesdayRows)},
    };
    int checked = 0;
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const std::vector<std::string> words = prose::Words(r.text(r.row));
        for (std::size_t at = 0; at < words.size(); ++at) {
            for (const auto& c : counts) {
                const std::size_t number = c.numberFirst ? at : at + c.words.size();
                const std::size_t phrase = c.numberFirst ? at + 1 : at;
                if (number >= words.size() || phrase + c.words.size() > words.size() ||
                    !numbers.contains(words[number]) ||
                    !std::equal(c.words.begin(), c.words.end(), words.begin() + static_cast<long>(phrase)))
                    continue;
                ++checked;
                EXPECT_EQ(numbers.at(words[number]), c.count) << words[number] << ' ' << c.words.front();
            }
        }
    }
    EXPECT_GT(checked, 0);
}

// The paragraphs stand under the "Basic Characteristic Traits" line, so they show the traits
// at work instead of saying them again with words of the same root.
TEST(BurmeseTexts, DaySignTextsDoNotRepeatTheirTraitsLine) {
    const std::map<std::string, std::vector<std::string>> roots = {
        {"Powerful", {"power"}},          {"Forceful", {"force"}},
        {"Stubborn", {"stubborn"}},       {"Intelligent", {"intellig"}},
        {"Charming", {"charm"}},          {"Friendly", {"friend"}},
        {"Outspoken", {"outspoken"}},     {"Straightforward", {"straightforward"}},
        {"Short Tempered", {"temper"}},   {"Hasty", {"hast"}},
        {"Impatient", {"impatien"}},      {"Ambitious", {"ambiti"}},
        {"Patient", {"patien"}},          {"Cool Headed", {"cool", "level-headed"}},
        {"Sensitive", {"sensitiv"}},      {"Restless", {"restless"}},
        {"Talkative", {"talk", "chat"}},  {"Hard Working", {"hard work", "hard-work", "hardwork"}},
        {"Organizers", {"organi"}},
    };
    for (int row = 1; row <= static_cast<int>(oriastra::kDaySigns.size()); ++row) {
        const std::string_view traits = oriastra::DaySignRow(row).characteristic;
        for (std::size_t from = 0; from < traits.size();) {
            const std::size_t comma = std::min(traits.find(", ", from), traits.size());
            const std::string trait(traits.substr(from, comma - from));
            from = comma + 2;
            ASSERT_TRUE(roots.contains(trait)) << trait;
            for (Accessor text : {DaySignAnimalText, DaySignPlanetText}) {
                const std::string lower = Lower(text(row));
                for (const std::string& root : roots.at(trait))
                    EXPECT_FALSE(HasWordStartingWith(lower, root)) << "row " << row << ": " << root;
            }
        }
    }
}

// Every report prints all seven houses one after another.
TEST(BurmeseTexts, HousesShareNoFiveWords) {
    std::vector<std::vector<prose::ReportText>> houses;
    for (const Row& r : kRows) {
        if (IsHouse(r)) houses.push_back({{r.key, r.text(r.row), prose::Words(r.opening).size()}});
    }
    ASSERT_EQ(houses.size(), 7u);
    for (const std::string& run : prose::SharedRuns(houses)) ADD_FAILURE() << run;
}

// Closings are where a template creeps in ("Share the light with others and your success will
// be lasting"): no two share three words running, and none promises a reward for advice taken.
TEST(BurmeseTexts, ClosingsFollowNoCommonPattern) {
    std::map<std::string, const char*> runs;
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const std::string last(Sentences(r.text(r.row)).back());
        const std::size_t joined = last.find(" and ");
        EXPECT_TRUE(joined == std::string::npos || last.find(" will ", joined) == std::string::npos) << last;
        const std::vector<std::string> words = prose::Words(last);
        std::set<std::string> own;
        for (std::size_t at = 0; at + 3 <= words.size(); ++at) {
            const std::string run = words[at] + ' ' + words[at + 1] + ' ' + words[at + 2];
            if (!own.insert(run).second) continue;
            const auto [seen, first] = runs.emplace(run, r.key);
            EXPECT_TRUE(first) << "\"" << run << "\" also closes " << seen->second;
        }
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
