#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "CliApp.h"
#include "CliRun.h"

namespace oriastra::cli {
namespace {

// Standard output on a full disk: it takes `room` bytes, then refuses. Buffered, it takes
// everything into its buffer and fails only when flushed, as a file's buffer does.
class FullDisk : public std::streambuf {
public:
    FullDisk(std::size_t room, bool buffered) : room_(room) {
        if (buffered) {
            buffer_.resize(1 << 20);
            setp(buffer_.data(), buffer_.data() + buffer_.size());
        }
    }

protected:
    int_type overflow(int_type ch) override {
        if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
        if (room_ == 0) return traits_type::eof();
        --room_;
        return ch;
    }
    std::streamsize xsputn(const char* text, std::streamsize size) override {
        if (pbase() != nullptr) return std::streambuf::xsputn(text, size);
        const auto taken = std::min<std::streamsize>(size, static_cast<std::streamsize>(room_));
        room_ -= static_cast<std::size_t>(taken);
        return taken;
    }
    int sync() override { return pbase() != nullptr && pptr() != pbase() ? -1 : 0; }

private:
    std::size_t room_;
    std::vector<char> buffer_;
};

const std::vector<std::string> kBirth = {"--name", "Amara", "--day", "5", "--month", "January",
                                         "--year", "1980"};

std::vector<std::string> With(std::vector<std::string> head) {
    head.insert(head.end(), kBirth.begin(), kBirth.end());
    return head;
}

const std::string kCsv = "name,day,month,year,sex,afternoon\nAmara,5,January,1980,,\n";

class OutputFailures : public CliFilesTest {};

TEST_F(OutputFailures, EndTheRunWithStatusThreeAndOneLine) {
    ASSERT_EQ(Invoke(With({"save", Path("a.afa"), "african"})).status, 0);
    const struct {
        std::string name;
        std::vector<std::string> arguments;
    } commands[] = {
        {"Reading", With({"reading", "african"})},
        {"ReadingJson", With({"reading", "african", "--json"})},
        {"Report", With({"report", "african"})},
        {"ReportJson", With({"report", "african", "--json"})},
        {"Open", {"open", Path("a.afa")}},
        {"Batch", {"batch", "african"}},
        {"Help", {"--help"}},
        {"Version", {"--version"}},
    };
    for (const auto& command : commands) {
        for (const bool buffered : {false, true}) {
            for (const std::size_t room : {std::size_t{0}, std::size_t{10}}) {
                FullDisk disk(room, buffered);
                std::ostream out(&disk);
                std::istringstream in(kCsv);
                std::ostringstream err;
                const std::string where = command.name + (buffered ? " buffered" : "") +
                                          " after " + std::to_string(room) + " bytes";
                EXPECT_EQ(RunCli(command.arguments, in, out, err), 3) << where;
                EXPECT_EQ(err.str(), "oriastra-cli: cannot write standard output\n") << where;
            }
        }
        // With room enough, the same run succeeds.
        FullDisk roomy(1 << 20, false);
        std::ostream out(&roomy);
        std::istringstream in(kCsv);
        std::ostringstream err;
        EXPECT_EQ(RunCli(command.arguments, in, out, err), 0) << command.name << err.str();
    }
}

// A file's buffer fails only when written out; the reason is the system's.
TEST(CliOutputFailure, AFullDeviceGivesTheSystemsReason) {
    std::ofstream full("/dev/full");
    ASSERT_TRUE(full.is_open());
    std::istringstream in;
    std::ostringstream err;
    EXPECT_EQ(RunCli(With({"reading", "african"}), in, full, err), 3);
    EXPECT_EQ(err.str(), "oriastra-cli: cannot write standard output: No space left on device\n");
}

// Once nothing more can be written, the rest of a long batch is not even read.
TEST(CliOutputFailure, ABatchStopsAtTheFirstBlockThatCannotBeWritten) {
    std::string csv = "name,day,month,year,sex,afternoon\n";
    for (int row = 0; row < 20000; ++row) csv += "Amara,5,January,1980,,\n";
    FullDisk disk(0, false);
    std::ostream out(&disk);
    std::istringstream in(csv);
    std::ostringstream err;
    EXPECT_EQ(RunCli({"batch", "african"}, in, out, err), 3);
    EXPECT_GT(in.rdbuf()->in_avail(), static_cast<std::streamsize>(csv.size() / 2));
}

}  // namespace
}  // namespace oriastra::cli
