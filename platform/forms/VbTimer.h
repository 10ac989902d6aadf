#pragma once
// A timer control with the semantics the program's handlers expect:
// an interval of 0 never ticks; enabling a timer that already runs does not
// restart its period; a new interval while enabled restarts the period.
// Ticks are delivered by the event loop like any other event.

#include <QObject>
#include <QTimer>

#include <functional>

namespace tamberlo {

class VbTimer : public QObject {
    Q_OBJECT
public:
    explicit VbTimer(int intervalMs = 0, bool enabled = false, QObject* parent = nullptr);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Interval() const { return interval_; }
    void SetInterval(int ms);

    // The handler run on every tick.
    std::function<void()> onTimer;

    // Runs the handler as a tick would; tests use it to step time by hand.
    void Tick();

private:
    void apply(bool restart);

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

}  // namespace tamberlo
