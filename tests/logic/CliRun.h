#pragma once
// The command-line companion run inside a test, as a shell would run it, and a folder of its
// own for the files a test writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "CliApp.h"

namespace oriastra::cli {

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

inline Outcome Invoke(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

class CliFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("oriastra-cli-" + std::to_string(::getpid()) + "-" + test->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Path(const std::string& file) const { return (folder_ / file).string(); }

    std::filesystem::path folder_;
};

}  // namespace oriastra::cli
