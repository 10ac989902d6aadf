#include "ModuleEmulator.h"

#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace kelvanor::test {
namespace {

std::string format(const char* f, int a, int b = 0, int c = 0) {
    char buf[64];
    std::snprintf(buf, sizeof buf, f, a, b, c);
    return buf;
}

unsigned baudOf(speed_t s) {
    switch (s) {
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return 0;
    }
}

}  // namespace

ModuleEmulator::ModuleEmulator(Options options) : options_(options), echoWrites_(options.echoWrites), silent_(options.silent) {
    char name[128] = {};
    if (::openpty(&master_, &slaveKeep_, name, nullptr, nullptr) != 0) std::abort();
    slavePath_ = QString::fromLocal8Bit(name);
    termios tio{};
    ::tcgetattr(slaveKeep_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slaveKeep_, TCSANOW, &tio);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    stopFd_ = ::eventfd(0, EFD_NONBLOCK);
    const int count = options_.personality == Personality::Basil ? options_.number : 1;
    for (int i = 0; i < count; ++i) modules_[options_.personality == Personality::Basil ? i + 1 : options_.number] = {};
    thread_ = std::thread([this] { Run(); });
}

ModuleEmulator::~ModuleEmulator() {
    const std::uint64_t one = 1;
    (void)!::write(stopFd_, &one, sizeof one);
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) ::close(master_);
    ::close(slaveKeep_);
    ::close(stopFd_);
}

void ModuleEmulator::LinkAs(const QString& folder, int n) const {
    QFile::link(slavePath_, folder + QStringLiteral("/COM%1").arg(n));
}

std::vector<std::string> ModuleEmulator::Lines() {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

int ModuleEmulator::Count(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex_);
    int n = 0;
    for (const auto& l : lines_) n += l == line;
    return n;
}

bool ModuleEmulator::WaitForLine(const std::string& line, int times, int timeoutMs) {
    return WaitUntil([&] { return Count(line) >= times; }, timeoutMs);
}

void ModuleEmulator::ClearLines() {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.clear();
}

void ModuleEmulator::Send(const std::string& bytes) {
    std::lock_guard<std::mutex> lock(writeMutex_);
    std::size_t done = 0;
    while (master_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else {
            pollfd p{master_, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0) break;
        }
    }
}

void ModuleEmulator::Reply(const std::string& text) {
    if (!silent_) Send(text + '\r');
}

void ModuleEmulator::SetInputWord(int module, int word, std::uint16_t value) {
    std::lock_guard<std::mutex> lock(mutex_);
    modules_[module].inputs[static_cast<std::size_t>(word)] = value;
}

std::uint16_t ModuleEmulator::OutputWord(int module, int word) {
    std::lock_guard<std::mutex> lock(mutex_);
    return modules_[module].outputs[static_cast<std::size_t>(word)];
}

void ModuleEmulator::SetCounter(int module, int counter, std::uint16_t value) {
    std::lock_guard<std::mutex> lock(mutex_);
    modules_[module].counters[static_cast<std::size_t>(counter)] = value;
}

void ModuleEmulator::ReportInputWord0(int module, std::uint16_t value, char form) {
    SetInputWord(module, 0, value);
    char buf[32];
    switch (form) {
    case '#': std::snprintf(buf, sizeof buf, "#H%d0%04X\r", module, value); break;
    case 'e': std::snprintf(buf, sizeof buf, "e%d0%04X\r", module, value); break;
    default: std::snprintf(buf, sizeof buf, "EW%d.0=%04X\r", module, value); break;
    }
    Send(buf);
}

void ModuleEmulator::SendFrame(int word, std::uint16_t value) {
    const char frame[4] = {static_cast<char>('0' + 2 * word), static_cast<char>(value >> 8), static_cast<char>(value & 0xFF),
                           '\r'};
    Send(std::string(frame, 4));
}

void ModuleEmulator::Disconnect() {
    std::lock_guard<std::mutex> lock(writeMutex_);
    const std::uint64_t one = 1;
    (void)!::write(stopFd_, &one, sizeof one);
    if (thread_.joinable()) thread_.join();
    ::close(master_);
    master_ = -1;
    // Keeping the slave open would keep the tty alive for the control.
    ::close(slaveKeep_);
    slaveKeep_ = ::open("/dev/null", O_RDONLY);
}

