#include <gtest/gtest.h>

#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/logic/BirthDetailsRules.h"
#include "common/logic/Tradition.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "registry/logic/TraditionRegistry.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

PanelEntries Entry(const std::string& name, int month, int day, int year, bool male = true) {
    PanelEntries entries;
    entries.name = name;
    entries.monthPosition = month - 1;
    entries.dayPosition = day - 1;
    entries.yearText = std::to_string(year);
    entries.maleSelected = male;
    return entries;
}

struct RuleCase {
    const char* name;
    Tradition tradition;
    PanelEntries entries;
    const char* message;  // nullptr: accepted
    friend void PrintTo(const RuleCase& row, std::ostream* os) { *os << row.name; }
};

class ValidationRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ValidationRules, FirstBrokenRuleGivesItsMessage) {
    const RuleCase& rule = GetParam();
    const auto failure = ValidateBirthDetails(Describe(rule.tradition).panel, rule.entries);
    if (rule.message == nullptr) {
        EXPECT_FALSE(failure) << failure->message;
    } else {
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->message, rule.message);
    }
}

PanelEntries NoSex(PanelEntries entries) {
    entries.maleSelected = entries.femaleSelected = false;
    return entries;
}

INSTANTIATE_TEST_SUITE_P(
    AllWindows, ValidationRules,
    ::testing::Values(
        RuleCase{"Feb29In1932Passes", kTibetanTradition, Entry("Ann", 2, 29, 1932), nullptr},
        RuleCase{"Feb29In1931IsRefused", kTibetanTradition, Entry("Ann", 2, 29, 1931),
                 "Please Enter Correct Date Or Month!"},
        RuleCase{"Feb30InLeapYearIsRefused", kIndonesianTradition, Entry("Ann", 2, 30, 1904),
                 "Please Enter Correct Date Or Month!"},
        RuleCase{"Feb31IsRefused", kAfricanTradition, Entry("Ann", 2, 31, 1901),
                 "Please Enter Correct Date Or Month!"},
        RuleCase{"April31HasTheSpacedMessage", kArabicTradition, Entry("Ann", 4, 31, 1950),
                 "Please Enter Correct Date Or Month !"},
        RuleCase{"June31", kBurmeseTradition, Entry("Ann", 6, 31, 1950),
                 "Please Enter Correct Date Or Month !"},
        RuleCase{"September31", kTibetanTradition, Entry("Ann", 9, 31, 1950),
                 "Please Enter Correct Date Or Month !"},
        RuleCase{"November31", kAfricanTradition, Entry("Ann", 11, 31, 1950),
                 "Please Enter Correct Date Or Month !"},
        RuleCase{"March31Passes", kTibetanTradition, Entry("Ann", 3, 31, 1950), nullptr},
        RuleCase{"Feb29Of1900PassesByEveryFourthYear", kAfricanTradition,
                 Entry("Ann", 2, 29, 1900), nullptr},
        RuleCase{"Feb29Of1900InArabic", kArabicTradition, Entry("Ann", 2, 29, 1900), nullptr},
        RuleCase{"SpacesFailTibetan", kTibetanTradition, Entry("   ", 1, 1, 1950),
                 "Please Enter Your Name"},
        RuleCase{"SpacesFailAfrican", kAfricanTradition, Entry("   ", 1, 1, 1950),
                 "Please Enter Your Name"},
        RuleCase{"SpacesFailIndonesian", kIndonesianTradition, Entry("   ", 1, 1, 1950),
                 "Please Enter Your Name"},
        RuleCase{"SpacesPassArabic", kArabicTradition, Entry("   ", 1, 1, 1950), nullptr},
        RuleCase{"SpacesPassBurmese", kBurmeseTradition, Entry("   ", 1, 1, 1950), nullptr},
        RuleCase{"EmptyNameBurmese", kBurmeseTradition, Entry("", 2, 31, 1950),
                 "Please Enter Your Name !"},
        RuleCase{"EmptyNameBeforeImpossibleDate", kTibetanTradition, Entry("", 2, 31, 1950),
                 "Please Enter Your Name"},
        RuleCase{"SexBeforeDate", kTibetanTradition, NoSex(Entry("Ann", 2, 31, 1950)),
                 "Please Select Your Sex"},
        RuleCase{"NoSexAskedOutsideTibetan", kIndonesianTradition,
                 NoSex(Entry("Ann", 1, 1, 1950)), nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValidationRules, IconsAndFocusFollowTheWindow) {
    struct Row {
        Tradition tradition;
        MessageIcon icon;
        bool focusName;
    };
    for (const Row row : {Row{kTibetanTradition, MessageIcon::Error, false},
                          Row{kAfricanTradition, MessageIcon::Error, true},
                          Row{kIndonesianTradition, MessageIcon::Error, true},
                          Row{kArabicTradition, MessageIcon::Error, true},
                          Row{kBurmeseTradition, MessageIcon::Information, true}}) {
        const auto failure = ValidateBirthDetails(Describe(row.tradition).panel, Entry("", 1, 1, 1950));
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->icon, row.icon);
        EXPECT_EQ(failure->focusName, row.focusName);
        const auto date = ValidateBirthDetails(Describe(row.tradition).panel, Entry("A", 4, 31, 1950));
        EXPECT_EQ(date->icon, MessageIcon::Information);
        EXPECT_FALSE(date->focusName);
    }
}

TEST(StoreBirthDetails, TrimsNameAndReadsTheLists) {
    PanelEntries entries = Entry("  Tashi  ", 12, 31, 2030, false);
    entries.femaleSelected = true;
    const BirthDetails tibetan = StoreBirthDetails(Describe(kTibetanTradition).panel, entries);
    EXPECT_EQ(tibetan.name, "Tashi");
    EXPECT_EQ(tibetan.month, "December");
    EXPECT_EQ(tibetan.day, 31);
    EXPECT_EQ(tibetan.year, 2030);
    EXPECT_EQ(tibetan.sex, "Female");
    EXPECT_EQ(StoreBirthDetails(Describe(kBurmeseTradition).panel, Entry("   ", 1, 1, 1901)).name, "");
    EXPECT_EQ(StoreBirthDetails(Describe(kArabicTradition).panel, entries).sex, "");
}

TEST(YearLists, CoverEachWindowsRange) {
    struct Row {
        Tradition tradition;
        const char* first;
        const char* last;
        std::size_t count;
    };
    for (const Row row : {Row{kTibetanTradition, "1930", "2030", 101},
                          Row{kAfricanTradition, "1900", "2016", 117},
                          Row{kIndonesianTradition, "1901", "2036", 136},
                          Row{kArabicTradition, "1900", "2050", 151},
                          Row{kBurmeseTradition, "1901", "2050", 150}}) {
        const auto years = YearListEntries(Describe(row.tradition).panel);
        ASSERT_EQ(years.size(), row.count);
        EXPECT_EQ(years.front(), row.first);
        EXPECT_EQ(years.back(), row.last);
    }
    const auto days = DayListEntries();
    ASSERT_EQ(days.size(), 31U);
    EXPECT_EQ(days[0], "1");
    EXPECT_EQ(days[30], "31");
}

TEST(LettersOnlyKeys, CapitaliseLettersAndRefuseTheRest) {
    struct Row {
        char32_t typed;
        NameKeyVerdict verdict;
        char32_t inserted;
    };
    for (const Row row : {Row{U'a', NameKeyVerdict::Accept, U'A'},
                          Row{U'z', NameKeyVerdict::Accept, U'Z'},
                          Row{U'Q', NameKeyVerdict::Accept, U'Q'},
                          Row{U' ', NameKeyVerdict::Accept, U' '},
                          Row{U'\b', NameKeyVerdict::Accept, U'\b'},
                          Row{U'\r', NameKeyVerdict::Accept, U'\r'},
                          Row{U'1', NameKeyVerdict::Refuse, U'1'},
                          Row{U'-', NameKeyVerdict::Refuse, U'-'},
                          Row{U'\u00E9', NameKeyVerdict::Refuse, U'\u00E9'}}) {
        const NameKeyResult result = FilterLettersOnlyKey(row.typed);
        EXPECT_EQ(result.verdict, row.verdict) << static_cast<int>(row.typed);
        if (row.verdict == NameKeyVerdict::Accept) {
            EXPECT_EQ(result.key, row.inserted);
        }
    }
}

struct RecordFillCase {
    const char* name;
    PanelTexts texts;
    int dayPosition;
    int monthPosition;
    std::string yearText;
    friend void PrintTo(const RecordFillCase& row, std::ostream* os) { *os << row.name; }
};

PanelTexts Texts(std::string name, std::string day, std::string month, std::string year) {
    return {std::move(name), std::nullopt, std::move(day), std::move(month), std::move(year)};
}

class RecordFill : public testing::TestWithParam<RecordFillCase> {};

// The panel stands on 10 June 1950 before the record is opened; a list keeps that selection
// unless one of its entries is exactly the record's text.
TEST_P(RecordFill, ListsTakeOnlyTextsTheyHold) {
    const PanelRules& rules = Describe(kTibetanTradition).panel;
    PanelEntries entries{"Before", 5, 9, "1950", false, false};
    FillPanelFromTexts(rules, GetParam().texts, entries);
    EXPECT_EQ(entries.name, GetParam().texts.name.value_or("Before"));
    EXPECT_EQ(entries.dayPosition, GetParam().dayPosition);
    EXPECT_EQ(entries.monthPosition, GetParam().monthPosition);
    EXPECT_EQ(entries.yearText, GetParam().yearText);
}

INSTANTIATE_TEST_SUITE_P(
    Open, RecordFill,
    testing::Values(
        RecordFillCase{"AllInLists", Texts(" Ann ", "31", "December", "2030"), 30, 11, "2030"},
        RecordFillCase{"DayWithLeadingZero", Texts("A", "05", "May", "1990"), 9, 4, "1990"},
        RecordFillCase{"DayOutOfList", Texts("A", "32", "May", "1990"), 9, 4, "1990"},
        RecordFillCase{"MonthInLowerCase", Texts("A", "5", "may", "1990"), 4, 5, "1990"},
        RecordFillCase{"YearOutOfRange", Texts("A", "5", "May", "1800"), 4, 4, "1950"},
        RecordFillCase{"YearWithSpace", Texts("A", "5", "May", "1990 "), 4, 4, "1950"},
        RecordFillCase{"NoNameLineKeepsTheName", {std::nullopt, std::nullopt, "", "", ""}, 9, 5,
                       "1950"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordFill, OnlyExactMaleSelectsMaleAndAPanelWithoutSexIgnoresIt) {
    const std::pair<const char*, bool> cases[] = {
        {"Male", true},  {"Female", false}, {"", false},     {"male", false},
        {"MALE", false}, {" Male", false},  {"Male ", false}};
    for (const auto& [sex, male] : cases) {
        PanelEntries entries = FreshPanelEntries(Describe(kTibetanTradition).panel);
        FillPanelFromTexts(Describe(kTibetanTradition).panel, {"N", sex, "1", "May", "1990"},
                           entries);
        EXPECT_EQ(entries.maleSelected, male) << '"' << sex << '"';
        EXPECT_EQ(entries.femaleSelected, !male) << '"' << sex << '"';
    }
    PanelEntries burmese = FreshPanelEntries(Describe(kBurmeseTradition).panel);
    FillPanelFromTexts(Describe(kBurmeseTradition).panel, {"N", "Male", "1", "May", "1990"},
                       burmese);
    EXPECT_FALSE(burmese.maleSelected || burmese.femaleSelected);
}

TEST(FreshPanel, StandsOnTheFirstEntryOfEachList) {
    for (Tradition tradition : AllTraditions()) {
        const PanelRules& rules = Describe(tradition).panel;
        const PanelEntries entries = FreshPanelEntries(rules);
        EXPECT_EQ(entries.yearText, YearListEntries(rules).front());
        EXPECT_EQ(entries.dayPosition, 0);
        EXPECT_EQ(entries.monthPosition, 0);
        EXPECT_EQ(entries.name, "");
    }
}

}  // namespace
}  // namespace oriastra
