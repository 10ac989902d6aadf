#include "LadderTimers.h"

#include <algorithm>

#include "DashboardView.h"
#include "SharedState.h"

namespace tamberlo {

LadderTimers::LadderTimers() {
    for (int i = 0; i < 8; ++i) {
        TimerT[i] = std::make_unique<VbTimer>(0, false);
        TimerT[i]->onTimer = [i] { TimerT_Timer(i); };
    }
    TimerStopwatch = std::make_unique<VbTimer>(100, false);
    TimerStopwatch->onTimer = [] { TimerStopwatch_Timer(); };
}

LadderTimers& ladderTimers() {
    static LadderTimers timers;
    return timers;
}

void TimerT_Timer(int index) {
    if (index < 0 || index > 7) return;
    shared.TimerUitgang[index] = !shared.TimerUitgang[index];
    shared.TimerResterend[index] = ladderTimers().TimerT[index]->Interval();
    dashboardView.timerFlood[index] = 100.0;
    dashboardView.changed();
}

void TimerStopwatch_Timer() {
    LadderTimers& timers = ladderTimers();
    for (int i = 0; i < 8; ++i) {
        const VbTimer& t = *timers.TimerT[i];
        if (!t.Enabled()) continue;
        Long& rest = shared.TimerResterend[i];
        const int interval = t.Interval();
        if (rest >= 100 && interval > 0) {
            rest -= 100;
            dashboardView.timerFlood[i] = std::clamp(100.0 * rest / interval, 0.0, 100.0);
        } else {
            // Less than 100 ms left (or no preset): the gauge starts a full period.
            rest = interval;
            dashboardView.timerFlood[i] = 100.0;
        }
    }
    dashboardView.changed();
}

}  // namespace tamberlo
