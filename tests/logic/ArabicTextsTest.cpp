#include "arabic/logic/ArabicTexts.h"

#include "ProseChecks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using oriastra::ArabicSignText;

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

TEST(ArabicTexts, RowsOutsideTheTableAreEmpty) {
    for (int row : {-1, 12, 13, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(ArabicSignText(row).empty()) << "row " << row;
    }
}

}  // namespace
