// The Kelvanor control's trace window and what it costs:
//  - one output write of the control to an emulated module (the line sent,
//    the echo awaited and both traced) with the trace window closed, and open
//    at 10,000 lines;
//  - the program's ladder driven by an emulated module, run once with the
//    window closed and once open: a thread flips the module's input 1 every
//    few milliseconds, and the ladder copies it to output 1. A flip the ladder
//    does not see (two flips between two of its looks) leaves no output
//    write behind and counts as lost. The processor share counts every thread
//    of the process, the emulator's included, alike in both runs.
// The offscreen platform is used unless a display is there (run it under
// Xvfb as well: painting the list costs far more on an X server).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "Controls.h"
#include "DebugWin.h"
#include "Detection.h"
#include "FakeDialogs.h"
#include "FakeParallelPorts.h"
#include "FakeSoundPlayer.h"
#include "FreshProgram.h"
#include "HostedLibrary.h"
#include "InstalledServices.h"
#include "KelvanorCtrl.h"
#include "KelvanorHost.h"
#include "ModuleEmulator.h"
#include "RunCommands.h"
#include "ScopedEnv.h"
#include "SharedState.h"
#include "Trace.h"

using namespace kelvanor;

namespace {

constexpr int kLinesBefore = 10000;

void writeOutputs(benchmark::State& state, bool traceWindowOpen) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("TAMBERLO_COM_DIR", dir.path().toLocal8Bit());
    test::ModuleEmulator module({});
    module.LinkAs(dir.path(), 2);
    CKelvanorCtrl ctrl;
    if (ctrl.Connect() != 1) {
        state.SkipWithError("no module found");
        return;
    }
    if (traceWindowOpen) {
        ctrl.ShowDebugWnd();
        for (int i = g_pDebugWin->Lines().size(); i < kLinesBefore; ++i)
            ctrl.WriteDebugString(QStringLiteral("filler line %1").arg(i));
        QApplication::processEvents();
    }
    std::int16_t value = 0;
    for (auto _ : state) {
        value = static_cast<std::int16_t>((value + 1) & 0xFF);
        ctrl.SetDigitalOutput0(value);
    }
    state.SetLabel(traceWindowOpen ? "trace window open at 10,000 lines" : "trace window closed");
    ctrl.Disconnect();
}

void BM_OutputWriteTraceClosed(benchmark::State& state) { writeOutputs(state, false); }
void BM_OutputWriteTraceOpen(benchmark::State& state) { writeOutputs(state, true); }

constexpr int kFlips = 1000;
constexpr int kFlipMs = 10;

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct LadderRun {
    double cpuPercent = 0;
    int lost = 0;
    double listPaintsPerSecond = 0;
    bool moduleFound = false;
};

// Counts the paints of the trace window's list, found among the top-level
// windows (the window belongs to the hosted library).
class ListPaints : public QObject {
public:
    int paints = 0;
    void Watch() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == QLatin1String("Trace Window"))
                if (auto* list = w->findChild<QListView*>()) list->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// How often the output word the module received changed value.
int OutputChanges(const std::vector<std::string>& lines) {
    const std::string prefix = "MAW1.0=";
    std::string last = "0000";
    int changes = 0;
    for (const std::string& line : lines) {
        if (line.rfind(prefix, 0) != 0) continue;
        const std::string value = line.substr(prefix.size());
        changes += value != last;
        last = value;
    }
    return changes;
}

