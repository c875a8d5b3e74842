// From the Calculate step to the reading window shown, per tradition, in the running program.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <map>
#include <string>

#include "ScriptedPlatform.h"
#include "common/windows/ChildWindow.h"
#include "common/windows/InputWindow.h"
#include "common/windows/WindowRegistry.h"
#include "registry/logic/TraditionRegistry.h"
#include "shell/windows/Application.h"
#include "shell/windows/frmMDI.h"

namespace {

using oriastra::Tradition;

// A Tuesday, so no step asks whether the birth was in the afternoon, and a year every list holds.
void EnterSample(oriastra::BirthDetailsPanel& panel) {
    panel.txtName->setText(QStringLiteral("BENCH"));
    panel.cboMonth->setCurrentText(QStringLiteral("May"));
    panel.cboDate->setCurrentText(QStringLiteral("1"));
    panel.cboYear->setCurrentText(QStringLiteral("1990"));
    if (panel.optFemale != nullptr) panel.optFemale->setChecked(true);
}

// The measured step on its own, so a profiler can collect exactly it
// (valgrind --tool=callgrind --toggle-collect='*CalculateAndShow*').
[[gnu::noinline]] void CalculateAndShow(oriastra::InputWindow& input) {
    input.Calculate();
    // Laid out and painted: the events the shown window posted are handled.
    QCoreApplication::processEvents();
}

// The first Calculate of a tradition in the process, before any measurement or picture is kept.
std::map<Tradition, double> firstMilliseconds;

void CalculateToReading(benchmark::State& state, Tradition tradition) {
    oriastra::ScriptedPlatform platform;
    auto program = oriastra::StartProgram(platform, false);
    if (!program) {
        state.SkipWithError("the program did not start");
        return;
    }
    oriastra::frmMDI& main = program->MainWindow();
    oriastra::WindowRegistry& windows = main.Windows();
    for (auto _ : state) {
        // Choosing the tradition closes every window, so each run starts from a fresh input
        // window and creates the reading window anew, as a user's first Calculate does.
        main.cmdSelectOption_Click(tradition->selector.index);
        auto* input = windows.As<oriastra::InputWindow>(oriastra::InputOf(tradition));
        if (input == nullptr) {
            state.SkipWithError("no input window");
            break;
        }
        EnterSample(*input->panel);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        CalculateAndShow(*input);
        const double seconds = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
        state.SetIterationTime(seconds);
        firstMilliseconds.try_emplace(tradition, seconds * 1e3);
        const oriastra::ChildWindow* reading = windows.Window(oriastra::ReadingOf(tradition));
        if (reading == nullptr || !reading->isVisible() || !platform.messages.empty()) {
            state.SkipWithError("the reading window was not shown");
            break;
        }
    }
    state.counters["first_ms"] = firstMilliseconds[tradition];
}

const bool registered = [] {
    for (Tradition tradition : oriastra::AllTraditions()) {
        const std::string name = "BM_CalculateToReading/" + std::string(tradition->key);
        benchmark::RegisterBenchmark(name.c_str(), CalculateToReading, tradition)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