unsigned ModuleEmulator::CurrentBaud() const {
    termios tio{};
    if (::tcgetattr(slaveKeep_, &tio) != 0) return 0;
    return baudOf(::cfgetospeed(&tio));
}

bool ModuleEmulator::Serves(int module) const { return modules_.count(module) != 0; }

bool ModuleEmulator::HasAnalogWords() const {
    return options_.personality == Personality::Basil || options_.personality == Personality::Delta;
}

void ModuleEmulator::Run() {
    std::string line;
    for (;;) {
        pollfd fds[2] = {{stopFd_, POLLIN, 0}, {master_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) continue;
        if (fds[0].revents) return;
        if (!(fds[1].revents & POLLIN)) {
            if (fds[1].revents & (POLLHUP | POLLERR)) {
                // No slave open at the moment: wait a little for the next one.
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            continue;
        }
        char buf[512];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        for (ssize_t i = 0; i < n; ++i) {
            if (buf[i] != '\r') {
                line += buf[i];
                continue;
            }
            {
                std::lock_guard<std::mutex> lock(mutex_);
                lines_.push_back(line);
            }
            changed_.notify_all();
            if (!options_.onlyBaud || CurrentBaud() == options_.onlyBaud) Handle(line);
            line.clear();
        }
    }
}

void ModuleEmulator::Handle(const std::string& line) {
    int n = 0, w = 0, v = 0, c = 0;
    char rest[64] = {};
    const Personality p = options_.personality;
    if (line == "setup0") {
        Reply(format("setup%d", options_.number));
        return;
    }
    if (line == "DV") {
        if (p == Personality::Basil) Reply("DV");
        else Reply(format("V=%d.%02d", p == Personality::Cedar ? 1 : 2, options_.minor));
        return;
    }
    if (line == "MME=4") {
        Reply("ME=4");
        return;
    }
    if (std::sscanf(line.c_str(), "DEW%d.%d", &n, &w) == 2) {
        if (!Serves(n)) return;
        if (!HasAnalogWords() && w / 2 >= 1) {
            Reply(line);  // no such word: the module repeats the request
            return;
        }
        std::uint16_t value;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            value = modules_[n].inputs[static_cast<std::size_t>(w / 2 % 5)];
        }
        char buf[32];
        std::snprintf(buf, sizeof buf, "EW%d.%d=%04X", n, w, value);
        Reply(buf);
        return;
    }
    if (std::sscanf(line.c_str(), "DAW%d.%d", &n, &w) == 2) {
        if (!Serves(n)) return;
        std::uint16_t value;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            value = modules_[n].outputs[static_cast<std::size_t>(w / 2 % 3)];
        }
        char buf[32];
        std::snprintf(buf, sizeof buf, "AW%d.%d=%04X", n, w, value);
        Reply(buf);
        return;
    }
    if (std::sscanf(line.c_str(), "MAW%d.%d=%X", &n, &w, &v) == 3) {
        if (!Serves(n)) return;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            modules_[n].outputs[static_cast<std::size_t>(w / 2 % 3)] = static_cast<std::uint16_t>(v);
        }
        if (echoWrites_ && p != Personality::Basil) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "AW%d.%d=%04X", n, w, v);
            Reply(buf);
        }
        return;
    }
    if (std::sscanf(line.c_str(), "DC%d.%d", &n, &c) == 2) {
        if (!Serves(n)) return;
        std::uint16_t value;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            value = modules_[n].counters[static_cast<std::size_t>(c % 2)];
        }
        char buf[32];
        std::snprintf(buf, sizeof buf, "C%d.%d=%04X", n, c, value);
        Reply(buf);
        return;
    }
    if (std::sscanf(line.c_str(), "MC%d.%d=%d", &n, &c, &v) == 3) {
        Reply(format("C%d.%d=%d", n, c, v));
        return;
    }
    // Settings: the module answers with the command without its 'M'.
    if (line.size() > 2 && line[0] == 'M' && std::strchr("TMSFUGR", line[1]) &&
        std::sscanf(line.c_str() + 1, "%63s", rest) == 1) {
        Reply(rest);
        return;
    }
}

}  // namespace kelvanor::test