// The program hosts the built control library and runs a ladder whose two
// rungs copy module input 1 to module output 1.
LadderRun RunLadderAgainstModule(bool traceWindowOpen) {
    using tamberlo::shared;
    using tamberlo::test::ScopedEnv;
    QTemporaryDir dir;
    ScopedEnv config("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    ScopedEnv comDir("TAMBERLO_COM_DIR", dir.path().toLocal8Bit());
    ScopedEnv registry("TAMBERLO_COM_REGISTRY", dir.filePath(QStringLiteral("ComClasses.reg")).toLocal8Bit());
    if (traceWindowOpen) {
        // The control opens its trace window when it is created, as its property page can ask.
        QDir().mkpath(dir.filePath(QStringLiteral("config/Kelvanor")));
        QFile ini(dir.filePath(QStringLiteral("config/Kelvanor/Kelvanor.ini")));
        if (ini.open(QIODevice::WriteOnly)) ini.write("[Debug]\r\nShowAtStartup=Y\r\n");
    }
    test::ModuleEmulator module({});
    module.LinkAs(dir.path(), 2);
    tamberlo::StartFreshProgram();
    tamberlo::test::FakeDialogs dialogs;
    tamberlo::test::FakeSoundPlayer sound;
    tamberlo::FakeParallelPorts ports;
    tamberlo::test::InstalledServices installed{{.dialogs = &dialogs, .parallelPorts = &ports, .sound = &sound}};
    test::HostedLibrary library;
    LadderRun run;
    if (library.Register() != tamberlo::com::S_Ok || !tamberlo::HostKelvanorControl()) return run;
    tamberlo::AangeslotenKelvanorEmber();  // the start-up's search
    run.moduleFound = shared.ModuleAanwezig == 1;
    if (!run.moduleFound) return run;

    ListPaints listPaints;
    listPaints.Watch();

    shared.Condities[1] = {1, 40, 1, 0, 0, 0};           // module input 1
    shared.Acties[1] = {1, 40, 1, 1, 0, 0, 0, 0, 0, 0};  // sets module output 1
    shared.Condities[4] = {1, 40, 11, 0, 0, 0};          // module input 1 off
    shared.Acties[2] = {1, 40, 2, 1, 0, 0, 0, 0, 0, 0};  // resets module output 1

    std::atomic<bool> flipsDone{false};
    std::thread flipper;
    QTimer::singleShot(200, [&] {
        module.ClearLines();
        flipper = std::thread([&] {
            for (int i = 1; i <= kFlips; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(kFlipMs));
                module.ReportInputWord0(1, static_cast<std::uint16_t>(i & 1));
            }
            flipsDone = true;
        });
    });
    // Stops the run a little after the last flip, time for its output to go out.
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (!flipsDone) return;
        stopper.stop();
        QTimer::singleShot(100, [] { tamberlo::CommandStop(); });
    });
    stopper.start(20);

    const double cpu0 = CpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    tamberlo::CommandStart();
    const double cpu = CpuSeconds() - cpu0;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    if (flipper.joinable()) flipper.join();
    run.cpuPercent = 100.0 * cpu / wall;
    run.lost = kFlips - OutputChanges(module.Lines());
    run.listPaintsPerSecond = listPaints.paints / wall;

    tamberlo::Kelvanor1().SetDigitalOutput0(0);
    tamberlo::Kelvanor1().Disconnect();
    tamberlo::DestroyKelvanorControl();
    tamberlo::StartFreshProgram();
    return run;
}

void BM_ModuleLadderTraceClosedAndOpen(benchmark::State& state) {
    for (auto _ : state) {
        const LadderRun closed = RunLadderAgainstModule(false);
        const LadderRun open = RunLadderAgainstModule(true);
        if (!closed.moduleFound || !open.moduleFound) {
            state.SkipWithError("no module found");
            return;
        }
        state.counters["flips"] = kFlips;
        state.counters["lost_closed"] = closed.lost;
        state.counters["lost_open"] = open.lost;
        state.counters["cpu_percent_closed"] = closed.cpuPercent;
        state.counters["cpu_percent_open"] = open.cpuPercent;
        state.counters["trace_list_paints_per_s"] = open.listPaintsPerSecond;
        state.counters["cpu_open_to_closed"] = closed.cpuPercent > 0 ? open.cpuPercent / closed.cpuPercent : 0;
    }
    state.SetLabel(QGuiApplication::platformName().toStdString());
}

}  // namespace

// A fixed number of writes, so the window stays near 10,000 lines.
BENCHMARK(BM_OutputWriteTraceClosed)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_OutputWriteTraceOpen)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_ModuleLadderTraceClosedAndOpen)->Unit(benchmark::kMillisecond)->Iterations(1);
