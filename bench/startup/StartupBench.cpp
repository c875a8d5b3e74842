#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>

#ifdef ORIASTRA_BENCH_PROCESS_START
#include <poll.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

#include "BareWindow.h"
#include "ScriptedPlatform.h"
#include "shell/windows/Application.h"
#include "shell/windows/frmMDI.h"

namespace {

// Exposed means the first frame is in the backing store: the widget layer paints synchronously
// on the first expose. QTest's wait sleeps 10 ms between looks, longer than a bare window takes,
// so this spins instead.
bool WaitExposed(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

void FlushDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Only the show is timed; the tear-down is reported beside it, as it is not start-up.
template <typename Start, typename Stop>
void TimeShows(benchmark::State& state, Start start, Stop stop) {
    double teardown = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QWidget* window = start();
        if (window == nullptr || !WaitExposed(*window)) {
            state.SkipWithError("the window was not shown");
            break;
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        timer.restart();
        stop();
        FlushDeferredDeletes();
        teardown += static_cast<double>(timer.nsecsElapsed()) * 1e-6;
    }
    state.counters["teardown_ms"] =
        benchmark::Counter(teardown, benchmark::Counter::kAvgIterations);
}

void BM_StartProgram(benchmark::State& state) {
    // One desktop for every run: after the first, the stored reminder date is recent, as on
    // every start but the very first.
    oriastra::ScriptedPlatform platform;
    std::unique_ptr<oriastra::Application> program;
    TimeShows(
        state,
        [&]() -> QWidget* {
            program = oriastra::StartProgram(platform, false);
            return program ? &program->MainWindow() : nullptr;
        },
        [&] { program.reset(); });
    if (!platform.messages.empty()) state.SkipWithError("start-up asked a question");
}
BENCHMARK(BM_StartProgram)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BareMainWindow(benchmark::State& state) {
    std::unique_ptr<QMainWindow> window;
    TimeShows(
        state,
        [&]() -> QWidget* {
            window = MakeBareWindow();
            // Maximized like the main window, so both paint the same area.
            window->showMaximized();
            return window.get();
        },
        [&] { window.reset(); });
}
BENCHMARK(BM_BareMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

#ifdef ORIASTRA_BENCH_PROCESS_START

// A virtual X display of our own, watched for top-level windows being mapped: the offscreen
// platform has no outside sign of a shown window, and the program must not get a flag for it.
class VirtualDisplay {
public:
    VirtualDisplay() {
        server_.setStandardErrorFile(QProcess::nullDevice());
        // -displayfd picks a free display and writes its number once the server accepts clients.
        server_.start(QStringLiteral(ORIASTRA_XVFB),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                       QStringLiteral("-noreset")});
        QByteArray number;
        QElapsedTimer waited;
        waited.start();
        while (!number.contains('\n') && waited.elapsed() < 10000 &&
               server_.state() != QProcess::NotRunning) {
            server_.waitForReadyRead(200);
            number += server_.readAllStandardOutput();
        }
        if (!number.contains('\n')) return;
        name_ = number.trimmed().prepend(':').toStdString();
        connection_ = xcb_connect(name_.c_str(), nullptr);
        if (xcb_connection_has_error(connection_) != 0) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        pidAtom_ = Atom("_NET_WM_PID");
        nameAtom_ = Atom("_NET_WM_NAME");
        xcb_flush(connection_);
        ready_ = pidAtom_ != XCB_NONE && nameAtom_ != XCB_NONE;
    }

    ~VirtualDisplay() {
        if (connection_ != nullptr) xcb_disconnect(connection_);
        server_.kill();
        server_.waitForFinished();
    }

    bool Ready() const { return ready_; }
    QString Name() const { return QString::fromStdString(name_); }

    // Maps left over from an earlier run must not end the next one.
    void Drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
    }

    // Waits for the process to map a top-level window whose title holds `title`, so a message
    // box or a menu of the same process does not count.
    bool WaitForMap(qint64 pid, const QString& title, int timeoutMs) {
        QElapsedTimer waited;
        waited.start();
        pollfd watch{xcb_get_file_descriptor(connection_), POLLIN, 0};
        while (waited.elapsed() < timeoutMs) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (event == nullptr) {
                if (xcb_connection_has_error(connection_) != 0) return false;
                ::poll(&watch, 1, static_cast<int>(timeoutMs - waited.elapsed()));
                continue;
            }
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                   &std::free);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (map->override_redirect != 0) continue;
            if (Property(map->window, pidAtom_) != PidBytes(pid)) continue;
            if (!QString::fromUtf8(Property(map->window, nameAtom_)).contains(title)) continue;
            return true;
        }
        return false;
    }

