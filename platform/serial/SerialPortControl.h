#pragma once
// The serial port control of the Arduino link (`iCP_MS_Comm`): a COM port
// number, open and close, text out, the characters waiting and one
// communication event. The settings are fixed: 115200 baud, 8 data bits, no
// parity, one stop bit, no flow control. Text is sent and read as single
// bytes (Latin-1).
//
// A line that pushes back (its far end reads slowly or not at all) is not a
// lost device: what the driver refuses waits in the port and goes out once
// the line takes it. Only a hang-up (the device removed, the far end closed)
// is a loss.

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <functional>

namespace tamberlo {

class SerialPortControl : public QObject {
    Q_OBJECT
public:
    explicit SerialPortControl(QObject* parent = nullptr);
    ~SerialPortControl() override;

    int CommPort() const { return commPort_; }
    // Takes effect at the next open.
    void SetCommPort(int n) { commPort_ = n; }

    bool PortOpen() const { return port_.isOpen(); }
    // Opens COM CommPort(); false when the port is missing or in use.
    bool Open();
    void Close();

    // Writes `text` at once; false when the port is closed or the write failed.
    bool Output(const QString& text);
    // Characters written but not yet sent on the line: those the port still
    // holds, and those waiting in the driver or, where the driver reports no
    // queue (a pseudo-terminal), still on a 115200-baud line by its rate,
    // whichever is more.
    int OutBufferCount() const;
    // Characters the line refused for now, held by the port until it takes them.
    int HeldCount() const;
    // Characters waiting, and all of them taken at once.
    int InBufferCount() const;
    QString Input();

    // Raised when characters arrived (the receive event).
    std::function<void()> OnComm;
    // Raised once when the device went away while open; the port is closed by then.
    std::function<void()> OnLost;
    // Raised after Open opened the port, and with every text Output wrote.
    std::function<void()> OnOpened;
    std::function<void(const QString&)> OnWritten;

    // What a received burst may hold at most; the rest waits in the driver.
    static constexpr qint64 kInBufferSize = 4096;

private:
    void handleError(QSerialPort::SerialPortError e);
    bool hungUp() const;
    int onTheLine() const;

    QSerialPort port_;
    QElapsedTimer clock_;
    qint64 lineFreeNs_ = 0;  // when the line has carried all written so far, on clock_
    int commPort_ = 1;
    int lockFd_ = -1;
    bool lossPending_ = false;
};

}  // namespace tamberlo
