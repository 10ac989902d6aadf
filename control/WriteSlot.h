#pragma once
// Admits one line in flight on a port. Unlike a counting semaphore, a release
// of a free slot is harmless: closing a port releases it whatever its state.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kelvanor {

class WriteSlot {
public:
    bool Acquire(int ms) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!cv_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return free_; })) return false;
        free_ = false;
        return true;
    }
    void Release() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            free_ = true;
        }
        cv_.notify_one();
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool free_ = true;
};

}  // namespace kelvanor
