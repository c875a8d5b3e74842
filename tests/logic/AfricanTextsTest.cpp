#include "african/logic/AfricanTexts.h"

#include "ProseChecks.h"
#include "african/logic/modAfricanAstrology.h"
#include "common/logic/Months.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using oriastra::AfricanSignText;

using prose::CodePoints;
using prose::Sentences;

struct Row {
    int row;
    const char* name;
    std::string_view opening;
    std::size_t length;
};

const Row kRows[] = {
    {0, "The Harvest In The Granary", "The Harvest In The Granary symbolizes abundance that brings about", 480},
    {1, "The Baobab Tree", "The Baobabs are highly instinctive. It is your powerful and", 518},
    {2, "The Wealth Of Amber And Silver", "The Wealth of Amber and Silvers are well-balanced folks. They", 539},
    {3, "The Family", "Family natives are very communicative and easy going people. They", 599},
    {4, "Small Services To The Neighborhood", "The characteristic traits and the overall personality of the people", 669},
    {5, "The Market", "Market people are noted by the others for their calmness", 626},
    {6, "The Ancestor", "Ancestor is considered to be one of the richest African", 481},
    {7, "The Judge", "This sign if often depicted by a strong and deep-rooted", 421},
    {8, "The Kola Nut", "Kola Nuts are the indispensable part of life who provide", 407},
    {9, "The Traveller", "Characterized with an excellent combination of fluctuation and permanence, the", 495},
    {10, "The Distance", "Distance folks are passionate of almost everything in life. They", 340},
    {11, "The Child Of The World", "The natives of The Child Of The World are highly", 570},
};

TEST(AfricanTexts, EachSignStartsWithItsOpeningAndHasExactLength) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.name);
        const std::string_view text = AfricanSignText(r.row);
        EXPECT_TRUE(text.starts_with(r.opening)) << text.substr(0, r.opening.size());
        EXPECT_EQ(CodePoints(text), r.length);
        EXPECT_TRUE(prose::IsCleanParagraph(text)) << text;
    }
}

// Words as written, capitals kept; a hyphen or apostrophe inside a word belongs to it.
std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string token;
    const auto part = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    };
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (part(c) || ((c == '-' || c == '\'') && !token.empty() && i + 1 < text.size() && part(text[i + 1]))) {
            token += c;
        } else if (!token.empty()) {
            tokens.push_back(token);
            token.clear();
        }
    }
    return tokens;
}

std::string Lower(std::string s) {
    for (char& c : s) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return s;
}

struct Number {
    int value;
    bool ordinal;
};

// "4", "4th", "four", "fourth", "twenty-one", "thirty-first": the numbers a day or a date can use.
std::optional<Number> NumberIn(const std::string& word) {
    static const std::map<std::string, Number> kWords = [] {
        const char* cardinals[] = {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
                                   "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen",
                                   "seventeen", "eighteen", "nineteen"};
        const char* ordinals[] = {"first", "second", "third", "fourth", "fifth", "sixth", "seventh",
                                  "eighth", "ninth", "tenth", "eleventh", "twelfth", "thirteenth",
                                  "fourteenth", "fifteenth", "sixteenth", "seventeenth", "eighteenth",
                                  "nineteenth"};
        std::map<std::string, Number> words;
        for (int n = 1; n <= 19; ++n) {
            words[cardinals[n - 1]] = {n, false};
            words[ordinals[n - 1]] = {n, true};
        }
        for (const auto& [tens, value] : {std::pair{"twenty", 20}, std::pair{"thirty", 30}}) {
            words[tens] = {value, false};
            words[std::string(tens).substr(0, std::string(tens).size() - 1) + "ieth"] = {value, true};
            for (int n = 1; n <= 9; ++n) {
                words[std::string(tens) + "-" + cardinals[n - 1]] = {value + n, false};
                words[std::string(tens) + "-" + ordinals[n - 1]] = {value + n, true};
            }
        }
        return words;
    }();
    const std::string lower = Lower(word);
    if (const auto it = kWords.find(lower); it != kWords.end()) return it->second;
    std::size_t digits = 0;
    while (digits < lower.size() && lower[digits] >= '0' && lower[digits] <= '9') ++digits;
    if (digits == 0 || digits > 2) return std::nullopt;
    const std::string suffix = lower.substr(digits);
    if (!suffix.empty() && suffix != "st" && suffix != "nd" && suffix != "rd" && suffix != "th") return std::nullopt;
    return Number{std::stoi(lower.substr(0, digits)), !suffix.empty()};
}

std::optional<int> MonthIn(const std::string& word) { return oriastra::MonthIndex(word); }

struct Date {
    int month;  // 0 = January
    int day;
    friend bool operator==(const Date&, const Date&) = default;
};

std::string Show(Date d) { return std::string(oriastra::kMonthNames[d.month]) + " " + std::to_string(d.day); }

