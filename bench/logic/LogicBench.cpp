#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "common/logic/BirthDetails.h"
#include "common/logic/Months.h"
#include "common/logic/RecordFile.h"
#include "common/logic/RecordText.h"
#include "common/logic/TraditionCommands.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra {
namespace {

// Every calendar day of the years, as the Calculate step stores them. Built once, outside the
// timed loops, so a tradition's figure is its own calculation only.
std::vector<BirthDetails> EveryDay(int firstYear, int lastYear, const std::string& sex) {
    using namespace std::chrono;
    std::vector<BirthDetails> all;
    const sys_days last{year{lastYear} / December / 31};
    for (sys_days day{year{firstYear} / January / 1}; day <= last; day += days{1}) {
        const year_month_day date{day};
        all.push_back({"Tenzin Dolma", static_cast<std::int16_t>(int(date.year())),
                        std::string(kMonthNames[unsigned(date.month()) - 1]),
                        static_cast<std::int16_t>(unsigned(date.day())), sex});
    }
    return all;
}

// A name, sex, day, month and year as a saved record holds them.
const std::vector<std::string> kTypicalRecord = {"Tenzin Dolma", "Female", "20", "May", "1990"};

// --- Every tradition, as the command-line companion reads them -------------------------------

// The whole reading of every day of the tradition's year list (texts and all), through the
// tradition's own commands.
void BM_ReadingEveryDay(benchmark::State& state, Tradition tradition) {
    const TraditionCommands& commands = tradition->commands;
    const PanelRules& panel = tradition->panel;
    const std::vector<BirthDetails> days =
        EveryDay(panel.firstYear, panel.lastYear, panel.asksSex ? "Female" : "");
    for (auto _ : state) {
        for (const BirthDetails& details : days) {
            // The afternoon answer is given, as a user or a record would.
            ReadingFields fields = commands.reading({details, "False", details.name});
            benchmark::DoNotOptimize(fields);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}

// One report of a typical person, for each tradition with a report window.
void BM_Report(benchmark::State& state, Tradition tradition) {
    const BirthDetails details{"Tenzin Dolma", 1990, "May", 20,
                               tradition->panel.asksSex ? "Female" : ""};
    for (auto _ : state) {
        StyledText report = tradition->commands.report({details, "False", details.name});
        benchmark::DoNotOptimize(report);
    }
}

const bool kReadingsRegistered = [] {
    for (Tradition tradition : AllTraditions()) {
        const std::string key(tradition->key);
        benchmark::RegisterBenchmark(("BM_ReadingEveryDay/" + key).c_str(), BM_ReadingEveryDay,
                                     tradition)
            ->Unit(benchmark::kMillisecond);
        if (tradition->commands.report) {
            benchmark::RegisterBenchmark(("BM_Report/" + key).c_str(), BM_Report, tradition);
        }
    }
    return true;
}();

// --- Records, shared by every tradition ------------------------------------------------------

void BM_RecordEncodeDecode(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& value : kTypicalRecord) {
            std::string decoded = DecodeRecordText(EncodeRecordText(value));
            benchmark::DoNotOptimize(decoded);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTypicalRecord.size()));
}
BENCHMARK(BM_RecordEncodeDecode);

// A folder of its own, removed at the end, so no run reads another's file.
class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("oriastra-bench-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

void BM_ReadRecordFile(benchmark::State& state) {
    const ScratchFolder folder;
    const std::filesystem::path file = folder.Path() / "record";
    if (!WriteRecordFile(file, kTypicalRecord)) {
        state.SkipWithError("the record could not be written");
        return;
    }
    // A read that silently gave empty lines would time nothing worth knowing.
    if (ReadRecordFile(file, kTypicalRecord.size()) != kTypicalRecord) {
        state.SkipWithError("the record read back differs");
        return;
    }
    for (auto _ : state) {
        std::vector<std::string> lines = ReadRecordFile(file, kTypicalRecord.size());
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReadRecordFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace oriastra
