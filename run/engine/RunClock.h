#pragma once
// The clock the run reads: the time of day for clock conditions and a
// steady seconds count for the cycle time. Tests install a fake.

namespace tamberlo {

struct ClockTime {
    int weekday = 1;  // Sunday = 1 .. Saturday = 7
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class RunClock {
public:
    virtual ~RunClock() = default;
    // The current weekday, hour, minute and second.
    virtual ClockTime Now() = 0;
    // Seconds since some fixed moment, steady, with fractions.
    virtual double Seconds() = 0;
};

// The clock in use: the system clock unless a test installed another.
RunClock& runClock();
// Installs `clock` (not owned); nullptr restores the system clock.
void SetRunClock(RunClock* clock);

}  // namespace tamberlo