private:
    xcb_atom_t Atom(const char* name) {
        const auto length = static_cast<std::uint16_t>(std::strlen(name));
        const auto cookie = xcb_intern_atom(connection_, 0, length, name);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection_, cookie, nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : XCB_NONE;
        std::free(reply);
        return atom;
    }

    QByteArray Property(xcb_window_t window, xcb_atom_t property) {
        const auto cookie = xcb_get_property(connection_, 0, window, property,
                                             XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
        if (reply == nullptr) return {};
        QByteArray value(static_cast<const char*>(xcb_get_property_value(reply)),
                         xcb_get_property_value_length(reply));
        std::free(reply);
        return value;
    }

    // _NET_WM_PID is one 32-bit CARDINAL in the client's byte order, which is ours.
    static QByteArray PidBytes(qint64 pid) {
        const auto value = static_cast<std::uint32_t>(pid);
        return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
    }

    QProcess server_;
    std::string name_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = XCB_NONE;
    xcb_atom_t nameAtom_ = XCB_NONE;
    bool ready_ = false;
};

// Started on first use, so in-process runs need no X server; ended in main, while Qt still runs.
std::unique_ptr<VirtualDisplay> display;

// Resident memory of a process in MiB, from the kernel's own count; 0 when it cannot be read.
double ResidentMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return 0;
}

struct Launch {
    double seconds = -1;  // from exec to the window mapped; negative when it never was
    double residentMiB = 0;  // once the first frame has settled
};

// The kill and reap are not counted.
Launch LaunchUntilMapped(const QString& program, const QString& title,
                         const QProcessEnvironment& environment) {
    display->Drain();
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    child.start(program, {});
    const bool shown =
        child.waitForStarted(10000) && display->WaitForMap(child.processId(), title, 20000);
    Launch launch;
    if (shown) {
        launch.seconds = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
        // The window paints right after it is mapped; memory is read once that has happened.
        QThread::msleep(300);
        launch.residentMiB = ResidentMiB(child.processId());
    }
    child.kill();
    child.waitForFinished(10000);
    return launch;
}

void TimeProcessStarts(benchmark::State& state, const QString& program, const QString& title) {
    if (!display) display = std::make_unique<VirtualDisplay>();
    if (!display->Ready()) {
        state.SkipWithError("no virtual display (Xvfb) could be started");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display->Name());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // One untimed launch: the binary in the page cache and the font cache written, as on any
    // start but the first after installing.
    LaunchUntilMapped(program, title, environment);
    double residentMiB = 0;
    for (auto _ : state) {
        const Launch launch = LaunchUntilMapped(program, title, environment);
        if (launch.seconds < 0) {
            state.SkipWithError("the process did not show its window");
            break;
        }
        state.SetIterationTime(launch.seconds);
        residentMiB += launch.residentMiB;
    }
    state.counters["rss_mib"] = benchmark::Counter(residentMiB, benchmark::Counter::kAvgIterations);
}

void BM_ProcessStart_Program(benchmark::State& state) {
    TimeProcessStarts(state, QStringLiteral(ORIASTRA_PROGRAM_PATH),
                      QStringLiteral("Kestrin Oriastra"));
}
BENCHMARK(BM_ProcessStart_Program)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ProcessStart_Bare(benchmark::State& state) {
    TimeProcessStarts(state, QStringLiteral(ORIASTRA_BARE_WINDOW_PATH),
                      QStringLiteral("Bare window"));
}
BENCHMARK(BM_ProcessStart_Bare)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

#endif

// The goals of this release, each a ratio to the bare window.
constexpr double kStartUpGoal = 1.10;
constexpr double kMemoryGoal = 1.05;
constexpr double kReadingGoal = 0.12;

const char* Verdict(double ratio, double goal) { return ratio <= goal ? "met" : "missed"; }

