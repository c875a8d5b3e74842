#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/RecordFile.h"
#include "tibetan/TibetanRecord.h"

namespace oriastra {
namespace {

TEST(TibetanRecordValues, FiveLinesWithPlainDayAndYear) {
    const BirthDetails details{"Karma Yeshe", 1975, "March", 5, "Male"};
    const std::vector<std::string> expected = {"Karma Yeshe", "Male", "5", "March", "1975"};
    EXPECT_EQ(TibetanRecordValues(details), expected);
    EXPECT_EQ(TibetanRecordValues(details).size(), kTibetanRecordLines);
}

class TibetanRecordFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ =
            std::filesystem::temp_directory_path() / ("oriastra-tib-" + std::to_string(stamp));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(TibetanRecordFile, RoundTripGivesTheFiveValues) {
    const BirthDetails details{"Pema Lhamo", 2004, "December", 31, "Female"};
    const std::filesystem::path path = folder_ / "pema.tib";
    const std::vector<std::string> values = TibetanRecordValues(details);
    ASSERT_TRUE(WriteRecordFile(path, values));

    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(bytes, RecordFileBytes(values));
    ASSERT_GE(bytes.size(), 2U);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    std::size_t lineEnds = 0;
    for (auto at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) {
        ++lineEnds;
    }
    EXPECT_EQ(lineEnds, kTibetanRecordLines);

    const std::vector<std::string> read = ReadRecordFile(path, kTibetanRecordLines);
    EXPECT_EQ(read, values);
    const TibetanRecordEntries entries = TibetanEntriesFromRecord(read);
    EXPECT_EQ(entries.name, "Pema Lhamo");
    EXPECT_FALSE(entries.male);
    EXPECT_EQ(entries.day, "31");
    EXPECT_EQ(entries.month, "December");
    EXPECT_EQ(entries.year, "2004");
}

TEST(TibetanEntriesFromRecord, OnlyExactMaleSelectsMale) {
    const std::pair<const char*, bool> cases[] = {
        {"Male", true},  {"Female", false}, {"", false},     {"male", false},
        {"MALE", false}, {" Male", false},  {"Male ", false}};
    for (const auto& [sex, male] : cases) {
        EXPECT_EQ(TibetanEntriesFromRecord({"N", sex, "1", "May", "1990"}).male, male)
            << '"' << sex << '"';
    }
}

TEST(TibetanEntriesFromRecord, MissingLinesAreEmpty) {
    const TibetanRecordEntries shortRecord = TibetanEntriesFromRecord({"Name", "Male"});
    EXPECT_EQ(shortRecord.name, "Name");
    EXPECT_TRUE(shortRecord.male);
    EXPECT_EQ(shortRecord.day, "");
    EXPECT_EQ(shortRecord.month, "");
    EXPECT_EQ(shortRecord.year, "");

    const TibetanRecordEntries none = TibetanEntriesFromRecord({});
    EXPECT_EQ(none.name, "");
    EXPECT_FALSE(none.male);
    EXPECT_EQ(none.year, "");
}

}  // namespace
}  // namespace oriastra
