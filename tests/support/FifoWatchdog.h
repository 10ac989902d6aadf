#pragma once
// For a test that code does not wait on a FIFO. The watchdog makes the FIFO
// (or takes one that is there), and should anything still wait to read it
// after a generous bound, opens its other end, so that the waiter goes on,
// and remembers it: the test then fails instead of hanging. Nothing waited
// when the code returned before then.

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tamberlo::test {

class FifoWatchdog {
public:
    explicit FifoWatchdog(const QString& path) : name_(QFile::encodeName(path)) {
        struct stat st {};
        made_ = ::mkfifo(name_.constData(), 0600) == 0 ||
                (errno == EEXIST && ::stat(name_.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
        watch_ = std::thread([this] {
            std::unique_lock lock(mutex_);
            if (stop_.wait_for(lock, std::chrono::seconds(60), [this] { return stopping_; })) return;
            // Past the bound, whatever waits is let go, however late it
            // comes. Opening the writing end without waiting succeeds only
            // while a reader has the FIFO open (or waits in its open).
            do {
                const int fd = ::open(name_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    fired_ = true;
                    ::close(fd);
                }
            } while (!stop_.wait_for(lock, std::chrono::milliseconds(100), [this] { return stopping_; }));
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

// True when `work` returned without anything waiting on `path`, when that
// is a FIFO; false when a wait had to be released. Any other path is only
// handed to the work.
inline bool ReturnsWithoutAWriter(const QString& path, const std::function<void()>& work) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISFIFO(st.st_mode)) {
        work();
        return true;
    }
    const FifoWatchdog watchdog(path);
    work();
    return !watchdog.Fired();
}

}  // namespace tamberlo::test
