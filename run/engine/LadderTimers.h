#pragma once
// The eight ladder timers TimerT(0..7) and the 100 ms stopwatch that counts
// down their remaining time. Created the first time they are referred to.
// A running timer inverts its output TimerUitgang(i) on every tick, so its
// output is a square wave with the preset as half-period.

#include <array>
#include <memory>

#include "VbTimer.h"

namespace tamberlo {

struct LadderTimers {
    std::array<std::unique_ptr<VbTimer>, 8> TimerT;
    std::unique_ptr<VbTimer> TimerStopwatch;
    LadderTimers();
};

LadderTimers& ladderTimers();

// Tick of TimerT(index): the output flips and the gauge shows a full period.
void TimerT_Timer(int index);
// Tick of TimerStopwatch: counts the remaining time of every running timer down by 100 ms.
void TimerStopwatch_Timer();

}  // namespace tamberlo
