#include "SerialPortControl.h"

#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <algorithm>
#include <cerrno>

#include "ComPortNames.h"

namespace tamberlo {

namespace {
constexpr QSerialPort::BaudRate kBaudRate = QSerialPort::Baud115200;
// A character at that rate, 8N1: ten bit times.
constexpr qint64 kCharNs = 10 * 1'000'000'000LL / kBaudRate;
}  // namespace

SerialPortControl::SerialPortControl(QObject* parent) : QObject(parent) {
    clock_.start();
    port_.setReadBufferSize(kInBufferSize);
    connect(&port_, &QSerialPort::readyRead, this, [this] {
        if (OnComm) OnComm();
    });
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPortControl::handleError);
}

SerialPortControl::~SerialPortControl() { Close(); }

bool SerialPortControl::Open() {
    if (port_.isOpen()) return true;
    const QString path = ComPortDevicePath(commPort_);
    if (path.isEmpty()) return false;
    port_.setPortName(path);
    if (!port_.open(QIODevice::ReadWrite)) return false;
    // The driver's exclusive mode does not hold for root; an advisory lock
    // keeps the Kelvanor control's port search off this port as well.
    const int fd = static_cast<int>(port_.handle());
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        port_.close();
        return false;
    }
    lockFd_ = fd;
    if (!port_.setBaudRate(kBaudRate) || !port_.setDataBits(QSerialPort::Data8) || !port_.setParity(QSerialPort::NoParity) ||
        !port_.setStopBits(QSerialPort::OneStop) || !port_.setFlowControl(QSerialPort::NoFlowControl)) {
        Close();
        return false;
    }
    lineFreeNs_ = 0;
    if (OnOpened) OnOpened();
    return true;
}

void SerialPortControl::Close() {
    if (!port_.isOpen()) return;
    if (lockFd_ >= 0) ::flock(lockFd_, LOCK_UN);
    lockFd_ = -1;
    port_.close();
}

bool SerialPortControl::Output(const QString& text) {
    if (!port_.isOpen()) return false;
    const QByteArray bytes = text.toLatin1();
    if (port_.write(bytes) != bytes.size()) return false;
    lineFreeNs_ = std::max(lineFreeNs_, clock_.nsecsElapsed()) + bytes.size() * kCharNs;
    if (OnWritten) OnWritten(text);
    // Hand the bytes to the driver now, as the program expects of a write.
    // What a full line refuses stays held (handleError).
    port_.flush();
    return port_.isOpen();
}

int SerialPortControl::OutBufferCount() const {
    if (!port_.isOpen()) return 0;
    // QSerialPort hands its bytes to the driver as soon as the driver takes
    // them; the driver's own queue is only seen through TIOCOUTQ, which a
    // pseudo-terminal leaves at 0 however much its reader has not read.
    int queued = 0;
    const int fd = static_cast<int>(port_.handle());
    if (fd < 0 || ::ioctl(fd, TIOCOUTQ, &queued) != 0 || queued < 0) queued = 0;
    return HeldCount() + std::max(queued, onTheLine());
}

int SerialPortControl::HeldCount() const { return port_.isOpen() ? static_cast<int>(port_.bytesToWrite()) : 0; }

int SerialPortControl::onTheLine() const {
    const qint64 left = lineFreeNs_ - clock_.nsecsElapsed();
    return left > 0 ? static_cast<int>((left + kCharNs - 1) / kCharNs) : 0;
}

int SerialPortControl::InBufferCount() const { return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0; }

QString SerialPortControl::Input() {
    if (!port_.isOpen()) return {};
    return QString::fromLatin1(port_.readAll());
}

bool SerialPortControl::hungUp() const {
    pollfd p{static_cast<int>(port_.handle()), POLLOUT, 0};
    if (p.fd < 0) return true;
    int n = 0;
    do n = ::poll(&p, 1, 0);
    while (n < 0 && errno == EINTR);
    return n < 0 || (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void SerialPortControl::handleError(QSerialPort::SerialPortError e) {
    if (e != QSerialPort::ResourceError || !port_.isOpen() || lossPending_) return;
    // A write the line refused for now (EAGAIN) comes as a resource error too:
    // with bytes held and the device still there, it is back-pressure. The
    // port keeps the bytes and writes them once the line takes them.
    if (port_.bytesToWrite() > 0 && !hungUp()) {
        port_.clearError();
        return;
    }
    // Otherwise the device is gone (unplugged, or the far end of a
    // pseudo-terminal closed). Close once, then tell the link.
    // Closing is queued: the port is still inside its own read handler here.
    lossPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            lossPending_ = false;
            if (!port_.isOpen()) return;
            Close();
            if (OnLost) OnLost();
        },
        Qt::QueuedConnection);
}

}  // namespace tamberlo
