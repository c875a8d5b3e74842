#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/logic/WindowId.h"

#include "common/logic/SelectorOrder.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra {
namespace {

std::string Name(WindowId id) {
    const char* roles[] = {"Main", "Display", "Save"};
    std::string tradition(TraditionKey(id.tradition));
    tradition[0] = static_cast<char>(tradition[0] - 'a' + 'A');
    return "frm" + tradition + "Astrology" + roles[static_cast<int>(id.role)];
}

TEST(TraditionCloseOrder, IsTheNineteenClosingsOfTheMainWindow) {
    const std::vector<std::string> expected = {
        "frmAfricanAstrologyDisplay",    "frmAfricanAstrologyMain",
        "frmAfricanAstrologySave",       "frmArabicAstrologyDisplay",
        "frmArabicAstrologyMain",        "frmBurmeseAstrologyDisplay",
        "frmBurmeseAstrologyMain",       "frmBurmeseAstrologySave",
        "frmIndonesianAstrologyDisplay", "frmIndonesianAstrologyMain",
        "frmIndonesianAstrologySave",    "frmTibetanAstrologyDisplay",
        "frmTibetanAstrologyMain",       "frmTibetanAstrologySave",
        "frmAfricanAstrologyDisplay",    "frmArabicAstrologyDisplay",
        "frmBurmeseAstrologyDisplay",    "frmIndonesianAstrologyDisplay",
        "frmTibetanAstrologyDisplay"};
    std::vector<std::string> order;
    for (WindowId id : TraditionCloseOrder(InIndexOrder(AllTraditions()))) order.push_back(Name(id));
    EXPECT_EQ(order, expected);
}

TEST(TraditionDescriptor, KeysAndExtensionsFindTheirTradition) {
    for (Tradition tradition : AllTraditions()) {
        const TraditionDescriptor& row = Describe(tradition);
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
    }
    EXPECT_EQ(TraditionFromKey("Tibetan"), std::nullopt);
    EXPECT_EQ(TraditionOfRecord("x.txt"), std::nullopt);
}

}  // namespace
}  // namespace oriastra
