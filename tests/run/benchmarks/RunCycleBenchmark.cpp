// One scan cycle of a ladder that fills all 90 rungs (evaluation of the 270
// cells, the actions, the input reading with its event point), with fake
// cards, ports, Kelvanor module, sound and network link.
#include <QApplication>

#include "BenchDevices.h"
#include "BenchmarkLadder.h"
#include "Controls.h"
#include "CycleTimes.h"
#include "LadderView.h"
#include "PoweredDrawing.h"
#include "ScanLoop.h"
#include "SharedState.h"
#include "StartRow.h"

namespace tamberlo::test {
namespace {

class SilentModule final : public KelvanorClient {
public:
    std::int16_t Connect() override { return 1; }
    void Disconnect() override {}
    std::int16_t GetModuleType(std::int16_t) override { return 1; }
    void SetDigitalOutput0(std::int16_t) override {}
    void AboutBox() override {}
};

void BM_ScanCycle(benchmark::State& state) {
    SilentModule module;
    FakeDevices devices{&module};

    shared = SharedState{};
    shared.VellemanKaartMasker = 0b0011;
    shared.ModuleAanwezig = 1;
    FillFullLadder();
    InitialiseerStart();
    shared.ProgrammaStatus = 1;

    int n = 0;
    // The cycle's own cost: no idle wait for events.
    SetScanIdleWaitMs(0);
    MeasureCycles(
        state, 100000, [] { ScanCycle(); },
        [&] {
            // Inputs change now and then; the fakes' call logs are emptied outside the timing.
            if (++n % 500 == 0) {
                devices.cards.digitalIn[0] ^= 0b101;
                shared.ToetsToestand[n / 500 % 8] = !shared.ToetsToestand[n / 500 % 8];
            }
            devices.ClearLogs();
        });
    SetScanIdleWaitMs(1);

    shared.ProgrammaStatus = 0;
    VoedingUIT();
}
BENCHMARK(BM_ScanCycle)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tamberlo::test
