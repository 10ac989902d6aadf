#include "VbTimer.h"

namespace tamberlo {

VbTimer::VbTimer(int intervalMs, bool enabled, QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &VbTimer::Tick);
    interval_ = intervalMs < 0 ? 0 : intervalMs;
    enabled_ = enabled;
    apply(true);
}

void VbTimer::SetEnabled(bool on) {
    if (on == enabled_) return;  // enabling a running timer keeps its period
    enabled_ = on;
    apply(true);
}

void VbTimer::SetInterval(int ms) {
    if (ms < 0) ms = 0;
    interval_ = ms;
    apply(true);  // a new interval restarts the period
}

void VbTimer::apply(bool restart) {
    if (!enabled_ || interval_ == 0) {
        timer_.stop();
        return;
    }
    if (restart || !timer_.isActive()) timer_.start(interval_);
}

void VbTimer::Tick() {
    if (onTimer) onTimer();
}

}  // namespace tamberlo
