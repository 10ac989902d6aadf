#include "SerialPort.h"

#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "ComPortNames.h"
#include "ControlMessages.h"

namespace kelvanor {
namespace {

constexpr std::size_t kHalfBuffer = 511;

int openErrorCode(int err) {
    switch (err) {
    case EBUSY:
    case EWOULDBLOCK:
    case EACCES:
    case EPERM: return kErrorAccessDenied;
    case ENOENT:
    case ENXIO:
    case ENODEV: return kErrorFileNotFound;
    default: return kErrorGeneralFailure;
    }
}

bool speedOf(std::uint32_t baud, speed_t& speed) {
    switch (baud) {
    case 1200: speed = B1200; return true;
    case 2400: speed = B2400; return true;
    case 4800: speed = B4800; return true;
    case 9600: speed = B9600; return true;
    case 19200: speed = B19200; return true;
    case 38400: speed = B38400; return true;
    case 57600: speed = B57600; return true;
    case 115200: speed = B115200; return true;
    case 230400: speed = B230400; return true;
    default: return false;
    }
}

QString systemMessage(int code) {
    char buffer[256] = {};
    // The GNU strerror_r returns the text, which may not be in `buffer`.
    const char* text = strerror_r(code, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text);
}

}  // namespace

CSerialPort::~CSerialPort() {
    closing_.store(true);
    Close();
}

bool CSerialPort::IsSerialDevice(int comNumber) {
    // Decided without opening the device: opening a USB serial port toggles
    // DTR, which resets some boards.
    return tamberlo::ComPortPresent(comNumber);
}

bool CSerialPort::IsOpen() const { return fd_.load() >= 0; }

int CSerialPort::Open(PortOwner* owner, std::uint32_t comNumber, std::uint32_t baud) {
    // An old reader must be gone before the events are reused.
    stopEvent_.Set();
    JoinPortThread();
    running_.store(false);
    stopEvent_.Reset();
    readEvent_.Reset();
    writeEvent_.Reset();
    deviceNumber_ = static_cast<int>(comNumber);
    key_ = comNumber;
    owner_ = owner;

    std::unique_lock<std::mutex> guard(lock_);
    CloseDevice();
    const QString path = tamberlo::ComPortDevicePath(static_cast<int>(comNumber));
    if (path.isEmpty()) return kErrorFileNotFound;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return openErrorCode(errno);
    // Exclusive mode does not stop root, the advisory lock does (between us).
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        const int err = errno;
        ::close(fd);
        return err == EWOULDBLOCK || err == EBUSY ? kErrorAccessDenied : openErrorCode(err);
    }
    fd_.store(fd);

    // Read and write timeouts and the event mask have no counterpart here:
    // the reader polls, and writes wait at most 1000 ms for the device.
    termios tio{};
    const char* failedStep = nullptr;
    int failure = 0;
    speed_t speed{};
    if (::tcgetattr(fd, &tio) != 0) {
        failedStep = "GetCommState()";
        failure = errno;
    } else if (!speedOf(baud, speed)) {
        failedStep = "BuildCommDCB()";
        failure = EINVAL;
    } else {
        ::cfmakeraw(&tio);
        tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CSIZE | CRTSCTS);
        tio.c_cflag |= CS8 | CLOCAL | CREAD;
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 0;
        ::cfsetispeed(&tio, speed);
        ::cfsetospeed(&tio, speed);
        if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
            failedStep = "SetCommState()";
            failure = errno;
        } else {
            int rts = TIOCM_RTS;
            ::ioctl(fd, TIOCMBIS, &rts);  // a pseudo-terminal has no RTS line
        }
    }
    if (failedStep) {
        guard.unlock();
        ReportError(failedStep, failure);
        return 0;  // closed already; the handshake finds no answer
    }
    ::tcflush(fd, TCIOFLUSH);
    receivedCount_ = 0;
    guard.unlock();
    StartPortThread([this] { ThreadProc(); });
    return 0;
}

int CSerialPort::Close() {
    // A line still queued (the closing "setup0") goes out first, briefly.
    if (running_.load() && writeSlot_.Acquire(100)) writeSlot_.Release();
    stopEvent_.Set();
    JoinPortThread();
    running_.store(false);
    {
        std::lock_guard<std::mutex> guard(lock_);
        CloseDevice();
    }
    writeSlot_.Release();
    return 1;
}

void CSerialPort::CloseDevice() {
    const int fd = fd_.exchange(-1);
    if (fd < 0) return;
    // Exclusive mode stays on the tty while anyone else has it open.
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);  // also drops the advisory lock
}

