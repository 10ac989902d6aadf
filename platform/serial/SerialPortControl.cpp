#include "SerialPortControl.h"

#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>

#include "ComPortNames.h"

namespace tamberlo {

SerialPortControl::SerialPortControl(QObject* parent) : QObject(parent) {
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
    if (!port_.setBaudRate(QSerialPort::Baud115200) || !port_.setDataBits(QSerialPort::Data8) ||
        !port_.setParity(QSerialPort::NoParity) || !port_.setStopBits(QSerialPort::OneStop) ||
        !port_.setFlowControl(QSerialPort::NoFlowControl)) {
        Close();
        return false;
    }
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
    // Hand the bytes to the driver now, as the program expects of a write.
    port_.flush();
    return port_.isOpen();
}

int SerialPortControl::OutBufferCount() const {
    if (!port_.isOpen()) return 0;
    // QSerialPort hands its bytes to the driver as soon as the driver takes
    // them; the driver's own queue is only seen through TIOCOUTQ.
    int queued = 0;
    const int fd = static_cast<int>(port_.handle());
    if (fd < 0 || ::ioctl(fd, TIOCOUTQ, &queued) != 0 || queued < 0) queued = 0;
    return static_cast<int>(port_.bytesToWrite()) + queued;
}

int SerialPortControl::InBufferCount() const { return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0; }

QString SerialPortControl::Input() {
    if (!port_.isOpen()) return {};
    return QString::fromLatin1(port_.readAll());
}

void SerialPortControl::handleError(QSerialPort::SerialPortError e) {
    // A resource error is the device gone (unplugged, or the far end of a
    // pseudo-terminal closed). Close once, then tell the link.
    // Closing is queued: the port is still inside its own read handler here.
    if (e != QSerialPort::ResourceError || !port_.isOpen() || lossPending_) return;
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