// Body words of the sign table, and the everyday words that name the same parts.
const std::set<std::string> kNotBodyParts = {"the", "and", "system", "sensitive", "body", "parts", "organs"};
const std::map<std::string, std::string> kBodySynonyms = {
    {"bone", "bones"},     {"lung", "lungs"},      {"breath", "lungs"},    {"breathe", "lungs"},
    {"nerve", "nervous"},  {"nerves", "nervous"},  {"vein", "veins"},      {"heads", "head"},
    {"headache", "head"},  {"headaches", "head"},  {"kidney", "kidneys"},  {"foot", "feet"},
    {"joint", "joints"},   {"knee", "joints"},     {"knees", "joints"},    {"hearts", "heart"},
    {"bile", "gall"},      {"livers", "liver"},    {"throats", "throat"},
};

std::set<std::string> BodyWordsOf(std::string_view bodyParts) {
    std::set<std::string> words;
    for (const std::string& token : Tokens(bodyParts)) {
        if (!kNotBodyParts.contains(Lower(token))) words.insert(Lower(token));
    }
    return words;
}

// Everything a description states that the sign table can confirm or deny.
struct Facts {
    std::vector<std::string> items;  // "element Fire", "day Monday", "month May", "planet Mars", ...
    std::vector<Date> dates;
    std::vector<std::pair<Date, Date>> ranges;  // "from the 4th of May to the 3rd of June"
    std::vector<int> dayCounts;                 // "thirty days"
};

Facts ReadFacts(std::string_view text) {
    static const std::set<std::string> kElements = {"Water", "Air", "Earth", "Fire"};
    static const std::map<std::string, std::string> kElementWords = {
        {"watery", "Water"}, {"airy", "Air"}, {"earthy", "Earth"}, {"fiery", "Fire"}};
    static const std::set<std::string> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};
    // Capitals only: "the sun" over a field is weather, "the Sun" a planet.
    static const std::set<std::string> kPlanets = {"Sun",     "Moon",   "Mercury", "Venus",  "Mars", "Jupiter",
                                                   "Saturn",  "Uranus", "Neptune", "Pluto",  "Rahu", "Ketu"};
    static const std::set<std::string> kDirections = {
        "north",     "south",     "east",       "west",       "northern",  "southern",  "eastern",
        "western",   "northeast", "northwest",  "southeast",  "southwest", "north-east", "north-west",
        "south-east", "south-west"};
    std::set<std::string> bodyWords;
    for (const oriastra::AfricanSign& sign : oriastra::kAfricanSigns) bodyWords.merge(BodyWordsOf(sign.bodyParts));

    const std::vector<std::string> w = Tokens(text);
    const auto lower = [&](std::size_t i) { return i < w.size() ? Lower(w[i]) : std::string(); };
    // A date starting at token i: "fourth of December", "4 December" or "December 4"; `next` is
    // the token after it.
    const auto dateAt = [&](std::size_t i, std::size_t& next) -> std::optional<Date> {
        if (i + 1 >= w.size()) return std::nullopt;
        const auto number = NumberIn(w[i]);
        if (number && lower(i + 1) == "of" && i + 2 < w.size() && MonthIn(w[i + 2])) {
            next = i + 3;
            return Date{*MonthIn(w[i + 2]), number->value};
        }
        if (number && MonthIn(w[i + 1])) {
            next = i + 2;
            return Date{*MonthIn(w[i + 1]), number->value};
        }
        if (MonthIn(w[i]) && NumberIn(w[i + 1])) {
            next = i + 2;
            return Date{*MonthIn(w[i]), NumberIn(w[i + 1])->value};
        }
        return std::nullopt;
    };

    Facts facts;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const std::string& word = w[i];
        if (kElements.contains(word)) facts.items.push_back("element " + word);
        if (const auto it = kElementWords.find(lower(i)); it != kElementWords.end())
            facts.items.push_back("element " + it->second);
        if (kWeekdays.contains(word)) facts.items.push_back("day " + word);
        if (MonthIn(word)) facts.items.push_back("month " + word);
        if (kPlanets.contains(word)) facts.items.push_back("planet " + word);
        if (kDirections.contains(lower(i))) facts.items.push_back("direction " + lower(i));
        const std::string body = kBodySynonyms.contains(lower(i)) ? kBodySynonyms.at(lower(i)) : lower(i);
        if (bodyWords.contains(body)) facts.items.push_back("body " + body);
        const auto number = NumberIn(word);
        if (number && !number->ordinal && (lower(i + 1) == "days" || lower(i + 1) == "day"))
            facts.dayCounts.push_back(number->value);

        std::size_t after = 0;
        const std::optional<Date> date = dateAt(i, after);
        if (!date) continue;
        facts.dates.push_back(*date);
        static const std::set<std::string> kUntil = {"to", "and", "until", "till", "through"};
        if (kUntil.contains(lower(after))) {
            std::size_t second = after + 1;
            if (lower(second) == "the") ++second;
            std::size_t ignored = 0;
            if (const auto end = dateAt(second, ignored)) facts.ranges.emplace_back(*date, *end);
        }
    }
    return facts;
}