void CSerialPort::Write(const std::string& line) {
    // A line longer than the write buffer is refused rather than cut.
    if (!IsOpen() || !running_.load() || line.size() >= kBufferSize) return;
    if (!writeSlot_.Acquire(1000)) return;
    {
        std::lock_guard<std::mutex> guard(lock_);
        writeBuffer_.fill(0);
        std::memcpy(writeBuffer_.data(), line.data(), line.size());
        writeLength_ = line.size();
    }
    writeEvent_.Set();
}

void CSerialPort::ThreadProc() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (fd_.load() >= 0) ::tcflush(fd_.load(), TCIFLUSH);
    }
    while (fd_.load() >= 0) {
        pollfd fds[3] = {{stopEvent_.fd(), POLLIN, 0}, {fd_.load(), POLLIN, 0}, {writeEvent_.fd(), POLLIN, 0}};
        const int r = ::poll(fds, 3, -1);
        if (r < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[0].revents) break;
        if (fds[1].revents & POLLNVAL) break;
        if (fds[1].revents & (POLLIN | POLLHUP | POLLERR)) {
            if (!ReadData((fds[1].revents & (POLLHUP | POLLERR)) != 0)) break;
        }
        if (fds[2].revents) SendQueued();
    }
    running_.store(false);
}

bool CSerialPort::ReadData(bool hangup) {
    for (;;) {
        std::unique_lock<std::mutex> guard(lock_);
        const int fd = fd_.load();
        if (fd < 0) return false;
        int waiting = 0;
        if (::ioctl(fd, FIONREAD, &waiting) != 0) waiting = 0;
        if (waiting <= 0) {
            if (!hangup) return true;
            // The device went away: a read tells why.
            std::uint8_t probe = 0;
            const ssize_t n = ::read(fd, &probe, 1);
            const int err = n < 0 ? errno : EIO;
            if (n > 0) {
                guard.unlock();
                AppendReceived(&probe, 1);
                NotifyOwner();
                continue;
            }
            if (err == EAGAIN) return true;
            guard.unlock();
            ReportReadFault(err);
            return false;
        }
        const std::size_t w = static_cast<std::size_t>(waiting);
        moreThanHalfFull_ = w + receivedCount_ > kHalfBuffer;
        if (receivedCount_ + w > kBufferSize) {
            // The control is behind: drop what the driver holds.
            ::tcflush(fd, TCIFLUSH);
            return true;
        }
        const ssize_t n = ::read(fd, receive_.data() + receivedCount_, w);
        if (n > 0) {
            receivedCount_ += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            return true;
        } else {
            const int err = n < 0 ? errno : EIO;
            guard.unlock();
            ReportReadFault(err);
            return false;
        }
        guard.unlock();
        NotifyOwner();
    }
}

void CSerialPort::ReportReadFault(int err) {
    // A fault met while closing is the close itself, not worth a report.
    if (closing_.load()) return;
    {
        std::lock_guard<std::mutex> f(faultMutex_);
        faultStep_ = "ReadFile()";
        faultCode_ = err;
    }
    NotifyOwner();
}

void CSerialPort::SendQueued() {
    writeEvent_.Reset();
    std::array<char, kBufferSize> out{};
    std::size_t length = 0;
    int fd = -1;
    {
        std::lock_guard<std::mutex> guard(lock_);
        length = writeLength_;
        std::memcpy(out.data(), writeBuffer_.data(), length);
        fd = fd_.load();
    }
    std::size_t done = 0;
    while (fd >= 0 && done < length) {
        const ssize_t n = ::write(fd, out.data() + done, length - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            pollfd s{stopEvent_.fd(), POLLIN, 0};
            pollfd both[2] = {p, s};
            if (::poll(both, 2, 1000) <= 0 || both[1].revents) break;
        } else {
            break;
        }
    }
    writeSlot_.Release();
}

void CSerialPort::HandleReaderFault() {
    std::string step;
    int code = 0;
    {
        std::lock_guard<std::mutex> f(faultMutex_);
        step.swap(faultStep_);
        code = faultCode_;
    }
    if (!step.empty()) ReportError(step.c_str(), code);
}

void CSerialPort::ReportError(const char* step, int code) {
    Close();
    ShowMessageBox(
        QStringLiteral("Serielle Kommunikation mit folgendem Fehler fehlgeschlagen:\n%1: %2\nCOM: %3 wird geschlossen!\n")
            .arg(QString::fromLatin1(step), systemMessage(code))
            .arg(deviceNumber_),
        QStringLiteral("Serielle Kommunikation"));
}

}  // namespace kelvanor
