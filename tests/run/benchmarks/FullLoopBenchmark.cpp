// The whole run loop with the main window shown (offscreen): a full ladder
// with captions, every cycle's colours written into the ladder view and the
// window repainting from it at most once per frame, fake devices.
#include <QApplication>
#include <QEvent>

#include "ActionCaptions.h"
#include "BenchDevices.h"
#include "BenchmarkLadder.h"
#include "ConditionCaptions.h"
#include "Controls.h"
#include "CycleTimes.h"
#include "DrawnLadder.h"
#include "LadderProgrammeren.h"
#include "LadderView.h"
#include "PoweredDrawing.h"
#include "ScanLoop.h"
#include "SharedState.h"
#include "StartRow.h"

namespace tamberlo::test {
namespace {

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    int repaints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++repaints;
        return false;
    }
};

void BM_FullLoopWithMainWindow(benchmark::State& state) {
    FakeDevices devices;

    shared = SharedState{};
    shared.VellemanKaartMasker = 0b0011;
    auto* mainWindow = new LadderProgrammeren;
    LadderWidget* area = mainWindow->PictureProgrammeerVenster;
    DrawEveryCell(*area);
    FillFullLadder();
    for (int i = 1; i <= kConditions; ++i) SetPanelConditieBijLezen(i);
    for (int r = 0; r <= kRungs; ++r) SetPanelActieBijLezen(r);
    PaintCounter counter;
    area->installEventFilter(&counter);
    mainWindow->show();
    QApplication::processEvents();

    InitialiseerStart();
    shared.ProgrammaStatus = 1;
    int n = 0;
    counter.repaints = 0;
    // The cycle's own cost: no idle wait for events.
    SetScanIdleWaitMs(0);
    MeasureCycles(
        state, 100000, [] { ScanCycle(); },
        [&] {
            if (++n % 500 == 0) devices.cards.digitalIn[0] ^= 0b101;
            devices.ClearLogs();
        });
    SetScanIdleWaitMs(1);
    state.counters["ladder_paints"] = counter.repaints;

    shared.ProgrammaStatus = 0;
    VoedingUIT();
    delete mainWindow;
}
BENCHMARK(BM_FullLoopWithMainWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tamberlo::test
