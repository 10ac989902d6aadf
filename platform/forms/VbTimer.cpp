#include "VbTimer.h"

#include <algorithm>
#include <vector>

namespace tamberlo {

namespace {
// Every timer alive, so that manual time can find the ones that fall due.
std::vector<VbTimer*>& allTimers() {
    static std::vector<VbTimer*> timers;
    return timers;
}
bool manualTime = false;
std::int64_t manualNow = 0;
}  // namespace

VbTimer::VbTimer(int intervalMs, bool enabled, QObject* parent) : QObject(parent) {
    allTimers().push_back(this);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &VbTimer::Tick);
    interval_ = intervalMs < 0 ? 0 : intervalMs;
    enabled_ = enabled;
    apply(true);
}

VbTimer::~VbTimer() {
    auto& all = allTimers();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
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
    const bool runs = enabled_ && interval_ > 0;
    if (manualTime) {
        timer_.stop();
        if (!runs) {
            manualActive_ = false;
        } else if (restart || !manualActive_) {
            manualActive_ = true;
            manualDue_ = manualNow + interval_;
        }
        return;
    }
    manualActive_ = false;
    if (!runs) {
        timer_.stop();
        return;
    }
    if (restart || !timer_.isActive()) timer_.start(interval_);
}

void VbTimer::Tick() {
    if (onTimer) onTimer();
}

void VbTimer::SetManualTime(bool on) {
    manualTime = on;
    manualNow = 0;
    for (VbTimer* t : allTimers()) t->apply(true);
}

void VbTimer::AdvanceManualTime(std::int64_t ms) {
    const std::int64_t target = manualNow + std::max<std::int64_t>(ms, 0);
    for (;;) {
        // The earliest tick due; a handler may change any timer, so look again each time.
        VbTimer* next = nullptr;
        for (VbTimer* t : allTimers())
            if (t->manualActive_ && t->manualDue_ <= target && (!next || t->manualDue_ < next->manualDue_)) next = t;
        if (!next) break;
        manualNow = next->manualDue_;
        next->manualDue_ += next->interval_;
        next->Tick();
    }
    manualNow = target;
}

}  // namespace tamberlo
