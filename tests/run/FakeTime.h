#pragma once
// Fake time for the run: a clock that tests set by hand and every timer
// control on manual time, moved on together by Advance().

#include "RunClock.h"
#include "VbTimer.h"

namespace tamberlo::test {

class FakeTime final : public RunClock {
public:
    FakeTime() {
        SetRunClock(this);
        VbTimer::SetManualTime(true);
    }
    ~FakeTime() override {
        VbTimer::SetManualTime(false);
        SetRunClock(nullptr);
    }

    KlokTijd Nu() override { return nu; }
    // Each reading moves the steady clock on by `stapPerLezing` seconds, so a
    // measured span is predictable.
    double Seconden() override {
        const double s = seconden;
        seconden += stapPerLezing;
        return s;
    }

    // Moves the timers on by `ms` (ticks fire in order) and the steady clock with them.
    void Advance(int ms) {
        seconden += ms / 1000.0;
        VbTimer::AdvanceManualTime(ms);
    }

    KlokTijd nu;
    double seconden = 1000.0;
    double stapPerLezing = 0.0;
};

}  // namespace tamberlo::test
