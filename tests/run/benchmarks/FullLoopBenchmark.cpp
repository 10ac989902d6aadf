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
#include "LadderProgrammeren.h"
#include "LadderView.h"
#include "PoweredDrawing.h"
#include "ScanLoop.h"
#include "SharedState.h"
#include "StartRow.h"

namespace tamberlo::test {
namespace {

// Counts the paints of one widget.
class VerfTeller : public QObject {
public:
    int verfbeurten = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++verfbeurten;
        return false;
    }
};

void BM_FullLoopWithMainWindow(benchmark::State& state) {
    NepApparaten apparaten;

    shared = SharedState{};
    shared.VellemanKaartMasker = 0b0011;
    auto* hoofd = new LadderProgrammeren;
    LadderWidget* vlak = hoofd->PictureProgrammeerVenster;
    for (int r = 1; r <= kRungs; ++r) vlak->MaakActieRij(r);
    vlak->TekenVertikaleLijnen();
    for (int i = 1; i <= kCondities; ++i) vlak->MaakConditieCel(i);
    vlak->RailsVolledig();
    VulVolleLadder();
    for (int i = 1; i <= kCondities; ++i) SetPanelConditieBijLezen(i);
    for (int r = 0; r <= kRungs; ++r) SetPanelActieBijLezen(r);
    VerfTeller teller;
    vlak->installEventFilter(&teller);
    hoofd->show();
    QApplication::processEvents();

    InitialiseerStart();
    shared.ProgrammaStatus = 1;
    int n = 0;
    teller.verfbeurten = 0;
    MeetCycli(
        state, 100000, [] { ScanCyclus(); },
        [&] {
            if (++n % 500 == 0) apparaten.kaarten.digitalIn[0] ^= 0b101;
            apparaten.LogsLegen();
        });
    state.counters["ladder_paints"] = teller.verfbeurten;

    shared.ProgrammaStatus = 0;
    VoedingUIT();
    delete hoofd;
}
BENCHMARK(BM_FullLoopWithMainWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tamberlo::test
