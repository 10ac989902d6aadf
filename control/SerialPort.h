#pragma once
// The serial transport: a COM port (a tty device named through the program's
// COM number mapping) with one reader thread that also performs the queued
// writes. Held ports count as access denied: the port is opened in exclusive
// mode and with an advisory lock, since exclusive mode does not stop root.

#include <QString>

#include <string>

#include "CommunicationPort.h"

namespace kelvanor {

// Results of CSerialPort::Open besides 0.
constexpr int kErrorFileNotFound = 2;
constexpr int kErrorAccessDenied = 5;
constexpr int kErrorGeneralFailure = 31;

class CSerialPort final : public CCommunicationPort {
public:
    CSerialPort() = default;
    ~CSerialPort() override;

    int Open(PortOwner* owner, std::uint32_t comNumber, std::uint32_t baud) override;
    int Close() override;
    void Write(const std::string& line) override;
    bool IsOpen() const override;
    void HandleReaderFault() override;

    // Whether COM n exists and is a serial device (the search's test).
    static bool IsSerialDevice(int comNumber);

private:
    void ThreadProc();
    bool ReadData(bool hangup);
    void SendQueued();
    void ReportError(const char* step, int code);
    // Reader thread, lock released: records a read fault for the window thread.
    void ReportReadFault(int err);
    void CloseDevice();

    std::atomic<int> fd_{-1};
    std::mutex faultMutex_;
    std::string faultStep_;  // set by the reader, reported on the window thread
    int faultCode_ = 0;
};

}  // namespace kelvanor
