#include "arabic/logic/ArabicTexts.h"
#include "arabic/logic/modArabicAstrology.h"

#include "ProseChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstddef>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using oriastra::ArabicSignText;
using oriastra::FindWesternSunSign;
using oriastra::LoadArabicSignTables;

using prose::CodePoints;
using prose::IsCleanParagraph;
using prose::Sentences;

// What sets a paragraph off from the one before it: nothing (the first), a single CR LF, or a
// blank line (CR LF CR LF).
enum class Joint { kFirst, kLine, kBlank };
constexpr Joint kFirst = Joint::kFirst;
constexpr Joint kLine = Joint::kLine;
constexpr Joint kBlank = Joint::kBlank;

struct Paragraph {
    Joint before;
    std::string_view opening;
    std::size_t length;
};

struct Row {
    const char* sign;
    int row;
    std::size_t total;
    std::vector<Paragraph> paragraphs;
};

const std::vector<Row> kRows = {
    {"Aries", 0, 1068,
     {{kFirst, "You are typically pioneers in thought and action,", 951},
      {kLine, "And you typically do not ever regret a", 115}}},
    {"Taurus", 1, 2050,
     {{kFirst, "As the second sign of the zodiac, this", 851},
      {kBlank, "However, temptations will be unable to sway our", 769},
      {kBlank, "Since you are under the influence of an", 422}}},
    {"Gemini", 2, 2318,
     {{kFirst, "The third sign in the zodiac, this is", 185},
      {kBlank, "However, the classic perception of this sign centers", 555},
      {kBlank, "The one thing that you love the most", 591},
      {kBlank, "You get easily bored with anyone or anything", 500},
      {kBlank, "You are like a chameleon, constantly changing colors", 471}}},
    {"Cancer", 3, 2878,
     {{kFirst, "This is the fourth sign of the zodiac,", 330},
      {kBlank, "You typically revel in living in the past,", 316},
      {kBlank, "The male or female of this sign typically", 912},
      {kLine, "One moment, you might be laughing garrulously, and", 180},
      {kBlank, "The best part about this sign lies in", 820},
      {kLine, "A woman will most enjoy a good meal", 304}}},
    {"Leo", 4, 3812,
     {{kFirst, "Of all the zodiac signs, you are traditionally", 966},
      {kBlank, "You love high thinking, a lavish lifestyle, and", 752},
      {kBlank, "You often think ahead of others, and your", 774},
      {kBlank, "In your professional lives, you are often the", 542},
      {kBlank, "In the field of romance, you are poor", 762}}},
    {"Virgo", 5, 2798,
     {{kFirst, "This sign is represented by the Virgin and", 828},
      {kBlank, "You have a steadfast liking for cleanliness. If", 932},
      {kBlank, "Conventional and reserved, the male/female appears to most", 491},
      {kBlank, "In the emotional people, you are almost like", 535}}},
    {"Libra", 6, 2669,
     {{kFirst, "This is the only sign of the zodiac", 483},
      {kBlank, "Apart from good looks, you are also very", 346},
      {kBlank, "You are also great lovers of peace and", 609},
      {kBlank, "You also tend to be more artistic rather", 503},
      {kBlank, "In the realm of your personal relationships, you", 712}}},
    {"Scorpio", 7, 3042,
     {{kFirst, "Children are taught, often at a very young", 828},
      {kBlank, "Beneath your calm and composed exteriors, Scorpios are", 806},
      {kBlank, "What most people feel is that you need", 896},
      {kBlank, "In the field of romantic ties, you are", 500}}},
    {"Sagittarius", 8, 3669,
     {{kFirst, "Persons belonging to this sign constantly love to", 820},
      {kBlank, "You are versatile and full of vibrant enthusiasm.", 477},
      {kLine, "You will speak your mind on any given", 740},
      {kBlank, "Your mind is told to be eternally thirsty", 837},
      {kBlank, "In the realm of personal relationships, you are", 781}}},
    {"Capricorn", 9, 3536,
     {{kFirst, "Part of the tenth sign of the zodiac,", 821},
      {kBlank, "You are very happy treading across fixed, time-tested", 511},
      {kBlank, "Apart from being labeled as efficient and industrious,", 880},
      {kLine, "What is greatly appreciated about them is that", 127},
      {kBlank, "You make very determined and efficient managers, and", 287},
      {kBlank, "In the area of love and romantic relationships,", 892}}},
    {"Aquarius", 10, 3369,
     {{kFirst, "If you meet a person and the first", 981},
      {kLine, "You are also far sighted and have a", 220},
      {kBlank, "You are known to be candid and frank,", 886},
      {kBlank, "You are born intelligent and are capable of", 746},
      {kBlank, "In the field of love and romance, you", 522}}},
    {"Pisces", 11, 3472,
     {{kFirst, "The typical individual of this sign is soft,", 912},
      {kLine, "A typical person of this sign would also", 177},
      {kBlank, "You are also extremely gifted individuals and you", 901},
      {kLine, "Unfortunately, your inertly timid nature prevents you from", 95},
      {kBlank, "On the whole, you are not exactly practical", 417},
      {kBlank, "In the professional sphere, you are very versatile", 363},
      {kBlank, "In some ways, an individual of this sign", 587}}},
};

