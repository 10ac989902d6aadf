#include "MessagePump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace kelvanor {
namespace {
std::atomic<bool> quitSeen{false};
}

std::uint32_t GetTimeMs() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void WaitMs(int ms, const std::atomic<bool>* abandon) {
    using clock = std::chrono::steady_clock;
    const auto target = clock::now() + std::chrono::milliseconds(ms);
    if (!QCoreApplication::instance()) return;
    for (;;) {
        if (quitSeen.load() || (abandon && abandon->load())) return;
        const auto leftUs = std::chrono::duration_cast<std::chrono::microseconds>(target - clock::now()).count();
        if (leftUs <= 0) return;
        const auto left = (leftUs + 999) / 1000;  // never less than asked
        // A nested loop that a timer ends: it sleeps until an event comes.
        // When it ends before the timer fired, the application was told to
        // quit (that ends every loop of the thread).
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        bool fired = false;
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            fired = true;
            loop.quit();
        });
        timer.start(static_cast<int>(left));
        loop.exec();
        if (!fired) {
            if (abandon && abandon->load()) return;
            quitSeen.store(true);
            return;
        }
    }
}

void PumpMessages(int count) {
    for (int i = 0; i < count && !quitSeen.load(); ++i) QCoreApplication::processEvents();
}

}  // namespace kelvanor
