#include "PollTimers.h"

#include "InputReading.h"

namespace tamberlo {

VbTimer& TimerSerialPort() {
    static VbTimer* t = new VbTimer(20, false);  // lives as long as the program
    return *t;
}

VbTimer& TimerLeesIngangen() {
    static VbTimer* t = [] {
        auto* timer = new VbTimer(10, false);  // lives as long as the program
        timer->onTimer = [] { InitialiseerIngangen(); };
        return timer;
    }();
    return *t;
}

}  // namespace tamberlo
