// A random but reproducible user over every window of every tradition, with the program's rules
// checked after every action. ORIASTRA_MONKEY_ACTIONS sets the number of actions (10,000 by
// default, shared among the seeds below); ORIASTRA_MONKEY_SEED replays one seed through
// MonkeyTest.ReplaysTheChosenSeed.
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <cstdlib>
#include <sstream>

#include "Monkey.h"
#include "MonkeyFiles.h"
#include "MonkeyRules.h"
#include "WindowTest.h"

namespace oriastra {
namespace {

constexpr long long kDefaultActions = 10000;
constexpr std::uint64_t kSeeds[] = {1, 2, 3, 4};

// The desktop the monkey plays on: the screen the guide's virtual X server has, wide and tall
// enough for every window of the program.
constexpr QSize kDesktop(1280, 900);

long long ActionsWanted() {
    const char* wanted = std::getenv("ORIASTRA_MONKEY_ACTIONS");
    const long long actions = wanted != nullptr ? std::atoll(wanted) : kDefaultActions;
    return actions > 0 ? actions : kDefaultActions;
}

// What Qt says while the monkey plays. Notes on the machine (its platform plugin, its fonts) and
// QTest's note on a key nobody took are expected; anything else is a finding.
class QtMessages {
public:
    QtMessages() { previous_ = qInstallMessageHandler(&QtMessages::Take); }
    ~QtMessages() { qInstallMessageHandler(previous_); }
    std::vector<std::string> TakeFindings() { return std::exchange(Findings(), {}); }

private:
    static std::vector<std::string>& Findings() {
        static std::vector<std::string> findings;
        return findings;
    }
    static void Take(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtDebugMsg || type == QtInfoMsg) return;
        const QLatin1String category(context.category != nullptr ? context.category : "");
        if (category.startsWith(QLatin1String("qt.qpa.")) ||
            category.startsWith(QLatin1String("qt.text.font")) ||
            message.startsWith(QLatin1String("This plugin does not support")) ||
            message == QLatin1String("Keyboard event not accepted by receiving widget")) {
            return;
        }
        Findings().push_back("Qt said: " + message.toStdString());
    }
    QtMessageHandler previous_;
};

class MonkeyTest : public WindowTest {
protected:
    // Runs `actions` steps from `seed`; the first broken rule ends the run with the seed and the
    // actions since the program last started, which replay it.
    void Play(std::uint64_t seed, long long actions) {
        MonkeyFiles files(folder.filePath(QStringLiteral("files")));
        QDir(folder.path()).mkpath(QStringLiteral("printer"));
        QtMessages messages;
        Monkey monkey(seed, platform, files, folder.filePath(QStringLiteral("printer/out.pdf")));
        std::vector<std::string> session;
        long long starts = 0;
        QElapsedTimer clock;
        clock.start();
        for (long long action = 0; action < actions; ++action) {
            if (program_ == nullptr || !Main().isVisible()) {
                StartOnDesktop();
                session.clear();
                ++starts;
            }
            session.push_back(std::to_string(action) + ": " + monkey.Step(*program_));
            std::vector<std::string> broken;
            try {
                Settle();
            } catch (const std::exception& error) {
                broken.push_back(std::string("an exception escaped: ") + error.what());
            }
            for (std::string& problem : monkey.TakeProblems()) broken.push_back(std::move(problem));
            for (std::string& finding : messages.TakeFindings()) {
                broken.push_back(std::move(finding));
            }
            for (std::string& rule : files.Check()) broken.push_back(std::move(rule));
            for (std::string& rule :
                 Main().isVisible() ? BrokenWindowRules(Main()) : BrokenEndRules(Main())) {
                broken.push_back(std::move(rule));
            }
            if (!broken.empty()) {
                Report(seed, action, broken, session);
                return;
            }
        }
        std::cout << "[ monkey   ] seed " << seed << ": " << actions << " actions, " << starts
                  << " program starts, " << files.SavedCount() << " records saved, "
                  << clock.elapsed() << " ms\n[ monkey   ] " << monkey.Summary() << "\n";
    }

private:
    void StartOnDesktop() {
        program_.reset();
        Settle();
        platform.screenWidth = kDesktop.width();
        Start();
        Main().showNormal();
        Main().setGeometry(QRect(QPoint(0, 0), kDesktop));
        QApplication::setActiveWindow(&Main());
        Settle();
    }

    static void Report(std::uint64_t seed, long long action, const std::vector<std::string>& broken,
                       const std::vector<std::string>& session) {
        std::ostringstream text;
        text << "seed " << seed << ", action " << action << " broke:\n";
        for (const std::string& rule : broken) text << "  " << rule << "\n";
        text << "actions since the program started:\n";
        for (const std::string& step : session) text << "  " << step << "\n";
        text << "replay: ORIASTRA_MONKEY_SEED=" << seed << " ORIASTRA_MONKEY_ACTIONS=" << action + 1
             << " build/tests/oriastra_monkey --gtest_filter=MonkeyTest.ReplaysTheChosenSeed";
        ADD_FAILURE() << text.str();
    }
};

class MonkeySeed : public MonkeyTest, public testing::WithParamInterface<std::uint64_t> {};

TEST_P(MonkeySeed, KeepsEveryRule) {
    const auto seeds = static_cast<long long>(std::size(kSeeds));
    Play(GetParam(), (ActionsWanted() + seeds - 1) / seeds);
}

INSTANTIATE_TEST_SUITE_P(Monkey, MonkeySeed, testing::ValuesIn(kSeeds),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

TEST_F(MonkeyTest, ReplaysTheChosenSeed) {
    const char* seed = std::getenv("ORIASTRA_MONKEY_SEED");
    if (seed == nullptr) GTEST_SKIP() << "ORIASTRA_MONKEY_SEED chooses the seed";
    Play(std::strtoull(seed, nullptr, 10), ActionsWanted());
}

}  // namespace
}  // namespace oriastra
