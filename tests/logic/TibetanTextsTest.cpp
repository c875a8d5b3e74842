#include "tibetan/logic/TibetanTexts.h"

#include "ProseChecks.h"
#include "common/logic/Months.h"
#include "tibetan/logic/modTibetanAstrology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Accessor = std::string_view (*)(int);

using oriastra::AnimalSignText;
using oriastra::ElementText;
using oriastra::WesternSignText;

using oriastra::kMonthNames;
using oriastra::kTibetanAnimals;
using oriastra::kTibetanElements;
using oriastra::kTibetanSunSigns;
using oriastra::TibetanSunSign;

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
    {"Aries", WesternSignText, 0, "The ancient astrologers have looked upon the Aries as a", 837},
    {"Taurus", WesternSignText, 1, "Pure Taureans tend to be earthy - 'slow but steady", 812},
    {"Gemini", WesternSignText, 2, "The zodiacal sign with the double sign is Gemini. A", 894},
    {"Cancer", WesternSignText, 3, "The psychological nature of the pure Cancerian resembles the physical", 943},
    {"Leo", WesternSignText, 4, "The pure Leo is well known for his/her strong commanding", 932},
    {"Virgo", WesternSignText, 5, "The Virgins are famous for their intelligence, precision and an", 1035},
    {"Libra", WesternSignText, 6, "For the Librans almost everything needs to be 'weighed in", 1265},
    {"Scorpio", WesternSignText, 7, "The Scorpio is believed to be one of the most", 972},
    {"Sagittarius", WesternSignText, 8, "Pure Sagittarians are the one who possess enormous potential. One", 956},
    {"Capricorn", WesternSignText, 9, "The pure Capricorn has many earthy qualities. Very rarely will", 908},
    {"Aquarius", WesternSignText, 10, "Aquarians have many things in common with the Sagittarians. Both", 1215},
    {"Pisces", WesternSignText, 11, "Pisces are sometimes described as 'the poet's sign'. In reality", 1055},
    {"Rat", AnimalSignText, 0, "Belonging to the category of middle animals, the Mouse is", 892},
    {"Ox", AnimalSignText, 1, "Patient, courageous, constant and conventional are the keywords that of", 967},
    {"Tiger", AnimalSignText, 2, "Lucky, dynamic, daring, restless and unpredictable are the keywords that", 927},
    {"Hare", AnimalSignText, 3, "Lucky, generous, charming, intelligent and artistic are the keywords which", 923},
    {"Dragon", AnimalSignText, 4, "Energetic, strong, prosperous and power broker are the keywords that", 907},
    {"Snake", AnimalSignText, 5, "Mysterious, wise, tenacious and self reliant are the keywords that", 826},
    {"Horse", AnimalSignText, 6, "Cheerful, adventurous, sociable, popular and changeable are the keywords which", 654},
    {"Sheep", AnimalSignText, 7, "Good, kind, intensive, gloomy and emotional are the keywords which", 840},
    {"Monkey", AnimalSignText, 8, "Clever, flexible, resourceful, charming and conceited are the keywords which", 881},
    {"Bird", AnimalSignText, 9, "Funny, witty, efficient and good performers are the keywords which", 664},
    {"Dog", AnimalSignText, 10, "Honestly affectionate, open minded, objective, fair and intelligent are the", 1075},
    {"Pig", AnimalSignText, 11, "Honest, decent, popular, merry and pleasure-seeking are the keywords which", 923},
    {"Earth", ElementText, 0, "Persons born under the earth element are very faithful, loyal", 371},
    {"Fire", ElementText, 1, "Like the element itself, fire people are very attractive and", 291},
    {"Water", ElementText, 2, "Water people are basically imaginative; some of the world famous", 408},
    {"Iron", ElementText, 3, "Metal folks are calculative human beings. Leading a simple, ordinary", 398},
    {"Wood", ElementText, 4, "If you are a classy artist or artisan then you", 423},
};

TEST(TibetanTexts, EachRowStartsWithItsOpeningAndHasExactLength) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const std::string_view text = r.text(r.row);
        EXPECT_TRUE(text.starts_with(r.opening)) << text.substr(0, r.opening.size());
        EXPECT_EQ(CodePoints(text), r.length);
    }
}

TEST(TibetanTexts, EachRowIsOneParagraphEndingWithFullStop) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const std::string_view text = r.text(r.row);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos);
        EXPECT_EQ(text.find("  "), std::string_view::npos);
        EXPECT_NE(text.front(), ' ');
        EXPECT_EQ(text.back(), '.');
    }
}

