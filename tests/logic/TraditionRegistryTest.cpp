#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "common/logic/BirthDetailsRules.h"
#include "common/logic/SelectorOrder.h"
#include "common/logic/TextUtil.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra {
namespace {

TEST(TraditionRegistry, KeysAndExtensionsFindTheirTradition) {
    for (Tradition tradition : AllTraditions()) {
        const TraditionDescriptor& row = *tradition;
        SCOPED_TRACE(std::string(row.key));
        EXPECT_EQ(TraditionFromKey(row.key), tradition);
        EXPECT_EQ(TraditionOfRecord("folder/x." + std::string(row.extension)), tradition);
        // Letter case counts, and the dot is not needed.
        std::string upper(row.extension);
        for (char& ch : upper) ch = static_cast<char>(ch - 'a' + 'A');
        EXPECT_EQ(TraditionOfRecord("x." + upper), std::nullopt);
        EXPECT_EQ(TraditionOfRecord("x" + std::string(row.extension)), tradition);
        // A report saves what Open reads back: every line of the layout is one of the entries.
        EXPECT_LT(row.record.yearLine, row.record.lines);
        EXPECT_EQ(row.HasReport(), !row.dialogs.saveTitle.empty());
        EXPECT_EQ(row.HasReport(), row.commands.report != nullptr);
        ASSERT_NE(row.commands.reading, nullptr);
    }
    EXPECT_EQ(TraditionFromKey("Tibetan"), std::nullopt);
    EXPECT_EQ(TraditionOfRecord("x.txt"), std::nullopt);
}

// Two traditions with one key, extension or button index would each hide the other; two with
// one place would be laid over each other.
TEST(TraditionRegistry, NoTwoTraditionsShareAKeyAnExtensionAButtonOrAPlace) {
    std::set<std::string_view> keys;
    std::set<std::string_view> extensions;
    std::set<int> indices;
    std::set<int> places;
    for (Tradition tradition : AllTraditions()) {
        SCOPED_TRACE(std::string(tradition->key));
        EXPECT_TRUE(keys.insert(tradition->key).second);
        EXPECT_TRUE(extensions.insert(tradition->extension).second);
        EXPECT_TRUE(indices.insert(tradition->selector.index).second);
        if (tradition->selector.place) {
            EXPECT_TRUE(places.insert(*tradition->selector.place).second);
        }
    }
    // The buttons are a control array: indices 0 to n-1.
    ASSERT_FALSE(indices.empty());
    EXPECT_EQ(*indices.begin(), 0);
    EXPECT_EQ(*indices.rbegin(), static_cast<int>(AllTraditions().size()) - 1);
}

// The render command and the README picture each tradition with its example person; one the
// window refuses would leave the pictures without a reading.
TEST(TraditionRegistry, EveryExamplePersonIsAcceptedByTheirWindow) {
    for (Tradition tradition : AllTraditions()) {
        SCOPED_TRACE(std::string(tradition->key));
        const PanelRules& rules = tradition->panel;
        const ExamplePerson& person = tradition->example;
        PanelEntries entries = FreshPanelEntries(rules);
        entries.femaleSelected = rules.asksSex;
        FillPanelFromTexts(rules,
                           {.name = std::string(person.name),
                            .sex = std::nullopt,
                            .day = std::string(person.day),
                            .month = std::string(person.month),
                            .year = std::string(person.year)},
                           entries);
        EXPECT_EQ(entries.yearText, person.year);
        const auto failure = ValidateBirthDetails(rules, entries);
        EXPECT_FALSE(failure) << failure->message;
    }
}

// Descriptors that differ only in their selector entries.
struct SelectorCase {
    const char* name;
    std::vector<std::pair<int, std::optional<int>>> entries;  // index, place
    std::vector<int> byIndex;                                 // indices
    std::vector<int> onScreen;                                // indices
    friend void PrintTo(const SelectorCase& row, std::ostream* os) { *os << row.name; }
};

class SelectorOrders : public ::testing::TestWithParam<SelectorCase> {};

TEST_P(SelectorOrders, FollowIndexThenPlaceWithHiddenOnesLast) {
    const SelectorCase& row = GetParam();
    std::vector<TraditionDescriptor> descriptors(row.entries.size());
    std::vector<Tradition> traditions;
    for (std::size_t i = 0; i < row.entries.size(); ++i) {
        descriptors[i].selector.index = row.entries[i].first;
        descriptors[i].selector.place = row.entries[i].second;
    }
    for (const TraditionDescriptor& descriptor : descriptors) traditions.emplace_back(descriptor);
    const auto indices = [](const std::vector<Tradition>& order) {
        std::vector<int> list;
        for (Tradition tradition : order) list.push_back(tradition->selector.index);
        return list;
    };
    EXPECT_EQ(indices(InIndexOrder(traditions)), row.byIndex);
    EXPECT_EQ(indices(InScreenOrder(traditions)), row.onScreen);
}

INSTANTIATE_TEST_SUITE_P(
    , SelectorOrders,
    ::testing::Values(
        SelectorCase{"AllPlaced", {{2, 0}, {0, 2}, {1, 1}}, {0, 1, 2}, {2, 1, 0}},
        SelectorCase{"HiddenAfterThePlacedOnes", {{0, std::nullopt}, {1, 0}, {2, 3}, {3, 2},
                                                  {4, 1}},
                     {0, 1, 2, 3, 4}, {1, 4, 3, 2, 0}},
        SelectorCase{"TwoHiddenByIndex", {{3, std::nullopt}, {1, std::nullopt}, {2, 5}, {0, 7}},
                     {0, 1, 2, 3}, {2, 0, 1, 3}},
        SelectorCase{"PlacesNeedNotBeContiguous", {{0, 10}, {1, -1}}, {0, 1}, {1, 0}}),
    [](const ::testing::TestParamInfo<SelectorCase>& info) { return info.param.name; });

// The registry's own order on screen: the main window's row and panel.
TEST(ScreenOrder, OfTheRegistryPutsEveryShownTraditionBeforeEveryHiddenOne) {
    const std::vector<Tradition> order = InScreenOrder(AllTraditions());
    ASSERT_EQ(order.size(), AllTraditions().size());
    const auto firstHidden = std::ranges::find_if(
        order, [](Tradition tradition) { return !tradition->selector.place; });
    EXPECT_TRUE(std::all_of(firstHidden, order.end(),
                            [](Tradition tradition) { return !tradition->selector.place; }));
    EXPECT_NE(firstHidden, order.begin()) << "no tradition is shown";
}

TEST(ListInWords, JoinsWithCommasAndTheLastWord) {
    const struct {
        std::vector<std::string_view> words;
        const char* expected;
    } rows[] = {
        {{}, ""},
        {{"tibetan"}, "tibetan"},
        {{"a", "b"}, "a or b"},
        {{"a", "b", "c"}, "a, b or c"},
        {{"", "b", ""}, ", b or "},
    };
    for (const auto& row : rows) EXPECT_EQ(ListInWords(row.words, "or"), row.expected);
}

}  // namespace
}  // namespace oriastra
