#include "indonesian/logic/WetonTexts.h"

#include "ProseChecks.h"
#include "indonesian/logic/modJavaneseAstrology.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using oriastra::WetonText;

using prose::CodePoints;
using prose::IsCleanParagraph;
using prose::Sentences;

struct Row {
    std::string_view weekday;
    std::string_view marketDay;
    std::string_view opening;
    std::size_t length;
};

const Row kRows[] = {
    {"Minggu", "Legi", "You are very secretive and introvert by nature. You disclose", 863},
    {"Minggu", "Pahing", "According to the myths and legends of the Java people,", 565},
    {"Minggu", "Pon", "You are a sensitive, emotional and a soft-hearted person. Born", 714},
    {"Minggu", "Wage", "You are a kind, generous and a compassionate person by", 656},
    {"Minggu", "Kliwon", "Like the Minggu Legi folks, you are also a quiet", 639},
    {"Senin", "Legi", "You are just the opposite of Minggu Legi folks. Senin", 652},
    {"Senin", "Pahing", "Senin Pahing fellows are often referred to as the 'rough", 741},
    {"Senin", "Pon", "Born on Senin Pon you are unpredictable and contradictory in", 620},
    {"Senin", "Wage", "Senin Wage people are direct, outspoken, extrovert and express their", 678},
    {"Senin", "Kliwon", "Family and friends are your first and foremost priorities. People", 674},
    {"Selasa", "Legi", "The Selasa Legi folks are well-known for their strong, firm", 930},
    {"Selasa", "Pahing", "Selasa Pahing folks are basically sweet natured, easy going and", 427},
    {"Selasa", "Pon", "The Salasa Pon folks are well-known for their strong, firm", 643},
    {"Selasa", "Wage", "The Selasa Wage folks are well-known for their strong, firm", 728},
    {"Selasa", "Kliwon", "You are born a friendly person with a sweet and", 612},
    {"Rabu", "Legi", "Rabu Legi fellows are the strict followers of the social", 549},
    {"Rabu", "Pahing", "You are secretive and introvert by nature. You disclose yourself,", 529},
    {"Rabu", "Pon", "Rabu Pon folks are born as lucky individuals. You are", 423},
    {"Rabu", "Wage", "You are good hearted and friendly by nature. You love", 798},
    {"Rabu", "Kliwon", "Rabu Kliwon folks think more and act less. They spend", 516},
    {"Kemis", "Legi", "Kamis Legi folks generally live in their lofty visions and", 605},
    {"Kemis", "Pahing", "You are ambitious and determined. You are so very used", 433},
    {"Kemis", "Pon", "You are born with high ideals and respectable goals. You", 495},
    {"Kemis", "Wage", "Kemis Wage people are the well-known dreamers of the zodiac.", 633},
    {"Kemis", "Kliwon", "You always plan to get the big things of life.", 671},
    {"Jumat", "Legi", "Jumat Legi folks are well known for their honesty and", 537},
    {"Jumat", "Pahing", "You are a communicative person with an honest heart and", 483},
    {"Jumat", "Pon", "According to the myth of Javanese astrology, Jumat Pon people", 381},
    {"Jumat", "Wage", "Jumat Wage folks are well known for their honesty and", 654},
    {"Jumat", "Kliwon", "It is your patience and generosity that makes people like", 413},
    {"Sabtu", "Legi", "Born under this sign of Javanese astrology, you are a", 556},
    {"Sabtu", "Pahing", "You are a real stubborn and red-head fellow! But quite", 576},
    {"Sabtu", "Pon", "You are an egoistic person with a high self-respect. You", 581},
    {"Sabtu", "Wage", "You are 'forceful' and 'dynamic'. The Sabtu Wage folks are", 674},
    {"Sabtu", "Kliwon", "You are an overall impressive personality. It is because of", 651},
};

std::string KeyOf(const Row& r) { return std::string(r.weekday) + " " + std::string(r.marketDay); }

TEST(WetonTexts, EachWetonStartsWithItsOpeningAndHasExactLength) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(KeyOf(r));
        const std::string_view text = WetonText(r.weekday, r.marketDay);
        EXPECT_TRUE(text.starts_with(r.opening)) << text.substr(0, r.opening.size());
        EXPECT_EQ(CodePoints(text), r.length);
    }
}

TEST(WetonTexts, EachWetonIsOneCleanParagraph) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(KeyOf(r));
        EXPECT_TRUE(IsCleanParagraph(WetonText(r.weekday, r.marketDay)));
    }
}

// The near-twin openings (three Selasa, two Jumat, two "secretive and introvert") invite
// copying; a shared sentence anywhere means two wetons read alike.
TEST(WetonTexts, NoSentenceIsRepeatedAcrossTheTable) {
    std::map<std::string_view, std::string> firstSeenIn;
    for (const Row& r : kRows) {
        for (std::string_view sentence : Sentences(WetonText(r.weekday, r.marketDay))) {
            const auto [it, inserted] = firstSeenIn.emplace(sentence, KeyOf(r));
            EXPECT_TRUE(inserted) << KeyOf(r) << " repeats a sentence from " << it->second << ": "
                                  << sentence;
        }
    }
}

