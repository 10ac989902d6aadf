#pragma once
// The clock the run reads: the time of day for clock conditions and a
// steady seconds count for the cycle time. Tests install a fake.

namespace tamberlo {

struct KlokTijd {
    int weekdag = 1;  // Sunday = 1 .. Saturday = 7
    int uur = 0;
    int minuut = 0;
    int seconde = 0;
};

class RunClock {
public:
    virtual ~RunClock() = default;
    // The current weekday, hour, minute and second.
    virtual KlokTijd Nu() = 0;
    // Seconds since some fixed moment, steady, with fractions.
    virtual double Seconden() = 0;
};

// The clock in use: the system clock unless a test installed another.
RunClock& runClock();
// Installs `clock` (not owned); nullptr restores the system clock.
void SetRunClock(RunClock* clock);

}  // namespace tamberlo
