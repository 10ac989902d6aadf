#pragma once
// Fake time for the run: a clock that tests set by hand and every timer
// control on manual time, moved on together by Advance().

#include "RunClock.h"
#include "VbTimer.h"

namespace tamberlo::test {

class FakeTime final : public RunClock {
public:
    FakeTime() { VbTimer::SetManualTime(true); }
    ~FakeTime() override { VbTimer::SetManualTime(false); }

    ClockTime Now() override { return now; }
    // Each reading moves the steady clock on by `stepPerRead` seconds, so a
    // measured span is predictable.
    double Seconds() override {
        const double s = seconds;
        seconds += stepPerRead;
        return s;
    }

    // Moves the timers on by `ms` (ticks fire in order) and the steady clock with them.
    void Advance(int ms) {
        seconds += ms / 1000.0;
        VbTimer::AdvanceManualTime(ms);
    }

    ClockTime now;
    double seconds = 1000.0;
    double stepPerRead = 0.0;
};

}  // namespace tamberlo::test
