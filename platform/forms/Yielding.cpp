#include "Yielding.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <vector>

namespace tamberlo {
namespace {

bool ending = false;
std::function<void(double)> waitHook;
int depth = 0;
std::vector<std::function<void()>> outsideYields;
bool outsidePosted = false;

void RunOutsideYields();

// Hands the commands waiting for the outermost yield to the event loop.
void PostOutsideRunner() {
    if (outsidePosted || outsideYields.empty() || !QCoreApplication::instance()) return;
    outsidePosted = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &RunOutsideYields, Qt::QueuedConnection);
}

void RunOutsideYields() {
    outsidePosted = false;
    // Delivered inside a yield after all: the end of that yield posts it again.
    if (depth > 0) return;
    auto commands = std::move(outsideYields);
    outsideYields.clear();
    for (auto& command : commands) command();
}

struct InYield {
    InYield() { ++depth; }
    ~InYield() {
        if (--depth == 0) PostOutsideRunner();
    }
};

// Sleeps in the event loop until something arrives or `maxMs` passed. One
// wake-up timer serves every sleep; a sleep inside a sleep rearms it.
void SleepForEvents(int maxMs) {
    static QTimer* wake = [] {
        auto* t = new QTimer;  // lives as long as the program
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
        return t;
    }();
    wake->start(maxMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace

bool AppEnding() { return ending; }
void SetAppEnding(bool e) { ending = e; }

void Yield() {
    if (!QCoreApplication::instance()) return;
    InYield in;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void YieldWaitingAtMost(int maxWaitMs) {
    if (!QCoreApplication::instance()) return;
    if (maxWaitMs <= 0) {
        Yield();
        return;
    }
    InYield in;
    SleepForEvents(maxWaitMs);
}

int YieldDepth() { return depth; }

void PostOutsideYields(std::function<void()> command) {
    outsideYields.push_back(std::move(command));
    if (depth == 0) PostOutsideRunner();
}

void WaitSeconds(double seconds) {
    if (waitHook) {
        waitHook(seconds);
        return;
    }
    if (!QCoreApplication::instance()) return;
    InYield in;
    QElapsedTimer clock;
    clock.start();
    const qint64 total = qint64(seconds * 1000.0);
    Yield();
    while (!ending) {
        const qint64 left = total - clock.elapsed();
        if (left <= 0) break;
        SleepForEvents(int(left < 10 ? left : 10));
    }
}

void WaitWhile(const std::function<bool()>& busy) {
    if (!QCoreApplication::instance()) return;
    InYield in;
    Yield();
    while (!ending && busy()) SleepForEvents(10);
}

void SetWaitHook(std::function<void(double)> hook) { waitHook = std::move(hook); }

}  // namespace tamberlo
