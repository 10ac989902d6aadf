#pragma once
// Puts a module emulator behind a fake USB bridge: what the control writes to
// the fake device goes to the emulator's pseudo-terminal (at the baud rate the
// control set on the bridge, so a module that answers at one speed only
// behaves as on a real bridge), and what the emulator answers is received by
// the fake device.

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "ModuleEmulator.h"

namespace kelvanor::test {

class UsbModuleBridge {
public:
    // `inject` hands bytes from the module to the fake device.
    UsbModuleBridge(ModuleEmulator& module, std::function<void(const std::string&)> inject) : inject_(std::move(inject)) {
        fd_ = ::open(module.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios tio{};
        ::tcgetattr(fd_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(fd_, TCSANOW, &tio);
        stop_ = ::eventfd(0, EFD_NONBLOCK);
        thread_ = std::thread([this] { Run(); });
    }
    ~UsbModuleBridge() {
        const std::uint64_t one = 1;
        (void)!::write(stop_, &one, sizeof one);
        thread_.join();
        ::close(fd_);
        ::close(stop_);
    }
    UsbModuleBridge(const UsbModuleBridge&) = delete;
    UsbModuleBridge& operator=(const UsbModuleBridge&) = delete;

    // The fake device's responder: bytes the control wrote at `baud`.
    std::string Forward(const std::string& bytes, std::uint32_t baud) {
        termios tio{};
        ::tcgetattr(fd_, &tio);
        const speed_t speed = baud == 19200 ? B19200 : baud == 115200 ? B115200 : B9600;
        ::cfsetispeed(&tio, speed);
        ::cfsetospeed(&tio, speed);
        ::tcsetattr(fd_, TCSANOW, &tio);
        (void)!::write(fd_, bytes.data(), bytes.size());
        return {};
    }

private:
    void Run() {
        for (;;) {
            pollfd fds[2] = {{stop_, POLLIN, 0}, {fd_, POLLIN, 0}};
            if (::poll(fds, 2, 100) < 0) continue;
            if (fds[0].revents) return;
            if (!(fds[1].revents & POLLIN)) continue;
            char buf[512];
            const ssize_t n = ::read(fd_, buf, sizeof buf);
            if (n > 0) inject_(std::string(buf, std::size_t(n)));
        }
    }

    std::function<void(const std::string&)> inject_;
    int fd_ = -1;
    int stop_ = -1;
    std::thread thread_;
};

}  // namespace kelvanor::test
