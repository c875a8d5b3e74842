#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "african/logic/AfricanTradition.h"
#include "arabic/logic/ArabicTradition.h"
#include "burmese/logic/BurmeseTradition.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RecordLayout.h"
#include "common/logic/Tradition.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "tibetan/logic/TibetanTradition.h"

namespace oriastra {
namespace {

using Lines = std::vector<std::string>;

struct LayoutCase {
    const char* name;
    Tradition tradition;
    BirthDetails details;
    std::string answer;
    Lines values;  // what a save writes, line by line
    friend void PrintTo(const LayoutCase& row, std::ostream* os) { *os << row.name; }
};

const LayoutCase kLayouts[] = {
    {"Tibetan", kTibetanTradition, {"Karma Yeshe", 1975, "March", 5, "Male"}, "",
     {"Karma Yeshe", "Male", "5", "March", "1975"}},
    {"Burmese", kBurmeseTradition, {"JOHN", 1990, "January", 5, ""}, "True",
     {"JOHN", "5", "January", "1990", "True"}},
    {"Indonesian", kIndonesianTradition, {"Sri", 1980, "February", 29, ""}, "",
     {"Sri", "29", "February", "1980"}},
    {"African", kAfricanTradition, {"Ama", 1900, "December", 31, ""}, "",
     {"Ama", "31", "December", "1900"}},
};

class RecordLayouts : public testing::TestWithParam<LayoutCase> {};

TEST_P(RecordLayouts, SaveWritesTheLinesInTheirOrderAndOpenSortsThemBack) {
    const LayoutCase& row = GetParam();
    const RecordLayout& layout = Describe(row.tradition).record;
    EXPECT_EQ(RecordValues(layout, row.details, row.answer), row.values);

    const RecordEntries read = ReadRecordEntries(layout, row.values);
    EXPECT_EQ(read.panel.name, row.details.name);
    EXPECT_EQ(read.panel.day, std::to_string(row.details.day));
    EXPECT_EQ(read.panel.month, row.details.month);
    EXPECT_EQ(read.panel.year, std::to_string(row.details.year));
    EXPECT_EQ(read.panel.sex.has_value(), row.tradition == kTibetanTradition);
    EXPECT_EQ(read.answer.has_value(), row.tradition == kBurmeseTradition);
    if (read.answer) {
        EXPECT_EQ(*read.answer, row.answer);
    }
}

TEST_P(RecordLayouts, MissingLinesReadAsEmpty) {
    const RecordLayout& layout = Describe(GetParam().tradition).record;
    const RecordEntries read = ReadRecordEntries(layout, {"Name", "x"});
    EXPECT_EQ(read.panel.name, "Name");
    EXPECT_EQ(read.panel.month, "");
    EXPECT_EQ(read.panel.year, "");
    if (read.answer) {
        EXPECT_EQ(*read.answer, "");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTraditionWithRecords, RecordLayouts, testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumerologyRecord, GivesOnlyTheDateFromLinesFourToSix) {
    const RecordLayout& layout = Describe(kArabicTradition).record;
    const RecordEntries read =
        ReadRecordEntries(layout, {"Nadia", "x", "y", "March", "21", "1975", "more"});
    EXPECT_FALSE(read.panel.name.has_value()) << "the name box keeps what it holds";
    EXPECT_EQ(read.panel.month, "March");
    EXPECT_EQ(read.panel.day, "21");
    EXPECT_EQ(read.panel.year, "1975");
}

class RecordFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ =
            std::filesystem::temp_directory_path() / ("oriastra-rec-" + std::to_string(stamp));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(RecordFileOnDisk, TibetanRecordBytesAndRoundTrip) {
    const BirthDetails details{"Pema", 2004, "May", 31, "Female"};
    const std::filesystem::path path = folder_ / "pema.tib";
    const RecordLayout& layout = Describe(kTibetanTradition).record;
    ASSERT_TRUE(WriteRecordFile(path, RecordValues(layout, details)));

    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    // Every character shifted up by 85 in code page 1252, each line ended by CR LF.
    EXPECT_EQ(bytes,
              "\xA5\xBA\xC2\xB6\r\n"          // Pema
              "\x9B\xBA\xC2\xB6\xC1\xBA\r\n"  // Female
              "\x88\x86\r\n"                  // 31
              "\xA2\xB6\xCE\r\n"              // May
              "\x87\x85\x85\x89\r\n");        // 2004

    const RecordEntries read = ReadRecordEntries(layout, ReadRecordFile(path, layout.lines));
    EXPECT_EQ(read.panel.name, "Pema");
    EXPECT_EQ(read.panel.sex, "Female");
    EXPECT_EQ(read.panel.day, "31");
    EXPECT_EQ(read.panel.month, "May");
    EXPECT_EQ(read.panel.year, "2004");
}

}  // namespace
}  // namespace oriastra