// The console table as usual, keeping each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colour only on a terminal, so a piped or logged run stays plain text.
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            const std::string& name = run.run_name.function_name;
            // With repetitions, the median stands for the benchmark.
            if (!median && medians_.count(name) != 0) continue;
            if (median) medians_[name] = true;
            seconds_[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const auto rss = run.counters.find("rss_mib");
            if (rss != run.counters.end()) residentMiB_[name] = rss->second.value;
        }
    }

    void PrintRatio(const char* what, const std::string& program, const std::string& bare) const {
        const auto p = seconds_.find(program);
        const auto b = seconds_.find(bare);
        if (p == seconds_.end() || b == seconds_.end() || b->second <= 0) return;
        const double ratio = p->second / b->second;
        std::printf("%s: start-up / bare window = %.2f (%.2f ms / %.2f ms), goal %.2f: %s\n", what,
                    ratio, p->second * 1e3, b->second * 1e3, kStartUpGoal,
                    Verdict(ratio, kStartUpGoal));
    }

    void PrintMemoryRatio(const std::string& program, const std::string& bare) const {
        const auto p = residentMiB_.find(program);
        const auto b = residentMiB_.find(bare);
        if (p == residentMiB_.end() || b == residentMiB_.end() || b->second <= 0) return;
        const double ratio = p->second / b->second;
        std::printf("resident memory at the main window / bare window = %.2f (%.1f MiB / %.1f "
                    "MiB), goal %.2f: %s\n",
                    ratio, p->second, b->second, kMemoryGoal, Verdict(ratio, kMemoryGoal));
    }

    // Each reading window's Calculate-to-shown time against the bare window's start-up: the
    // process one when it was measured, as that is what a user waits for, else the in-process one.
    void PrintReadingRatios(const std::string& bareProcess,
                            const std::string& bareInProcess) const {
        auto b = seconds_.find(bareProcess);
        if (b == seconds_.end()) b = seconds_.find(bareInProcess);
        if (b == seconds_.end() || b->second <= 0) return;
        for (const auto& [name, seconds] : seconds_) {
            if (name.rfind("BM_CalculateToReading", 0) != 0) continue;
            const double ratio = seconds / b->second;
            std::printf("%s / %s = %.2f (%.2f ms / %.2f ms), goal %.2f: %s\n", name.c_str(),
                        b->first.c_str(), ratio, seconds * 1e3, b->second * 1e3, kReadingGoal,
                        Verdict(ratio, kReadingGoal));
        }
    }

private:
    std::map<std::string, double> residentMiB_;
    std::map<std::string, double> seconds_;
    std::map<std::string, bool> medians_;
};

QtMessageHandler standardMessages = nullptr;

// Each show on the offscreen platform warns that it cannot pass size hints on; that says nothing.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    if (standardMessages != nullptr) standardMessages(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // Nothing the runs write may reach the user's own settings.
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"}) {
        qputenv(variable, home.filePath(QString::fromLatin1(variable)).toLocal8Bit());
    }
    // The program's single-copy lock lives here; it must be private to the owner.
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());

    QApplication application(argc, argv);
    standardMessages = qInstallMessageHandler(QuietMessages);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    // Loading the platform plugin, fonts and style once is the same for both windows; it
    // belongs to the cold process figure, not to the first in-process run.
    {
        oriastra::ScriptedPlatform platform;
        auto program = oriastra::StartProgram(platform, false);
        if (program) WaitExposed(program->MainWindow());
        program.reset();
        auto bare = MakeBareWindow();
        bare->showMaximized();
        WaitExposed(*bare);
        bare.reset();
        FlushDeferredDeletes();
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("in process", "BM_StartProgram", "BM_BareMainWindow");
    reporter.PrintRatio("cold process", "BM_ProcessStart_Program", "BM_ProcessStart_Bare");
    reporter.PrintMemoryRatio("BM_ProcessStart_Program", "BM_ProcessStart_Bare");
    reporter.PrintReadingRatios("BM_ProcessStart_Bare", "BM_BareMainWindow");
#ifdef ORIASTRA_BENCH_PROCESS_START
    display.reset();
#endif
    benchmark::Shutdown();
    return 0;
}
