#include "LadderTimers.h"

namespace tamberlo {

LadderTimers::LadderTimers() {
    for (auto& t : TimerT) t = std::make_unique<VbTimer>(0, false);
    TimerStopwatch = std::make_unique<VbTimer>(100, false);
}

LadderTimers& ladderTimers() {
    static LadderTimers timers;
    return timers;
}

}  // namespace tamberlo
