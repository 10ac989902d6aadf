#pragma once
#include <QCoreApplication>
#include <QThread>

#include <chrono>

namespace kelvanor::test {

template <typename Pred>
bool PumpUntil(Pred done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return true;
}

}  // namespace kelvanor::test
