#include <gtest/gtest.h>

#include <sstream>

#include "CsvReader.h"

namespace oriastra::cli {
namespace {

struct CsvCase {
    std::string name;
    std::string input;
    std::vector<std::vector<std::string>> records;
    std::string firstProblem;  // of any record
    friend void PrintTo(const CsvCase& row, std::ostream* os) { *os << row.name; }
};

class CsvRecords : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvRecords, AreRead) {
    std::istringstream in(GetParam().input);
    CsvReader reader(in);
    std::vector<std::vector<std::string>> records;
    std::string problem;
    while (const auto record = reader.Next()) {
        records.push_back(record->fields);
        if (problem.empty()) problem = record->problem;
    }
    EXPECT_EQ(records, GetParam().records);
    EXPECT_EQ(problem, GetParam().firstProblem);
}

using Rows = std::vector<std::vector<std::string>>;

INSTANTIATE_TEST_SUITE_P(
    Cli, CsvRecords,
    testing::Values(
        CsvCase{"Empty", "", Rows{}, ""},
        CsvCase{"LfEnds", "a,b\nc,d\n", Rows{{"a", "b"}, {"c", "d"}}, ""},
        CsvCase{"CrLfEnds", "a,b\r\nc,d\r\n", Rows{{"a", "b"}, {"c", "d"}}, ""},
        CsvCase{"LoneCrEnds", "a\rb", Rows{{"a"}, {"b"}}, ""},
        CsvCase{"NoTrailingNewline", "a,b\nc,d", Rows{{"a", "b"}, {"c", "d"}}, ""},
        CsvCase{"EmptyFields", ",,\n", Rows{{"", "", ""}}, ""},
        CsvCase{"QuotedComma", "\"a,b\",c\n", Rows{{"a,b", "c"}}, ""},
        CsvCase{"DoubledQuote", "\"say \"\"hi\"\"\"\n", Rows{{"say \"hi\""}}, ""},
        CsvCase{"QuotedEmpty", "\"\",x\n", Rows{{"", "x"}}, ""},
        CsvCase{"QuotedLineBreaks", "\"one\r\ntwo\nthree\rfour\",x\r\n", Rows{{"one\r\ntwo\nthree\rfour", "x"}}, ""},
        CsvCase{"ByteOrderMark", "\xEF\xBB\xBFname,day\n", Rows{{"name", "day"}}, ""},
        CsvCase{"PartialMarkIsData", "\xEF\xBBx\n", Rows{{"\xEF\xBBx"}}, ""},
        CsvCase{"SpacesKept", " a , b \n", Rows{{" a ", " b "}}, ""},
        CsvCase{"UnclosedQuote", "a,\"open\nrest", Rows{{"a", "open\nrest"}}, "a quoted field is not closed"},
        CsvCase{"StrayQuote", "ab\"c,d\n", Rows{{"ab\"c", "d"}}, "a quote appears inside a field that is not quoted"},
        CsvCase{"TextAfterQuote", "\"ab\"c,d\n", Rows{{"abc", "d"}}, "text follows the closing quote of a field"}),
    [](const auto& info) { return info.param.name; });

TEST(CliCsv, BlankLinesAreMarkedButQuotedEmptyIsNot) {
    std::istringstream in("a\n\n\"\"\n");
    CsvReader reader(in);
    std::vector<bool> blank;
    while (const auto record = reader.Next()) blank.push_back(record->blank);
    EXPECT_EQ(blank, (std::vector<bool>{false, true, false}));
}

}  // namespace
}  // namespace oriastra::cli
