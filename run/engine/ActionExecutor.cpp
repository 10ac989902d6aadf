#include "ActionExecutor.h"

#include "DashboardView.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "NetworkLink.h"
#include "OutputActions.h"
#include "RunColours.h"
#include "SetIfChanged.h"
#include "SharedState.h"
#include "SoundPlayer.h"

namespace tamberlo {

namespace {

constexpr VbColor kActionHolds = 0xFFDCDC;
constexpr VbColor kActionIdle = 0xFFC0C0;
constexpr VbColor kTimerStarted = kLampRed;
constexpr VbColor kTimerReset = 0xFFC0C0;
// Increases stop at 1001 (a rung) so a ladder can count to 1000 and one past it.
constexpr int kVariableMax = 1001;

bool ValidIndex(int x, int lowest, int highest) { return x >= lowest && x <= highest; }

// Presets, start and reset of the ladder timers; acts on every pass.
void TimerAction(int r) {
    const auto& A = shared.Acties[r];
    LadderTimers& timers = ladderTimers();
    bool changed = false;
    if (A[1] == 1) {
        for (int i = 0; i < 8; ++i) {
            const int ms = A[i + 2] > 0 ? A[i + 2] * 10 : 0;  // hundredths of a second
            VbTimer& t = *timers.TimerT[i];
            // An unchanged preset leaves a running timer's period alone.
            if (t.Interval() == ms) continue;
            t.SetInterval(ms);
            shared.TimerResterend[i] = ms;
            changed |= SetIfChanged(dashboardView.timeTimerCaption[i], IntervalInSeconds(ms));
        }
    } else if (A[1] == 2) {
        const int n = A[3];
        if (!ValidIndex(n, 0, 7)) return;
        VbTimer& t = *timers.TimerT[n];
        if (A[2] == 1) {
            t.SetEnabled(true);  // a running timer keeps its period
            changed |= SetIfChanged(dashboardView.timeTimerColor[n], kTimerStarted);
            changed |= SetIfChanged(dashboardView.timeTimerCaption[n], IntervalInSeconds(t.Interval()));
            timers.TimerStopwatch->SetEnabled(true);
        } else if (A[2] == 2) {
            t.SetEnabled(false);
            shared.TimerUitgang[n] = false;
            changed |= SetIfChanged(dashboardView.timeTimerColor[n], kTimerReset);
            changed |= SetIfChanged(dashboardView.timeTimerCaption[n], IntervalInSeconds(t.Interval()));
        }
    }
    if (changed) dashboardView.changed();
}

// Memory set or reset, variable set (every pass) or increase and decrease
// (once per activation, only within bounds).
void MemoryOrVariableAction(int r) {
    const auto& A = shared.Acties[r];
    if (A[1] == 1) {
        const int m = A[3];
        if (!ValidIndex(m, 0, 7)) return;
        if (A[2] == 1) {
            shared.GeheugenToestand[m] = true;
            if (SetIfChanged(ladderView.memoryColor[m], kMemoryOn)) ladderView.changed();
        } else if (A[2] == 2) {
            shared.GeheugenToestand[m] = false;
            if (SetIfChanged(ladderView.memoryColor[m], kMemoryOff)) ladderView.changed();
        }
    } else if (A[1] == 2) {
        const int v = VariableAction(r, kVariableMax);
        if (v != 0 && SetIfChanged(ladderView.varCaption[v], QString::number(shared.Variabelen[v]))) ladderView.changed();
    }
}

// Plays the rung's sound once per activation, without waiting for it.
void SoundAction(int r) {
    if (shared.ActieUitgevoerd[r]) return;
    shared.ActieUitgevoerd[r] = true;
    if (shared.GeluidBestanden[r].isEmpty()) return;
    PlaySoundFile(SoundPath(shared.GeluidMappen[r], shared.GeluidBestanden[r]));
}

// The activity gauge moves one step per pass, to and fro between 0 and 1000.
void ActivityStep() {
    Integer& level = shared.ActiviteitNiveau;
    int& direction = ladderView.floodType;
    if (direction == 1) {
        if (level < 1000) ++level;
        else direction = 2;
    } else if (direction == 2) {
        if (level >= 1) --level;
        else direction = 1;
    }
    ladderView.floodPercent = level / 10.0;
    ladderView.changed();
}

}  // namespace

int VariableAction(int r, int max) {
    const auto& A = shared.Acties[r];
    const int v = A[2];
    if (!ValidIndex(v, 1, 3)) return 0;
    Integer& x = shared.Variabelen[v];
    const int w = A[4];
    const int op = A[3];
    if (op == 1) {
        x = static_cast<Integer>(w);
    } else if ((op == 2 || op == 3) && !shared.ActieUitgevoerd[r]) {
        const int updated = op == 2 ? x + w : x - w;
        // A skipped step leaves the flag clear and is tried again next pass.
        const bool inside = op == 2 ? updated <= max && updated >= -32768 : updated >= 0 && updated <= 32767;
        if (inside) {
            x = static_cast<Integer>(updated);
            shared.ActieUitgevoerd[r] = true;
        }
    }
    return v;
}

QString IntervalInSeconds(int ms) { return QString::number(ms / 1000.0); }

void LoopActies() {
    const auto& R = shared.ConditieResultaat;
    bool changed = false;
    for (int r = 1; r <= kRungs; ++r) {
        ActionRowView& cell = ladderView.action[r];
        if (!(R[3 * r - 2] && R[3 * r - 1] && R[3 * r])) {
            changed |= SetIfChanged(cell.frameColor, kActionIdle);
            continue;
        }
        changed |= SetIfChanged(cell.frameColor, kActionHolds);
        switch (shared.Acties[r][0]) {
        case 1: OutputAction(r); break;
        case 2: TimerAction(r); break;
        case 3: MemoryOrVariableAction(r); break;
        case 4: SoundAction(r); break;
        default: break;
        }
    }
    if (changed) ladderView.changed();
    FlushOutputs();
    if (shared.Verbindingsstatus == 1) networkLink().SendChangedNetworkOutputs();
    ActivityStep();
}

void ClearHoldingActions() {
    bool changed = false;
    for (int r = 1; r <= kRungs; ++r) {
        VbColor& frame = ladderView.action[r].frameColor;
        if (frame != kActionHolds) continue;
        frame = kActionIdle;
        changed = true;
    }
    if (changed) ladderView.changed();
}

}  // namespace tamberlo
