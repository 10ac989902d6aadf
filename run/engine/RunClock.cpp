#include "RunClock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace tamberlo {

namespace {

class SystemClock final : public RunClock {
public:
    SystemClock() { steady_.start(); }
    ClockTime Now() override {
        const QDateTime now = QDateTime::currentDateTime();
        const QTime t = now.time();
        // Qt counts Monday = 1 .. Sunday = 7; the ladder counts Sunday = 1.
        return {now.date().dayOfWeek() % 7 + 1, t.hour(), t.minute(), t.second()};
    }
    double Seconds() override { return static_cast<double>(steady_.nsecsElapsed()) / 1e9; }

private:
    QElapsedTimer steady_;
};

SystemClock& systemClock() {
    static SystemClock clock;
    return clock;
}

RunClock* installed = nullptr;

}  // namespace

RunClock& runClock() { return installed ? *installed : systemClock(); }
void SetRunClock(RunClock* clock) { installed = clock; }

}  // namespace tamberlo
