#include "african/logic/AfricanTexts.h"

#include "ProseChecks.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace {

using oriastra::AfricanSignText;

using prose::CodePoints;
using prose::Sentences;

struct Row {
    int row;
    const char* name;
    std::string element;
    std::string luckyDay;
    std::set<std::string> months;
    std::string_view opening;
    std::size_t length;
};

const Row kRows[] = {
    {0, "The Harvest In The Granary", "Water", "Thursday", {"April", "December"}, "The Harvest In The Granary symbolizes abundance that brings about", 480},
    {1, "The Baobab Tree", "Air", "Thursday", {"January", "May"}, "The Baobabs are highly instinctive. It is your powerful and", 518},
    {2, "The Wealth Of Amber And Silver", "Air", "Wednesday", {"February", "June"}, "The Wealth of Amber and Silvers are well-balanced folks. They", 539},
    {3, "The Family", "Earth", "Tuesday", {"March", "July"}, "Family natives are very communicative and easy going people. They", 599},
    {4, "Small Services To The Neighborhood", "Earth", "Saturday", {"April", "August"}, "The characteristic traits and the overall personality of the people", 669},
    {5, "The Market", "Fire", "Sunday", {"May", "September"}, "Market people are noted by the others for their calmness", 626},
    {6, "The Ancestor", "Water", "Monday", {"June", "October"}, "Ancestor is considered to be one of the richest African", 481},
    {7, "The Judge", "Fire", "Tuesday", {"July", "November"}, "This sign if often depicted by a strong and deep-rooted", 421},
    {8, "The Kola Nut", "Earth", "Wednesday", {"August", "December"}, "Kola Nuts are the indispensable part of life who provide", 407},
    {9, "The Traveller", "Air", "Thursday", {"January", "September"}, "Characterized with an excellent combination of fluctuation and permanence, the", 495},
    {10, "The Distance", "Water", "Friday", {"February", "October"}, "Distance folks are passionate of almost everything in life. They", 340},
    {11, "The Child Of The World", "Fire", "Saturday", {"November", "March"}, "The natives of The Child Of The World are highly", 570},
};

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

TEST(AfricanTexts, EachSignStartsWithItsOpeningAndHasExactLength) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.name);
        const std::string_view text = AfricanSignText(r.row);
        EXPECT_TRUE(text.starts_with(r.opening)) << text.substr(0, r.opening.size());
        EXPECT_EQ(CodePoints(text), r.length);
        EXPECT_TRUE(prose::IsCleanParagraph(text)) << text;
    }
}

// The reading shows the short fields beside the description; a capitalised element, weekday or
// month in the prose has to agree with them.
TEST(AfricanTexts, DescriptionsNameNoOtherElementDayOrMonth) {
    const std::set<std::string> elements = {"Water", "Air", "Earth", "Fire"};
    const std::set<std::string> days = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    const std::set<std::string> months = {"January", "February", "March", "April", "May", "June", "July",
                                          "August", "September", "October", "November", "December"};
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.name);
        for (const std::string& word : WordsOf(AfricanSignText(r.row))) {
            if (elements.contains(word)) {
                EXPECT_EQ(word, r.element);
            }
            if (days.contains(word)) {
                EXPECT_EQ(word, r.luckyDay);
            }
            if (months.contains(word)) {
                EXPECT_TRUE(r.months.contains(word)) << word;
            }
        }
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