TEST(TibetanTexts, ClosingPassagesFollowTheEarlierProse) {
    struct Closing {
        const char* key;
        Accessor text;
        int row;
        std::string_view passage;
        bool isWholeEnding;
    };
    const Closing closings[] = {
        {"Virgo", WesternSignText, 5, "Virgos often lead a very happy, blissful and successful life.", true},
        {"Libra", WesternSignText, 6, "Comfort and luxury are the perfect keywords", false},
        {"Aquarius", WesternSignText, 10, "A long term relationship with the pure Aquarian is worth living.", false},
        {"Pisces", WesternSignText, 11, "Amiable, kindly, generous and occasionally a bit devious", false},
        {"Dog", AnimalSignText, 10, "But once you learn to trust the opposite person", false},
    };
    for (const Closing& c : closings) {
        SCOPED_TRACE(c.key);
        const std::string_view text = c.text(c.row);
        const std::string joined = ". " + std::string(c.passage);
        if (c.isWholeEnding) {
            EXPECT_TRUE(text.ends_with(joined));
        } else {
            const std::size_t at = text.rfind(joined);
            ASSERT_NE(at, std::string_view::npos);
            // A closing passage is the last two or three sentences, not something mid-paragraph.
            EXPECT_LE(Sentences(text.substr(at + 2)).size(), 3u);
        }
    }
}

TEST(TibetanTexts, SomeTextsUseTheOtherNameOfTheirAnimalOrElement) {
    struct Naming {
        const char* key;
        Accessor text;
        int row;
        std::string_view uses;
        std::string_view avoids;
    };
    const Naming namings[] = {
        {"Rat", AnimalSignText, 0, "Mouse", "Rat"},
        {"Hare", AnimalSignText, 3, "Rabbit", "Hare"},
        {"Bird", AnimalSignText, 9, "Rooster", "Bird"},
        {"Pig", AnimalSignText, 11, "Boar", "Pig"},
        {"Iron", ElementText, 3, "Metal", "Iron"},
        {"Iron, lower case", ElementText, 3, "Metal", "iron"},
    };
    for (const Naming& n : namings) {
        SCOPED_TRACE(n.key);
        const std::string_view text = n.text(n.row);
        EXPECT_NE(text.find(n.uses), std::string_view::npos);
        EXPECT_EQ(text.find(n.avoids), std::string_view::npos);
    }
}

TEST(TibetanTexts, NoSentenceIsRepeatedAcrossAllParagraphs) {
    std::map<std::string_view, const char*> firstSeenIn;
    for (const Row& r : kRows) {
        for (std::string_view sentence : Sentences(r.text(r.row))) {
            const auto [it, inserted] = firstSeenIn.emplace(sentence, r.key);
            EXPECT_TRUE(inserted) << r.key << " repeats a sentence from " << it->second << ": "
                                  << sentence;
        }
    }
}

// What the prose may name beside the fields the reading shows. The tables give the element,
// animal and sun sign dates; the planets, body parts, directions and seasons below are the
// traditional ones of each sign and element.
const std::map<std::string, std::set<std::string>> kRulers = {
    {"Aries", {"Mars"}},       {"Taurus", {"Venus"}},           {"Gemini", {"Mercury"}},
    {"Cancer", {"Moon"}},      {"Leo", {"Sun"}},                {"Virgo", {"Mercury"}},
    {"Libra", {"Venus"}},      {"Scorpio", {"Mars", "Pluto"}},  {"Sagittarius", {"Jupiter"}},
    {"Capricorn", {"Saturn"}}, {"Aquarius", {"Saturn", "Uranus"}}, {"Pisces", {"Neptune", "Jupiter"}},
};
const std::map<std::string, std::set<std::string>> kBodyParts = {
    {"Taurus", {"throat", "neck"}},   {"Gemini", {"shoulders", "lungs"}}, {"Cancer", {"chest", "stomach"}},
    {"Leo", {"spine"}},               {"Virgo", {"intestines"}},          {"Libra", {"kidneys"}},
    {"Sagittarius", {"hips", "thighs"}}, {"Capricorn", {"knees", "bones"}}, {"Aquarius", {"ankles", "shins"}},
    {"Pisces", {"feet"}},
};
const std::map<std::string, std::set<std::string>> kElementPlaces = {
    {"Earth", {}}, {"Fire", {"south", "summer"}}, {"Water", {"north", "winter"}},
    {"Iron", {"west", "autumn"}}, {"Wood", {"east", "spring"}},
};
const std::set<std::string> kPlanets = {"Sun",     "Moon",   "Mercury", "Venus",   "Mars",
                                        "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
const std::set<std::string> kAllBodyParts = {"throat", "neck",    "shoulders", "lungs", "chest",  "stomach",
                                             "spine",  "intestines", "kidneys", "hips", "thighs", "knees",
                                             "bones",  "ankles",  "shins",     "feet"};
const std::set<std::string> kPlaces = {"north", "south", "east", "west", "spring", "summer", "autumn", "winter"};
const std::set<std::string> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};

