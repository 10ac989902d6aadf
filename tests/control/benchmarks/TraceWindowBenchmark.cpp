// One output write of the Kelvanor control to an emulated module (the line
// sent, the echo awaited and both traced) with the trace window closed, and
// open at 10,000 lines. Run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "DebugWin.h"
#include "KelvanorCtrl.h"
#include "ModuleEmulator.h"
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

}  // namespace

// A fixed number of writes, so the window stays near 10,000 lines.
BENCHMARK(BM_OutputWriteTraceClosed)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_OutputWriteTraceOpen)->Unit(benchmark::kMillisecond)->Iterations(50);