struct Piece {
    Joint before;
    std::string_view text;
};

// Blank-line joints are taken before single ones, so CR LF CR LF never reads as two line joints.
// A stray third CR LF leaves an empty paragraph, which the cleanliness check then rejects.
std::vector<Piece> SplitAtJoints(std::string_view text) {
    std::vector<Piece> pieces;
    Joint before = kFirst;
    for (;;) {
        const std::size_t at = text.find("\r\n");
        pieces.push_back({before, text.substr(0, at)});
        if (at == std::string_view::npos) {
            return pieces;
        }
        const bool blank = text.substr(at).starts_with("\r\n\r\n");
        before = blank ? kBlank : kLine;
        text.remove_prefix(at + (blank ? 4 : 2));
    }
}

const char* JointName(Joint joint) {
    switch (joint) {
        case Joint::kFirst: return "none";
        case Joint::kLine: return "line break";
        case Joint::kBlank: return "blank line";
    }
    return "?";
}

TEST(ArabicTexts, EachParagraphHasItsOpeningLengthAndJoint) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.sign);
        const std::string_view text = ArabicSignText(r.row);
        EXPECT_EQ(CodePoints(text), r.total);
        const std::vector<Piece> pieces = SplitAtJoints(text);
        if (pieces.size() != r.paragraphs.size()) {
            ADD_FAILURE() << pieces.size() << " paragraphs instead of " << r.paragraphs.size();
            continue;
        }
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            SCOPED_TRACE("paragraph " + std::to_string(i + 1));
            const Paragraph& want = r.paragraphs[i];
            const std::string_view got = pieces[i].text;
            EXPECT_STREQ(JointName(pieces[i].before), JointName(want.before));
            EXPECT_TRUE(got.starts_with(want.opening)) << got.substr(0, want.opening.size());
            EXPECT_EQ(CodePoints(got), want.length);
            EXPECT_TRUE(IsCleanParagraph(got)) << got;
        }
    }
}

TEST(ArabicTexts, NoDescriptionStartsOrEndsWithSpaceOrLineBreak) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.sign);
        const std::string_view text = ArabicSignText(r.row);
        if (text.empty()) {
            ADD_FAILURE() << "no description";
            continue;
        }
        EXPECT_FALSE(std::isspace(static_cast<unsigned char>(text.front())));
        EXPECT_FALSE(std::isspace(static_cast<unsigned char>(text.back())));
        EXPECT_EQ(text.back(), '.');
    }
}

TEST(ArabicTexts, NoSentenceIsRepeatedAcrossTheTable) {
    std::map<std::string_view, std::string> firstSeenIn;
    for (const Row& r : kRows) {
        const std::vector<Piece> pieces = SplitAtJoints(ArabicSignText(r.row));
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const std::string where = std::string(r.sign) + " paragraph " + std::to_string(i + 1);
            for (std::string_view sentence : Sentences(pieces[i].text)) {
                const auto [it, inserted] = firstSeenIn.emplace(sentence, where);
                EXPECT_TRUE(inserted) << where << " repeats a sentence from " << it->second
                                      << ": " << sentence;
            }
        }
    }
}

// What the prose may say of a sign besides its names and dates. The lucky weekday is the day
// of the first ruler, so a text that names another planet or day contradicts its own sign.
struct Lore {
    std::string_view element;
    std::string_view quality;
    std::vector<std::string_view> rulers;
    std::set<std::string_view> body;
};

const std::array<Lore, 12> kLore = {{
    {"fire", "cardinal", {"Mars"}, {"head", "face"}},
    {"earth", "fixed", {"Venus"}, {"throat", "neck"}},
    {"air", "mutable", {"Mercury"}, {"arms", "hands", "shoulders", "lungs"}},
    {"water", "cardinal", {"Moon"}, {"breast", "stomach"}},
    {"fire", "fixed", {"Sun"}, {"heart", "spine", "back"}},
    {"earth", "mutable", {"Mercury"}, {"intestines", "digestive"}},
    {"air", "cardinal", {"Venus"}, {"kidneys", "back"}},
    {"water", "fixed", {"Mars", "Pluto"}, {"groin"}},
    {"fire", "mutable", {"Jupiter"}, {"hips", "thighs", "liver"}},
    {"earth", "cardinal", {"Saturn"}, {"knees", "bones", "skin"}},
    {"air", "fixed", {"Saturn", "Uranus"}, {"ankles", "circulation", "blood"}},
    {"water", "mutable", {"Jupiter", "Neptune"}, {"feet"}},
}};

