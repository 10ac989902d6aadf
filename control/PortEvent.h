#pragma once
// A manual-reset event that a reader thread can wait for together with a
// device descriptor in one poll(): it stays signalled until Reset().

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace kelvanor {

class PortEvent {
public:
    PortEvent() : fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
    ~PortEvent() {
        if (fd_ >= 0) ::close(fd_);
    }
    PortEvent(const PortEvent&) = delete;
    PortEvent& operator=(const PortEvent&) = delete;

    void Set() {
        const std::uint64_t one = 1;
        while (::write(fd_, &one, sizeof one) < 0 && errno == EINTR) {}
    }
    void Reset() {
        std::uint64_t value = 0;
        while (::read(fd_, &value, sizeof value) < 0 && errno == EINTR) {}
    }
    // Waits up to `ms` milliseconds (-1: no limit); true when signalled.
    bool Wait(int ms) const {
        pollfd p{fd_, POLLIN, 0};
        int r;
        while ((r = ::poll(&p, 1, ms)) < 0 && errno == EINTR) {}
        return r > 0;
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace kelvanor
