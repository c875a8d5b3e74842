#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <streambuf>

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

// Hands its text over `step` bytes at a time, as a pipe may: every mark, quote pair and line
// end can be split between two reads.
class Trickle : public std::streambuf {
public:
    Trickle(std::string text, std::size_t step) : text_(std::move(text)), step_(step) {}

private:
    int_type underflow() override {
        if (next_ >= text_.size()) return traits_type::eof();
        const std::size_t size = std::min(step_, text_.size() - next_);
        setg(text_.data() + next_, text_.data() + next_, text_.data() + next_ + size);
        next_ += size;
        return traits_type::to_int_type(text_[next_ - size]);
    }
    std::string text_;
    std::size_t step_;
    std::size_t next_ = 0;
};

TEST_P(CsvRecords, AreRead) {
    // Whole, and in pieces of one, two and three bytes.
    for (std::size_t step : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
        if (step > 0 && GetParam().input.size() > 100000) continue;
        std::istringstream whole(GetParam().input);
        Trickle pieces(GetParam().input, step);
        std::istream trickled(&pieces);
        CsvReader reader(step == 0 ? static_cast<std::istream&>(whole) : trickled);
        std::vector<std::vector<std::string>> records;
        std::string problem;
        while (const auto record = reader.Next()) {
            records.push_back(record->fields);
            if (problem.empty()) problem = record->problem;
        }
        EXPECT_EQ(records, GetParam().records) << "pieces of " << step;
        EXPECT_EQ(problem, GetParam().firstProblem) << "pieces of " << step;
    }
}

// A record read into the storage of the one before it holds nothing of that one: fields,
// problem and blank mark are each record's own.
TEST_P(CsvRecords, AreTheSameInOneReusedRecord) {
    std::istringstream fresh(GetParam().input);
    std::istringstream reused(GetParam().input);
    CsvReader freshReader(fresh);
    CsvReader reusedReader(reused);
    CsvRecord record;
    while (const auto expected = freshReader.Next()) {
        ASSERT_TRUE(reusedReader.Next(record));
        EXPECT_EQ(record.fields, expected->fields);
        EXPECT_EQ(record.problem, expected->problem);
        EXPECT_EQ(record.blank, expected->blank);
    }
    EXPECT_FALSE(reusedReader.Next(record));
}

using Rows = std::vector<std::vector<std::string>>;

