#include "ScanLoop.h"

#include <QString>

#include <limits>

#include "ActionExecutor.h"
#include "ConditionEvaluation.h"
#include "CycleState.h"
#include "InputReading.h"
#include "LadderView.h"
#include "ReentryGuard.h"
#include "RunClock.h"
#include "RunColours.h"
#include "SetIfChanged.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

constexpr VbColor kCellTrue = 0xE6FFE6;
constexpr VbColor kCellFalse = 0xC0FFC0;
// The cycle time is shown at a rate a person can read.
int idleWaitMs = 1;
constexpr double kRefreshSeconds = 0.25;

bool loopBusy = false;
bool cycleBusy = false;
unsigned long long cycles = 0;
double timeShownAt = -std::numeric_limits<double>::infinity();

bool EmptyCell(int i) { return shared.Condities[i][0] == 0; }

// Colours cell n by its result; the red wires run from the rail up to the
// first false cell of the rung. A false cell ends its rung's activation.
bool ColorCell(int n) {
    auto& R = shared.ConditieResultaat;
    auto& cell = ladderView.cell;
    bool changed = false;
    const int column = ColumnOfCell(n);
    if (R[n]) {
        changed |= SetIfChanged(cell[n].frameColor, kCellTrue);
        if (column == 0) {
            changed |= SetIfChanged(cell[n].wireColor, kColorRed);
            if (EmptyCell(n + 1)) {
                changed |= SetIfChanged(cell[n + 1].wireColor, kColorRed);
                R[n + 1] = true;
                if (EmptyCell(n + 2)) changed |= SetIfChanged(cell[n + 2].wireColor, kColorRed);
            }
        } else if (column == 1) {
            if (R[n - 1]) {
                changed |= SetIfChanged(cell[n].wireColor, kColorRed);
                if (EmptyCell(n + 1)) {
                    changed |= SetIfChanged(cell[n + 1].wireColor, kColorRed);
                    R[n + 1] = true;
                }
            }
        } else if (R[n - 2] && R[n - 1]) {
            changed |= SetIfChanged(cell[n].wireColor, kColorRed);
        }
    } else {
        shared.ActieUitgevoerd[RungOfCell(n)] = false;
        changed |= SetIfChanged(cell[n].frameColor, kCellFalse);
        for (int k = n; k <= n + 2 - column; ++k) changed |= SetIfChanged(cell[k].wireColor, kColorBlack);
    }
    return changed;
}

// A vertical link in the first cell n of rung r joins r to the rung above:
// the rung's three results follow the three results of the rung above.
bool Connection(int n) {
    auto& R = shared.ConditieResultaat;
    const int r = RungOfCell(n);
    const bool above = R[n - 3] && R[n - 2] && R[n - 1];
    const VbColor color = above ? kColorRed : kColorBlack;
    bool changed = SetIfChanged(ladderView.cell[n - 1].linkLineColor, color);
    changed |= SetIfChanged(ladderView.action[r].orWireColor, color);
    R[n] = R[n + 1] = R[n + 2] = above;
    return changed;
}

}  // namespace

void EvaluateCells() {
    ClockReader clock;
    bool changed = false;
    auto& R = shared.ConditieResultaat;
    for (int n = 1; n <= kConditions; ++n) {
        const int kind = shared.Condities[n][0];
        if (kind == 4) {
            // Only the first cell of rung 2 or later can link to a rung above.
            if (ColumnOfCell(n) == 0 && n > 3) {
                changed |= Connection(n);
                n += 2;  // the rung's other two cells belong to the link
            } else {
                R[n] = false;
            }
        } else if (kind >= 1 && kind <= 3) {
            if (const auto outcome = EvaluateCondition(n, clock)) R[n] = *outcome;
        }
        changed |= ColorCell(n);
    }
    if (changed) ladderView.changed();
}

void ScanCycle() {
    ReentryGuard guard(cycleBusy);
    if (!guard.entered()) return;
    RunClock& clock = runClock();
    const double begin = clock.Seconds();
    const CycleState before = CycleState::Of(shared);
    EvaluateCells();
    LoopActies();
    // A cycle that changed nothing lets its event point sleep until an event
    // arrives, for at most a millisecond: the polled inputs and the clock are
    // still looked at every millisecond, and the processor is left alone.
    ReadInputsWaitingAtMost(CycleState::Of(shared) == before ? idleWaitMs : 0);
    ++cycles;
    // Stop clears the shown time; a cycle that ended in a stop leaves it so.
    if (shared.ProgrammaStatus != 1) return;
    const double end = clock.Seconds();
    if (end - timeShownAt >= kRefreshSeconds) {
        timeShownAt = end;
        if (SetIfChanged(ladderView.cycleTime, QString::number(end - begin, 'f', 3))) ladderView.changed();
    }
}

void SetScanIdleWaitMs(int ms) { idleWaitMs = ms; }

bool ScanLoopRunning() { return loopBusy; }
unsigned long long ScanCycles() { return cycles; }

void LoopConditie() {
    ReentryGuard guard(loopBusy);
    if (!guard.entered()) return;
    timeShownAt = -std::numeric_limits<double>::infinity();
    InitialiseerIngangen();
    for (;;) {
        if (shared.ProgrammaStatus == 2) {
            if (SetIfChanged(ladderView.startStopColor, kLampPaused)) ladderView.changed();
            return;
        }
        if (shared.ProgrammaStatus != 1) return;
        ScanCycle();
    }
}

}  // namespace tamberlo