TEST(AfricanTexts, ReadingFactsFindsWhatTheProseStates) {
    const struct {
        std::string_view text;
        std::vector<std::string> items;
        std::vector<int> dayCounts;
        std::size_t dates;
        std::size_t ranges;
    } kCases[] = {
        {"Born between the fourth of December and the third of January.",
         {"month December", "month January"}, {}, 2, 1},
        {"From 5 April to May 4, thirty days in all.", {"month April", "month May"}, {30}, 2, 1},
        {"On the twenty-first of June, a fiery Tuesday.", {"month June", "element Fire", "day Tuesday"}, {}, 1, 0},
        {"The third day brings Mars from the east.", {"planet Mars", "direction east"}, {}, 0, 0},
        {"Headaches and tired knees; your heart.", {"body head", "body joints", "body heart"}, {}, 0, 0},
        {"Water, air and thirty-one days may pass.", {"element Water"}, {31}, 0, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        const Facts facts = ReadFacts(c.text);
        EXPECT_EQ(std::multiset<std::string>(facts.items.begin(), facts.items.end()),
                  std::multiset<std::string>(c.items.begin(), c.items.end()));
        EXPECT_EQ(facts.dayCounts, c.dayCounts);
        EXPECT_EQ(facts.dates.size(), c.dates);
        EXPECT_EQ(facts.ranges.size(), c.ranges);
    }
    const Facts range = ReadFacts("from the 4th of December to the 3rd of January");
    ASSERT_EQ(range.ranges.size(), 1U);
    EXPECT_EQ(range.ranges[0], std::pair(Date{11, 4}, Date{0, 3}));
}

// The days of one sign as the date rule gives them: first and last day, and how many days.
struct Span {
    Date first{};
    Date last{};
    int days = 0;      // in a year of 365 days
    int leapDays = 0;  // in a leap year
    std::set<std::string> months;
};

Span SpanOf(int row) {
    constexpr int kLeapMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<Date> year;
    for (int month = 0; month < 12; ++month) {
        for (int day = 1; day <= kLeapMonthDays[month]; ++day) year.push_back({month, day});
    }
    const auto signOf = [&](std::size_t i) {
        const Date d = year[i % year.size()];
        return oriastra::FindAfricanSign(oriastra::kMonthNames[d.month], d.day);
    };
    Span span;
    for (std::size_t i = 0; i < year.size(); ++i) {
        if (signOf(i) != row) continue;
        const Date d = year[i];
        if (signOf(i + year.size() - 1) != row) span.first = d;
        if (signOf(i + 1) != row) span.last = d;
        ++span.leapDays;
        if (!(d.month == 1 && d.day == 29)) ++span.days;
        span.months.insert(std::string(oriastra::kMonthNames[d.month]));
    }
    return span;
}

// The window prints the sign's element, lucky day, months and body parts beside the description,
// and the date rule decides which days are the sign's: whatever the prose states about any of
// these has to agree. The table names no planet or direction for any sign, so the prose may not.
TEST(AfricanTexts, WhatTheProseStatesAgreesWithTheSignTable) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.name);
        const oriastra::AfricanSign& sign = oriastra::kAfricanSigns[static_cast<std::size_t>(r.row)];
        ASSERT_EQ(sign.name, r.name);
        const Facts facts = ReadFacts(AfricanSignText(r.row));
        const Span span = SpanOf(r.row);
        std::set<std::string> months = span.months;
        for (const std::string& month : Tokens(sign.mostSuccessfulMonths))
            if (MonthIn(month)) months.insert(month);
        std::set<std::string> allowed = {"element " + std::string(sign.element), "day " + std::string(sign.luckyDay)};
        for (const std::string& month : months) allowed.insert("month " + month);
        for (const std::string& part : BodyWordsOf(sign.bodyParts)) allowed.insert("body " + part);

        for (const std::string& item : facts.items) EXPECT_TRUE(allowed.contains(item)) << item;
        for (const Date& date : facts.dates)
            EXPECT_EQ(oriastra::FindAfricanSign(oriastra::kMonthNames[date.month], date.day), r.row) << Show(date);
        for (const auto& [from, to] : facts.ranges) {
            EXPECT_EQ(Show(from), Show(span.first));
            EXPECT_EQ(Show(to), Show(span.last));
        }
        for (int count : facts.dayCounts) EXPECT_TRUE(count == span.days || count == span.leapDays) << count;
    }
}

TEST(AfricanTexts, NoSentenceIsRepeatedAcrossAllSigns) {
    std::map<std::string_view, const char*> firstSeenIn;
    for (const Row& r : kRows) {
        for (std::string_view sentence : Sentences(AfricanSignText(r.row))) {
            const auto [it, inserted] = firstSeenIn.emplace(sentence, r.name);
            EXPECT_TRUE(inserted) << r.name << " repeats a sentence from " << it->second << ": " << sentence;
        }
    }
}

TEST(AfricanTexts, RowsOutsideTheTableAreEmpty) {
    EXPECT_FALSE(AfricanSignText(0).empty());
    EXPECT_FALSE(AfricanSignText(11).empty());
    for (int row : {-1, 12, 13, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(AfricanSignText(row).empty()) << "row " << row;
    }
}

}  // namespace