// Words a weton paragraph may only use about itself, each with the weekday or market day it
// belongs to: the day names in every spelling, the planet of the weekday, and the colour and
// compass point the old reckoning gives the market day. A weton comes round every 35 days, so a
// month belongs to none of them (an empty owner).
std::map<std::string, std::string, std::less<>> OwnerOfEachWatchedWord() {
    using oriastra::kEnglishWeekdays;
    using oriastra::kJavaneseWeekdays;
    std::map<std::string, std::string, std::less<>> owner;
    std::map<std::string_view, std::string_view> javaneseOfEnglish;
    for (std::size_t i = 0; i < kJavaneseWeekdays.size(); ++i) {
        const std::string javanese(kJavaneseWeekdays[i]);
        owner[javanese] = javanese;
        owner[std::string(kEnglishWeekdays[i])] = javanese;
        owner[std::string(kEnglishWeekdays[i]) + "s"] = javanese;
        javaneseOfEnglish[kEnglishWeekdays[i]] = kJavaneseWeekdays[i];
    }
    owner["Salasa"] = "Selasa";
    owner["Kamis"] = "Kemis";
    for (std::string_view market : oriastra::kMarketDays) owner[std::string(market)] = market;

    const std::pair<std::string_view, std::string_view> planets[] = {
        {"Sunday", "sun"},       {"Monday", "moon"},    {"Tuesday", "mars"},  {"Wednesday", "mercury"},
        {"Thursday", "jupiter"}, {"Friday", "venus"},   {"Saturday", "saturn"}};
    for (const auto& [english, planet] : planets) {
        EXPECT_TRUE(javaneseOfEnglish.contains(english)) << english;
        owner[std::string(planet)] = javaneseOfEnglish[english];
    }
    struct MarketLore {
        std::string_view marketDay;
        std::vector<std::string_view> words;
    };
    const MarketLore lore[] = {
        {"Legi", {"white", "east"}},  {"Pahing", {"red", "south"}}, {"Pon", {"yellow", "west"}},
        {"Wage", {"black", "north"}}, {"Kliwon", {"centre", "center"}}};
    for (const MarketLore& l : lore) {
        for (std::string_view word : l.words) owner[std::string(word)] = l.marketDay;
    }
    for (const char* month : {"January", "February", "March", "April", "May", "June", "July", "August",
                              "September", "October", "November", "December"}) {
        owner[month] = "";
    }
    return owner;
}

// Words as written (day names are told apart from English words by their capital: "Wage").
std::vector<std::string> LetterRuns(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// The reading window shows the weekday and market day beside the paragraph; a paragraph that
// names another day, or another day's planet, colour or direction, contradicts them. The fixed
// openings are left out: two of them compare the reader with Minggu Legi.
TEST(WetonTexts, ParagraphsNameOnlyTheirOwnDaysPlanetColourAndDirection) {
    const auto owner = OwnerOfEachWatchedWord();
    for (const Row& r : kRows) {
        SCOPED_TRACE(KeyOf(r));
        const std::string_view text = WetonText(r.weekday, r.marketDay);
        ASSERT_TRUE(text.starts_with(r.opening));
        for (const std::string& word : LetterRuns(text.substr(r.opening.size()))) {
            std::set<std::string> forms = {word};
            std::string lower = word;
            for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            forms.insert(lower);
            for (const std::string& form : forms) {
                const auto it = owner.find(form);
                if (it == owner.end()) continue;
                EXPECT_TRUE(it->second == r.weekday || it->second == r.marketDay)
                    << "names " << form << ", which belongs to "
                    << (it->second.empty() ? std::string("no weton") : it->second);
            }
        }
    }
}

// The paragraphs keep the older spellings where they open with them, but the keys never use them.
TEST(WetonTexts, OlderSpellingsStayInTextsButNotInKeys) {
    struct Spelling {
        std::string_view keyWeekday;
        std::string_view textWeekday;
        std::string_view marketDay;
    };
    const Spelling spellings[] = {
        {"Selasa", "Salasa", "Pon"},
        {"Kemis", "Kamis", "Legi"},
    };
    for (const Spelling& s : spellings) {
        SCOPED_TRACE(std::string(s.textWeekday) + " " + std::string(s.marketDay));
        const std::string_view text = WetonText(s.keyWeekday, s.marketDay);
        EXPECT_NE(text.substr(0, 20).find(s.textWeekday), std::string_view::npos) << text;
        EXPECT_TRUE(WetonText(s.textWeekday, s.marketDay).empty());
    }
}

TEST(WetonTexts, PairsOutsideTheTableAreEmpty) {
    const std::pair<std::string_view, std::string_view> unknown[] = {
        {"Kamis", "Legi"},    // spelling used in texts, not in keys
        {"minggu", "legi"},   // keys compare case-sensitively
        {"", ""},             // what a date outside the calendar tables yields
        {"Minggu", ""},
        {"", "Legi"},
        {"Legi", "Minggu"},   // swapped
        {"Minggu ", "Legi"},  // no trimming
        {"Sunday", "Legi"},   // English weekday
        {"Minggu", "Paing"},  // a common spelling of Pahing the keys do not use
    };
    for (const auto& [weekday, marketDay] : unknown) {
        EXPECT_TRUE(WetonText(weekday, marketDay).empty())
            << '"' << weekday << "\" \"" << marketDay << '"';
    }
}

}  // namespace