constexpr std::size_t kFieldBound = CsvReader::kMostFieldBytes;
const std::string kLongestField(kFieldBound, 'x');
const std::string kTooLongField(kFieldBound + 1, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cli, CsvRecords,
    testing::Values(
        CsvCase{"Empty", "", Rows{}, ""},
        CsvCase{"LfEnds", "a,b\nc,d\n", Rows{{"a", "b"}, {"c", "d"}}, ""},
        CsvCase{"CrLfEnds", "a,b\r\nc,d\r\n", Rows{{"a", "b"}, {"c", "d"}}, ""},
        CsvCase{"LoneCrEnds", "a\rb", Rows{{"a"}, {"b"}}, ""},
        CsvCase{"LoneCrBeforeALineFeed", "a\rb,c\r\nd\n", Rows{{"a"}, {"b", "c"}, {"d"}}, ""},
        CsvCase{"BlankAmongLines", "a\n\n\r\nb\n", Rows{{"a"}, {""}, {""}, {"b"}}, ""},
        CsvCase{"ProblemThenPlainLine", "a\"b\nc,d\n", Rows{{"a\"b"}, {"c", "d"}}, "a quote appears inside a field that is not quoted"},
        CsvCase{"NoTrailingNewline", "a,b\nc,d", Rows{{"a", "b"}, {"c", "d"}}, ""},
        CsvCase{"EmptyFields", ",,\n", Rows{{"", "", ""}}, ""},
        CsvCase{"QuotedComma", "\"a,b\",c\n", Rows{{"a,b", "c"}}, ""},
        CsvCase{"DoubledQuote", "\"say \"\"hi\"\"\"\n", Rows{{"say \"hi\""}}, ""},
        CsvCase{"QuotedEmpty", "\"\",x\n", Rows{{"", "x"}}, ""},
        CsvCase{"QuotedLineBreaks", "\"one\r\ntwo\nthree\rfour\",x\r\n", Rows{{"one\r\ntwo\nthree\rfour", "x"}}, ""},
        CsvCase{"ByteOrderMark", "\xEF\xBB\xBFname,day\n", Rows{{"name", "day"}}, ""},
        CsvCase{"PartialMarkIsData", "\xEF\xBBx\n", Rows{{"\xEF\xBBx"}}, ""},
        CsvCase{"MarkAlone", "\xEF\xBB\xBF", Rows{}, ""},
        CsvCase{"PartialMarkAtTheEnd", "\xEF\xBB", Rows{{"\xEF\xBB"}}, ""},
        CsvCase{"MarkOnlyAtTheStart", "a\n\xEF\xBB\xBF" "b\n", Rows{{"a"}, {"\xEF\xBB\xBF" "b"}}, ""},
        CsvCase{"QuotePairsAndCrLf", "\"a\"\"\"\"b\"\r\n\"\"\"\"\r\n", Rows{{"a\"\"b"}, {"\""}}, ""},
        CsvCase{"SpacesKept", " a , b \n", Rows{{" a ", " b "}}, ""},
        CsvCase{"UnclosedQuote", "a,\"open\nrest", Rows{{"a", "open\nrest"}}, "a quoted field is not closed"},
        CsvCase{"StrayQuote", "ab\"c,d\n", Rows{{"ab\"c", "d"}}, "a quote appears inside a field that is not quoted"},
        CsvCase{"TextAfterQuote", "\"ab\"c,d\n", Rows{{"abc", "d"}}, "text follows the closing quote of a field"},
        CsvCase{"FieldAtTheBound", kLongestField + ",b\n", Rows{{kLongestField, "b"}}, ""},
        CsvCase{"FieldPastTheBoundIsDropped", kTooLongField + ",b\nnext\n", Rows{{}, {"next"}}, "a field is longer than 1 MiB"},
        CsvCase{"QuotedFieldPastTheBound", "\"" + kTooLongField + "\n\",b\nnext", Rows{{}, {"next"}}, "a field is longer than 1 MiB"},
        CsvCase{"MostFields", std::string(CsvReader::kMostFields - 1, ','), Rows{Rows::value_type(CsvReader::kMostFields)}, ""},
        CsvCase{"MostFieldsOnALine", std::string(CsvReader::kMostFields - 1, ',') + "\nnext", Rows{Rows::value_type(CsvReader::kMostFields), {"next"}}, ""},
        CsvCase{"TooManyFields", std::string(CsvReader::kMostFields, ',') + "\nnext", Rows{{}, {"next"}}, "a record has more than 1024 fields"},
        CsvCase{"RecordPastTheBound", kLongestField + "," + kLongestField + "," + kLongestField + "," + kLongestField + ",y\nnext", Rows{{}, {"next"}}, "a record is longer than 4 MiB"}),
    [](const auto& info) { return info.param.name; });

TEST(CliCsv, BlankLinesAreMarkedButQuotedEmptyIsNot) {
    std::istringstream in("a\n\n\"\"\n");
    CsvReader reader(in);
    std::vector<bool> blank;
    while (const auto record = reader.Next()) blank.push_back(record->blank);
    EXPECT_EQ(blank, (std::vector<bool>{false, true, false}));
}

// Produces an opening quote and then `length` bytes of one field, without holding them.
class UnclosedQuote : public std::streambuf {
public:
    explicit UnclosedQuote(std::size_t length) : left_(length) {
        chunk_.front() = '"';
        setg(chunk_.data(), chunk_.data(), chunk_.data() + 1);
    }

private:
    int_type underflow() override {
        if (left_ == 0) return traits_type::eof();
        const std::size_t size = std::min(left_, chunk_.size());
        std::fill_n(chunk_.data(), size, 'x');
        left_ -= size;
        setg(chunk_.data(), chunk_.data(), chunk_.data() + size);
        return traits_type::to_int_type(chunk_.front());
    }
    std::array<char, 65536> chunk_{};
    std::size_t left_;
};

TEST(CliCsv, AnUnclosedQuoteIsReadToTheEndInBoundedMemory) {
    UnclosedQuote source(16U * 1024U * 1024U);
    std::istream in(&source);
    CsvReader reader(in);
    const auto record = reader.Next();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->problem, "a field is longer than 1 MiB");
    EXPECT_TRUE(record->fields.empty());
    EXPECT_FALSE(reader.Next().has_value()) << "the whole input belongs to the one record";
}

}  // namespace
}  // namespace oriastra::cli
