#include "StartRow.h"

#include "ActionExecutor.h"
#include "DashboardView.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "OutputActions.h"
#include "PoweredDrawing.h"
#include "RunColours.h"
#include "SharedState.h"
#include "SoundPlayer.h"

namespace tamberlo {

namespace {

// The start-only row counts up to 1000 (a rung may reach 1001).
constexpr int kVariableMaxAtStart = 1000;

bool InRange(int x, int lowest, int highest) { return x >= lowest && x <= highest; }

// Row 0 drives Velleman cards and parallel ports only.
void OutputStep() {
    const int code = shared.Acties[0][1];
    if (!InRange(code, 10, 13) && !InRange(code, 20, 23) && !InRange(code, 31, 33)) return;
    OutputAction(0);
    FlushOutputs();  // the devices show row 0 before the first pass
}

void Timer() {
    const auto& A = shared.Acties[0];
    LadderTimers& timers = ladderTimers();
    if (A[1] == 1) {
        for (int i = 0; i < 8; ++i) {
            const int ms = A[i + 2] > 0 ? A[i + 2] * 10 : 0;
            timers.TimerT[i]->SetInterval(ms);  // written at every fresh start
            dashboardView.timerCaption[i] = IntervalInSeconds(ms);
        }
        dashboardView.changed();
    } else if (A[1] == 2) {
        const int n = A[3];
        if (!InRange(n, 0, 7)) return;
        if (A[2] == 1) {
            timers.TimerT[n]->SetEnabled(true);
        } else if (A[2] == 2) {
            timers.TimerT[n]->SetEnabled(false);
            shared.TimerUitgang[n] = false;
        }
    }
}

void MemoryOrVariable() {
    const auto& A = shared.Acties[0];
    if (A[1] == 1) {
        const int m = A[3];
        if (!InRange(m, 0, 7)) return;
        if (A[2] == 1) {
            shared.GeheugenToestand[m] = true;
            ladderView.memoryColor[m] = kMemoryOn;
        } else if (A[2] == 2) {
            shared.GeheugenToestand[m] = false;
            ladderView.memoryColor[m] = kMemoryOffAtStart;
        }
        ladderView.changed();
    } else if (A[1] == 2) {
        const int v = VariableAction(0, kVariableMaxAtStart);
        if (v == 0) return;
        ladderView.varCaption[v] = QString::number(shared.Variabelen[v]);
        ladderView.changed();
    }
}

void Sound() {
    if (shared.GeluidBestanden[0].isEmpty()) return;
    PlaySoundFile(SoundPath(shared.GeluidMappen[0], shared.GeluidBestanden[0]));
}

}  // namespace

void InitialiseerStart() {
    VoedingAAN();
    if (shared.ProgrammaStatus == 2) return;  // resuming a paused run
    // A fresh start begins every rung's activation anew, so a one-shot rung
    // that holds from the first cycle fires again.
    shared.ActieUitgevoerd.fill(false);
    switch (shared.Acties[0][0]) {
    case 1: OutputStep(); break;
    case 2: Timer(); break;
    case 3: MemoryOrVariable(); break;
    case 4: Sound(); break;
    default: break;
    }
}

}  // namespace tamberlo