// Words as written: letters only, so "Saturn's" gives "Saturn" and "s".
std::vector<std::string> CasedWords(std::string_view text) {
    std::vector<std::string> words(1);
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u >= 0x80) {
            words.back() += c;
        } else if (!words.back().empty()) {
            words.emplace_back();
        }
    }
    if (words.back().empty()) words.pop_back();
    return words;
}

std::string Lower(std::string word) {
    for (char& c : word) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return word;
}

bool IsSunSign(const Row& r) { return r.text == WesternSignText; }

// The season of each month, January to December.
constexpr std::string_view kSeasonOfMonth[] = {"winter", "winter", "spring", "spring", "spring", "summer",
                                                "summer", "summer", "autumn", "autumn", "autumn", "winter"};

// Months in which the sun sign date rule gives this row's sign.
std::set<std::string> MonthsOfSunSign(int row) {
    std::set<std::string> months;
    for (std::string_view month : kMonthNames) {
        for (int day = 1; day <= 31; ++day) {
            if (TibetanSunSign(month, day) == kTibetanSunSigns[static_cast<std::size_t>(row)].tibetan)
                months.emplace(month);
        }
    }
    return months;
}

std::optional<int> DayNumber(const std::string& word) {
    static const std::vector<std::string> ordinals = {
        "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth", "ninth", "tenth",
        "eleventh", "twelfth", "thirteenth", "fourteenth", "fifteenth", "sixteenth", "seventeenth",
        "eighteenth", "nineteenth", "twentieth"};
    for (std::size_t i = 0; i < ordinals.size(); ++i) {
        if (Lower(word) == ordinals[i]) return static_cast<int>(i) + 1;
    }
    if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos && word.size() <= 2)
        return std::stoi(word);
    return std::nullopt;
}

// A planet, body part, direction or season in the prose belongs to the sign or element beside
// it: the sun sign's rulers and the parts it governs, the element's quarter and season. The
// animal and element texts name none of a sun sign's, so they never contradict the sign shown
// beside them.
TEST(TibetanTexts, PlanetsBodyPartsDirectionsAndSeasonsBelongToTheirOwnRow) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const bool sunSign = IsSunSign(r);
        std::set<std::string> planets;
        for (const std::string& word : CasedWords(r.text(r.row))) {
            if (kPlanets.contains(word)) planets.insert(word);
            if (kWeekdays.contains(word)) ADD_FAILURE() << "no weekday belongs to this tradition: " << word;
            const std::string lower = Lower(word);
            if (kAllBodyParts.contains(lower)) {
                EXPECT_TRUE(sunSign && kBodyParts.contains(r.key) && kBodyParts.at(r.key).contains(lower))
                    << lower;
            }
            if (kPlaces.contains(lower)) {
                std::set<std::string> allowed;
                if (kElementPlaces.contains(r.key) && r.text == ElementText) allowed = kElementPlaces.at(r.key);
                if (sunSign) {
                    for (const std::string& month : MonthsOfSunSign(r.row)) {
                        const auto index = oriastra::MonthIndex(month);
                        allowed.emplace(kSeasonOfMonth[static_cast<std::size_t>(*index)]);
                    }
                }
                EXPECT_TRUE(allowed.contains(lower)) << lower;
            }
        }
        if (sunSign) {
            EXPECT_EQ(planets, kRulers.at(r.key));
        } else {
            EXPECT_TRUE(planets.empty()) << planets.size() << " planets, first " << *planets.begin();
        }
    }
}

