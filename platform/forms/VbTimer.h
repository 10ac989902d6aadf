#pragma once
// A timer control with the semantics the program's handlers expect:
// an interval of 0 never ticks; enabling a timer that already runs does not
// restart its period; a new interval while enabled restarts the period.
// Ticks are delivered by the event loop like any other event.
//
// Tests can switch every timer to manual time: no real timer runs, and
// AdvanceManualTime() moves a shared clock on and fires the ticks that fall
// due, in time order, exactly as the real timers would.

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace tamberlo {

class VbTimer : public QObject {
    Q_OBJECT
public:
    explicit VbTimer(int intervalMs = 0, bool enabled = false, QObject* parent = nullptr);
    ~VbTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Interval() const { return interval_; }
    void SetInterval(int ms);

    // The handler run on every tick.
    std::function<void()> onTimer;

    // Runs the handler as a tick would; tests use it to step time by hand.
    void Tick();

    // Manual time for tests. Switching it on or off restarts every running timer's period.
    static void SetManualTime(bool on);
    // Moves manual time on by `ms` and fires every tick that falls due.
    static void AdvanceManualTime(std::int64_t ms);

private:
    void apply(bool restart);

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
    bool manualActive_ = false;
    std::int64_t manualDue_ = 0;
};

}  // namespace tamberlo
