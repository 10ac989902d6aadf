#pragma once
// A FIFO that a test hands to code that must not wait on it. Should anything
// still wait to read it after a long while, the watchdog opens its other end,
// so that the waiter goes on, and remembers it: the test then fails instead
// of hanging. Nothing waited when the code returned before then.

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tamberlo::test {

class FifoWatchdog {
public:
    explicit FifoWatchdog(const QString& path) : name_(QFile::encodeName(path)) {
        made_ = ::mkfifo(name_.constData(), 0600) == 0;
        watch_ = std::thread([this] {
            std::unique_lock lock(mutex_);
            if (stop_.wait_for(lock, std::chrono::seconds(20), [this] { return stopping_; })) return;
            // Opening the writing end without waiting succeeds only while a
            // reader has the FIFO open (or waits in its open).
            const int fd = ::open(name_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                fired_ = true;
                ::close(fd);
            }
        });
    }
    ~FifoWatchdog() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        stop_.notify_all();
        watch_.join();
    }
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    bool Made() const { return made_; }
    // Whether something waited on the FIFO and had to be let go.
    bool Fired() const { return fired_; }

private:
    QByteArray name_;
    bool made_ = false;
    std::atomic<bool> fired_{false};
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::thread watch_;
};

}  // namespace tamberlo::test