// An element text speaks of its own element only (Iron's as metal); the others name no
// element, since any sun sign and animal can stand beside any of the five.
TEST(TibetanTexts, OnlyTheElementTextNamesAnElement) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        std::set<std::string> allowed;
        if (r.text == ElementText) {
            const std::string own = Lower(std::string(kTibetanElements[static_cast<std::size_t>(r.row)]));
            allowed = {own == "iron" ? "metal" : own, "element", "elements"};
        } else if (IsSunSign(r)) {
            // The translation shown beside the sign may be echoed ("water bearer").
            for (const std::string& word :
                 CasedWords(kTibetanSunSigns[static_cast<std::size_t>(r.row)].translation))
                allowed.insert(Lower(word));
        }
        for (const std::string& word : CasedWords(r.text(r.row))) {
            const std::string lower = Lower(word);
            bool named = lower == "metal" || lower == "element" || lower == "elements";
            for (std::string_view element : kTibetanElements) named = named || lower == Lower(std::string(element));
            if (named) {
                EXPECT_TRUE(allowed.contains(lower)) << word;
            }
        }
    }
}

// An animal text may name its own animal and the two four years either side of it in the
// cycle, its traditional friends; no other text names an animal of the cycle.
TEST(TibetanTexts, AnimalsNamedAreTheOwnAnimalOrItsFriendsInTheCycle) {
    std::map<std::string, int> animalRow = {{"mouse", 0}, {"rabbit", 3}, {"rooster", 9}, {"boar", 11}};
    for (std::size_t row = 0; row < kTibetanAnimals.size(); ++row)
        animalRow[Lower(std::string(kTibetanAnimals[row]))] = static_cast<int>(row);
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        std::set<int> allowed;
        if (r.text == AnimalSignText) allowed = {r.row, (r.row + 4) % 12, (r.row + 8) % 12};
        for (const std::string& word : CasedWords(r.text(r.row))) {
            std::string lower = Lower(word);
            if (!animalRow.contains(lower) && lower.ends_with('s')) lower.pop_back();
            if (animalRow.contains(lower)) {
                EXPECT_TRUE(allowed.contains(animalRow.at(lower))) << word;
            }
        }
    }
}

// A month or date in a sun sign text falls within that sign under the date rule; other signs
// appear only in the openings the tables fix. Element and animal go by the year alone, so their
// texts name no month and no sign.
TEST(TibetanTexts, MonthsDatesAndSignsAgreeWithTheSunSignTable) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.key);
        const std::string_view text = r.text(r.row);
        const std::vector<std::string> words = CasedWords(text);
        const std::size_t openingWords = CasedWords(r.opening).size();
        const std::set<std::string> months = IsSunSign(r) ? MonthsOfSunSign(r.row) : std::set<std::string>{};
        for (std::size_t at = 0; at < words.size(); ++at) {
            const std::string& word = words[at];
            if (std::find(kMonthNames.begin(), kMonthNames.end(), word) != kMonthNames.end()) {
                EXPECT_TRUE(months.contains(word)) << word;
                // "12 April", "the twelfth of April", "April 12".
                std::vector<std::size_t> near;
                if (at >= 1) near.push_back(at - 1);
                if (at >= 2) near.push_back(at - 2);
                if (at + 1 < words.size()) near.push_back(at + 1);
                for (std::size_t other : near) {
                    const std::optional<int> day = DayNumber(words[other]);
                    if (!day) continue;
                    EXPECT_TRUE(IsSunSign(r)) << "a date in a text that goes by the year: " << word;
                    EXPECT_EQ(TibetanSunSign(word, *day), kTibetanSunSigns[static_cast<std::size_t>(r.row)].tibetan)
                        << *day << " " << word;
                }
            }
            for (std::size_t row = 0; row < kTibetanSunSigns.size(); ++row) {
                const std::string_view western = kTibetanSunSigns[row].western;
                const bool own = IsSunSign(r) && static_cast<int>(row) == r.row;
                if (!own && at >= openingWords && word.starts_with(western.substr(0, 4)))
                    ADD_FAILURE() << "names " << western << ": " << word;
            }
        }
    }
}

TEST(TibetanTexts, RowsOutsideEachTableAreEmpty) {
    struct Bounds {
        const char* table;
        Accessor text;
        int size;
    };
    const Bounds tables[] = {
        {"western", WesternSignText, 12},
        {"animal", AnimalSignText, 12},
        {"element", ElementText, 5},
    };
    for (const Bounds& b : tables) {
        SCOPED_TRACE(b.table);
        EXPECT_FALSE(b.text(b.size - 1).empty());
        for (int row : {-1, b.size, b.size + 1, INT_MIN, INT_MAX}) {
            EXPECT_TRUE(b.text(row).empty()) << "row " << row;
        }
    }
}

}  // namespace
