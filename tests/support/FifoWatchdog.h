#pragma once
// For a test that something does not wait on a FIFO: the work runs on a
// thread of its own, and should it still wait after a generous bound (an
// open of the FIFO waiting for a writer), the FIFO gets a writer so that the
// work ends and the test fails instead of hanging.

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <unistd.h>
#include <chrono>
#include <functional>
#include <future>
#include <thread>

namespace tamberlo::test {

// True when `work` returned by itself; false when it had to be released.
inline bool ReturnsWithoutAWriter(const QString& fifo, const std::function<void()>& work) {
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    const bool returned = done.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!returned) ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    worker.join();
    if (returned) done.get();  // what the work threw, thrown here
    return returned;
}

}  // namespace tamberlo::test
