#include "tibetan/logic/TibetanTexts.h"

#include "ProseChecks.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Accessor = std::string_view (*)(int);

using oriastra::AnimalSignText;
using oriastra::ElementText;
using oriastra::WesternSignText;

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