const std::map<std::string_view, std::string_view> kDayOfPlanet = {
    {"Sun", "Sunday"},       {"Moon", "Monday"},     {"Mars", "Tuesday"}, {"Mercury", "Wednesday"},
    {"Jupiter", "Thursday"}, {"Venus", "Friday"},    {"Saturn", "Saturday"}};
const std::set<std::string_view> kPlanets = {"Sun",     "Moon",   "Mercury", "Venus",   "Mars",
                                             "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
const std::set<std::string_view> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};
const std::array<std::string_view, 12> kMonths = {"January", "February", "March",     "April",
                                                  "May",     "June",     "July",      "August",
                                                  "September", "October", "November", "December"};
const std::set<std::string_view> kElements = {"fire", "earth", "air", "water"};
const std::set<std::string_view> kQualities = {"cardinal", "fixed", "mutable"};
const std::set<std::string_view> kBodyWords = {
    "head",  "face",   "throat", "neck",  "arms",  "hands", "shoulders", "lungs",
    "breast", "stomach", "heart", "spine", "back", "intestines", "digestive", "kidneys",
    "groin", "hips",   "thighs", "liver", "knees", "bones", "skin",      "ankles",
    "circulation", "blood", "feet"};

// Words as written, letter case kept; a hyphen or apostrophe inside a word belongs to it.
std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string word;
    const auto letter = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool joins = (text[i] == '-' || text[i] == '\'') && !word.empty() &&
                           i + 1 < text.size() && letter(text[i + 1]);
        if (letter(text[i]) || joins) {
            word += text[i];
        } else if (!word.empty()) {
            tokens.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) tokens.push_back(word);
    return tokens;
}

std::string Lower(std::string_view word) {
    std::string lower(word);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// A day of the month as the prose writes it: "21", "21st" or "twenty-first".
std::optional<int> DayNumber(std::string_view word) {
    static const std::map<std::string, int> kOrdinals = [] {
        const char* units[] = {"first", "second", "third",   "fourth", "fifth",
                               "sixth", "seventh", "eighth", "ninth"};
        const char* teens[] = {"tenth",     "eleventh",  "twelfth",     "thirteenth", "fourteenth",
                               "fifteenth", "sixteenth", "seventeenth", "eighteenth", "nineteenth"};
        std::map<std::string, int> ordinals;
        for (int n = 1; n <= 9; ++n) ordinals[units[n - 1]] = n;
        for (int n = 10; n <= 19; ++n) ordinals[teens[n - 10]] = n;
        ordinals["twentieth"] = 20;
        ordinals["thirtieth"] = 30;
        for (int n = 1; n <= 9; ++n) ordinals[std::string("twenty-") + units[n - 1]] = 20 + n;
        ordinals["thirty-first"] = 31;
        return ordinals;
    }();
    const std::string lower = Lower(word);
    if (const auto it = kOrdinals.find(lower); it != kOrdinals.end()) return it->second;
    std::size_t digits = 0;
    while (digits < lower.size() && std::isdigit(static_cast<unsigned char>(lower[digits]))) ++digits;
    const std::string_view rest = std::string_view(lower).substr(digits);
    if (digits == 0 || digits > 2 || !(rest.empty() || rest == "st" || rest == "nd" ||
                                       rest == "rd" || rest == "th")) {
        return std::nullopt;
    }
    return std::stoi(lower.substr(0, digits));
}

bool IsMonth(std::string_view word) {
    return std::find(kMonths.begin(), kMonths.end(), word) != kMonths.end();
}

struct Date {
    std::string month;
    int day;
};

// "twenty-first of October", "21 October", "October 21st".
std::vector<Date> DatesIn(const std::vector<std::string>& t) {
    std::vector<Date> dates;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        const auto day = DayNumber(t[i]);
        if (day && i + 2 < t.size() && Lower(t[i + 1]) == "of" && IsMonth(t[i + 2])) {
            dates.push_back({t[i + 2], *day});
        } else if (day && IsMonth(t[i + 1])) {
            dates.push_back({t[i + 1], *day});
        } else if (IsMonth(t[i]) && DayNumber(t[i + 1])) {
            dates.push_back({t[i], *DayNumber(t[i + 1])});
        }
    }
    return dates;
}

std::optional<std::string_view> SignOn(const std::string& month, int day) {
    return FindWesternSunSign(month, static_cast<std::int16_t>(day));
}

