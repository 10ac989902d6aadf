#pragma once
// Handles events until `done()` holds or `maxMs` passed (a generous bound,
// never the thing a test checks). Returns done().

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

namespace tamberlo::test {

inline bool WaitUntil(const std::function<bool()>& done, int maxMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > maxMs) return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

// Handles events for `ms` milliseconds: time passing inside a stubbed wait.
// Not for showing that something does NOT happen: wait for a later event
// that must come after it instead.
inline void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
}

}  // namespace tamberlo::test
