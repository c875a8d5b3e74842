#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/logic/SelectorOrder.h"
#include "common/logic/WindowId.h"
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

}  // namespace
}  // namespace oriastra