// A date range in a description runs from the sign's first day to its last, as the date rule
// has them; a month named alone is one the sign touches.
TEST(ArabicTexts, DatesAndMonthsInTheProseFollowTheDateRule) {
    const auto tables = LoadArabicSignTables();
    std::size_t datesSeen = 0;
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.sign);
        const std::string_view sign = tables.westernNames[static_cast<std::size_t>(r.row)];
        const std::vector<std::string> tokens = Tokens(ArabicSignText(r.row));
        const std::vector<Date> dates = DatesIn(tokens);
        datesSeen += dates.size();
        for (std::size_t i = 0; i < dates.size(); ++i) {
            const Date& d = dates[i];
            const std::string said = std::to_string(d.day) + " " + d.month;
            EXPECT_EQ(SignOn(d.month, d.day), sign) << said << " is not in the sign";
            if (i == 0) {
                EXPECT_NE(SignOn(d.month, d.day - 1), sign) << said << " is not its first day";
            }
            if (i + 1 == dates.size() && dates.size() > 1) {
                EXPECT_NE(SignOn(d.month, d.day + 1), sign) << said << " is not its last day";
            }
        }
        for (const std::string& word : tokens) {
            if (!IsMonth(word) || word == "May") continue;  // "May" may be the verb
            EXPECT_TRUE(SignOn(word, 1) == sign || SignOn(word, 31) == sign) << word;
        }
    }
    EXPECT_GE(datesSeen, 10U) << "the date ranges were not found at all";
}

// Elements, qualities, planets, weekdays, ruled body parts, sign numbers and the Arabic names of
// other rows: whatever a description says of these must be its own sign's.
TEST(ArabicTexts, ProseAgreesWithItsSignsElementRulerDayBodyAndNames) {
    const auto tables = LoadArabicSignTables();
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.sign);
        const auto row = static_cast<std::size_t>(r.row);
        const Lore& lore = kLore[row];
        const std::string_view text = ArabicSignText(r.row);
        const std::vector<std::string> t = Tokens(text);
        const std::string_view luckyDay = kDayOfPlanet.at(lore.rulers.front());
        for (std::size_t i = 0; i < t.size(); ++i) {
            const std::string w = Lower(t[i]);
            const std::string next = i + 1 < t.size() ? Lower(t[i + 1]) : "";
            const bool denied = i >= 2 && Lower(t[i - 2]) == "not";  // "not a water sign"
            if (kElements.contains(w) && !denied &&
                (next == "sign" || next == "element" || (i >= 2 && Lower(t[i - 2]) == "element"))) {
                EXPECT_EQ(w, lore.element) << "at word " << i;
            }
            const bool signFollows = next == "sign" || (i + 2 < t.size() && Lower(t[i + 2]) == "sign");
            if (kQualities.contains(w) && signFollows) {
                EXPECT_EQ(w, lore.quality) << "at word " << i;
            }
            std::string_view base = t[i];  // "Jupiter's day" names Jupiter
            if (base.ends_with("'s")) base.remove_suffix(2);
            if (kPlanets.contains(base)) {
                EXPECT_TRUE(std::find(lore.rulers.begin(), lore.rulers.end(), base) != lore.rulers.end())
                    << base << " does not rule this sign";
            }
            if (kWeekdays.contains(base)) {
                EXPECT_EQ(base, luckyDay);
            }
            // "the twelfth and last sign": the number counts from Aries.
            const auto number = DayNumber(t[i]);
            const bool numbersSign =
                number && *number <= 12 && !std::isdigit(static_cast<unsigned char>(t[i][0])) &&
                (next == "sign" || (i + 3 < t.size() && Lower(t[i + 3]) == "sign"));
            if (numbersSign) {
                EXPECT_EQ(*number, r.row + 1) << t[i];
            }
        }
        for (std::string_view sentence : Sentences(text)) {
            const std::vector<std::string> words = Tokens(sentence);
            const bool rules = std::any_of(words.begin(), words.end(), [](const std::string& w) {
                return w == "rule" || w == "rules" || w == "ruled" || w == "governs" || w == "watches";
            });
            if (!rules) continue;
            for (const std::string& w : words) {
                if (kBodyWords.contains(Lower(w))) {
                    EXPECT_TRUE(lore.body.contains(Lower(w))) << sentence;
                }
            }
        }
        for (std::size_t other = 0; other < tables.arabicNames.size(); ++other) {
            if (other == row) continue;
            for (std::string_view name : {tables.arabicNames[other], tables.phoneticNames[other]}) {
                const std::vector<std::string> nameWords = Tokens(name);
                EXPECT_TRUE(std::search(t.begin(), t.end(), nameWords.begin(), nameWords.end()) == t.end())
                    << "names " << name;
            }
        }
    }
}

TEST(ArabicTexts, RowsOutsideTheTableAreEmpty) {
    for (int row : {-1, 12, 13, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(ArabicSignText(row).empty()) << "row " << row;
    }
}

}  // namespace
