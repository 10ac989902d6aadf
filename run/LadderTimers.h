#pragma once
// The eight ladder timers TimerT(0..7) and the 100 ms stopwatch that counts
// down their remaining time. Created the first time they are referred to.

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

}  // namespace tamberlo
