#include "Yielding.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace tamberlo {
namespace {

bool ending = false;
std::function<void(double)> waitHook;

// Sleeps in the event loop until something arrives or `maxMs` passed.
void SleepForEvents(int maxMs) {
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace

bool AppEnding() { return ending; }
void SetAppEnding(bool e) { ending = e; }

void Yield() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitSeconds(double seconds) {
    if (waitHook) {
        waitHook(seconds);
        return;
    }
    if (!QCoreApplication::instance()) return;
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
    Yield();
    while (!ending && busy()) SleepForEvents(10);
}

void SetWaitHook(std::function<void(double)> hook) { waitHook = std::move(hook); }

}  // namespace tamberlo
