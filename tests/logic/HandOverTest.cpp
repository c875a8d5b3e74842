#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "shell/logic/HandOverMessage.h"
#include "shell/logic/HandOverSocket.h"

namespace oriastra {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Paths = std::vector<std::string>;

TEST(HandOverMessage, CarriesAnyPathFromTheRootExactly) {
    const std::vector<Paths> lists = {
        {},
        {"/home/sari/sari.jav"},
        // Bytes as the system gives them: spaces, new lines, another script, no valid UTF-8.
        {"/tmp/a b.tib", "/tmp/line\nbreak.bur", "/home/ma/မောင်.bur", "/tmp/\xff\xfe.afa"},
        {std::string("/") + std::string(4000, 'x')},
    };
    for (const Paths& paths : lists) {
        const std::optional<std::string> message = EncodeHandOver(paths);
        ASSERT_TRUE(message) << paths.size();
        EXPECT_EQ(DecodeHandOver(*message), paths);
    }
}

TEST(HandOverMessage, RefusesWhatItCannotCarry) {
    const std::vector<std::pair<const char*, Paths>> refused = {
        {"relative", {"/a.tib", "sari.jav"}},
        {"empty", {""}},
        {"holds a NUL", {std::string("/a\0b.tib", 8)}},
        {"past the limit", Paths(300, "/" + std::string(4000, 'x'))},
    };
    for (const auto& [name, paths] : refused) EXPECT_FALSE(EncodeHandOver(paths)) << name;
}

TEST(HandOverMessage, DecodesOnlyAWholeMessage) {
    const std::string good = *EncodeHandOver({"/a.tib", "/b.bur"});
    const std::vector<std::pair<const char*, std::string>> bad = {
        {"nothing", ""},
        {"another heading", "kestrin-oriastra open 2\n/a.tib" + std::string(1, '\0')},
        {"cut short", good.substr(0, good.size() - 1)},
        {"relative path", good.substr(0, good.find('/')) + "a.tib" + std::string(1, '\0')},
        {"empty path", good + std::string(1, '\0')},
        {"past the limit", good + std::string(kHandOverLimit, '/')},
    };
    for (const auto& [name, message] : bad) EXPECT_FALSE(DecodeHandOver(message)) << name;
}

class HandOverSocketTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/handover-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
        socket = HandOverSocketBeside(folder / "kestrin-oriastra.lock");
    }
    void TearDown() override { fs::remove_all(folder); }

    // Serves one connection on this thread as the program's event loop would: reads whenever
    // something has arrived, until the message is taken or refused.
    static HandOverReceipt::Progress ServeOne(HandOverListener& listener, Paths& taken) {
        pollfd waiting{listener.Descriptor(), POLLIN, 0};
        if (::poll(&waiting, 1, 10000) != 1) return HandOverReceipt::Progress::Reading;
        HandOverReceipt receipt(listener.Accept());
        while (true) {
            pollfd arrived{receipt.Descriptor(), POLLIN, 0};
            if (::poll(&arrived, 1, 10000) != 1) return HandOverReceipt::Progress::Reading;
            const HandOverReceipt::Progress progress = receipt.ReadArrived();
            if (progress == HandOverReceipt::Progress::Reading) continue;
            taken = receipt.Paths();
            return progress;
        }
    }

    fs::path folder;
    fs::path socket;
};

TEST_F(HandOverSocketTest, TheRunningCopyTakesTheFilesAndAnswers) {
    EXPECT_EQ(socket, folder / "kestrin-oriastra.socket");
    std::ofstream(socket) << "left by a copy that was killed";
    HandOverListener listener;
    ASSERT_TRUE(listener.Listen(socket));
    EXPECT_EQ(fs::status(socket).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    const Paths paths = {"/home/sari/sari.jav", "/home/sari/notes.txt"};
    auto sent = std::async(std::launch::async, [&] {
        return SendHandOver(socket, *EncodeHandOver(paths), 10s);
    });
    Paths taken;
    EXPECT_EQ(ServeOne(listener, taken), HandOverReceipt::Progress::Taken);
    EXPECT_EQ(taken, paths);
    EXPECT_EQ(sent.get(), HandOverResult::Taken);
}

TEST_F(HandOverSocketTest, AMessageThatIsNoneIsRefusedAndTheSenderToldSo) {
    HandOverListener listener;
    ASSERT_TRUE(listener.Listen(socket));
    for (const std::string& message : {std::string("open /a.tib please\n"),
                                       std::string(kHandOverLimit + 10, 'x')}) {
        auto sent = std::async(std::launch::async, [&] { return SendHandOver(socket, message, 10s); });
        Paths taken;
        EXPECT_EQ(ServeOne(listener, taken), HandOverReceipt::Progress::Refused);
        EXPECT_TRUE(taken.empty());
        EXPECT_EQ(sent.get(), HandOverResult::Failed);
    }
}

TEST_F(HandOverSocketTest, WithNobodyListeningTheSenderGivesUpInTime) {
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(SendHandOver(socket, *EncodeHandOver({"/a.tib"}), 300ms), HandOverResult::NoListener);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    // A copy that listened and ended.
    {
        HandOverListener gone;
        ASSERT_TRUE(gone.Listen(socket));
    }
    EXPECT_FALSE(fs::exists(socket)) << "an ended copy leaves no socket behind";
    EXPECT_EQ(SendHandOver(socket, *EncodeHandOver({"/a.tib"}), 100ms), HandOverResult::NoListener);
    // A path no socket address can hold.
    const fs::path tooLong = folder / std::string(sizeof(sockaddr_un::sun_path), 's');
    EXPECT_EQ(SendHandOver(tooLong, "", 100ms), HandOverResult::Failed);
    HandOverListener listener;
    EXPECT_FALSE(listener.Listen(tooLong));
}

// A copy that is still starting listens a moment after the sender first tries.
TEST_F(HandOverSocketTest, ASenderWaitsForACopyThatIsStillStarting) {
    auto sent = std::async(std::launch::async, [&] {
        return SendHandOver(socket, *EncodeHandOver({"/a.bur"}), 10s);
    });
    std::this_thread::sleep_for(200ms);
    HandOverListener listener;
    ASSERT_TRUE(listener.Listen(socket));
    Paths taken;
    EXPECT_EQ(ServeOne(listener, taken), HandOverReceipt::Progress::Taken);
    EXPECT_EQ(taken, Paths({"/a.bur"}));
    EXPECT_EQ(sent.get(), HandOverResult::Taken);
}

}  // namespace
}  // namespace oriastra
