#include <gtest/gtest.h>

#include "common/logic/Months.h"

namespace oriastra {
namespace {

TEST(MonthIndex, IsExactAndCaseSensitive) {
    EXPECT_EQ(MonthIndex("January"), 0);
    EXPECT_EQ(MonthIndex("December"), 11);
    EXPECT_FALSE(MonthIndex("january"));
    EXPECT_FALSE(MonthIndex(" May"));
    EXPECT_FALSE(MonthIndex(""));
}

}  // namespace
}  // namespace oriastra
