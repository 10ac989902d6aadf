#pragma once
// An FtdiLibrary for tests: devices with chosen identities and EEPROM
// contents, bytes scripted by a responder or injected by the test, failures
// at chosen steps, and a log of every setup call per device. Thread-safe: a
// reader thread may poll while the test injects.

#include "FakeBridgeDevices.h"
#include "FtdiLibrary.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>

namespace tamberlo::test {

enum class FtdiStep {
    List,
    Open,
    DriverVersion,
    UsbParameters,
    LatencyTimer,
    Timeouts,
    DataCharacteristics,
    BaudRate,
    Purge,
    Status,
    Read,
    Write,
    EepromRead,
    EepromProgram,
    CyclePort,
};

struct FakeFtdiDevice {
    FtdiDeviceInfo info;
    FtdiProgramData eeprom;
    // Called (without the fake's lock) with the bytes of each write and the
    // baud rate set; what it returns arrives as received bytes.
    std::function<std::string(const std::string& written, std::uint32_t baud)> respond;
};

// An FT232R of vendor 0x0403 with the given product id and location.
FakeFtdiDevice FakeFt232r(std::uint16_t productId, std::uint32_t location, const std::string& serial = "A1B2C3");

// A device's record in the fake.
struct FakeFtdiState {
    FakeFtdiDevice device;
    FtdiHandle handle = 0;
    std::uint32_t baud = 9600;
    std::string rx, tx;
    std::vector<std::string> calls;
    int cycles = 0, programs = 0;
};

// addDevice, failAt, inject, calls ("SetBaudRate 19200"), written, isOpen and
// pending come from FakeBridgeDevices.
class FakeFtdiLibrary final : public FtdiLibrary, public FakeBridgeDevices<FakeFtdiState, FtdiStep, FtdiOk, FtdiInvalidHandle> {
public:
    std::uint32_t baud(int index) const { return field(index, &FakeFtdiState::baud); }
    int cycles(int index) const { return field(index, &FakeFtdiState::cycles); }
    int programs(int index) const { return field(index, &FakeFtdiState::programs); }
    FtdiProgramData eeprom(int index) const;

    int createDeviceInfoList(std::uint32_t& count) override;
    int getDeviceInfoList(std::vector<FtdiDeviceInfo>& devices) override;
    int open(int index, FtdiHandle& handle) override;
    int close(FtdiHandle handle) override;
    int getDriverVersion(FtdiHandle handle, std::uint32_t& version) override;
    int setUsbParameters(FtdiHandle handle, std::uint32_t inSize, std::uint32_t outSize) override;
    int setLatencyTimer(FtdiHandle handle, std::uint8_t ms) override;
    int setTimeouts(FtdiHandle handle, std::uint32_t readMs, std::uint32_t writeMs) override;
    int setDataCharacteristics(FtdiHandle handle, std::uint8_t bits, std::uint8_t stopBits, std::uint8_t parity) override;
    int setBaudRate(FtdiHandle handle, std::uint32_t baud) override;
    int purge(FtdiHandle handle, std::uint32_t mask) override;
    int getStatus(FtdiHandle handle, FtdiQueueStatus& status) override;
    int read(FtdiHandle handle, void* buffer, std::uint32_t size, std::uint32_t& got) override;
    int write(FtdiHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) override;
    int eepromRead(FtdiHandle handle, FtdiProgramData& data) override;
    int eepromProgram(FtdiHandle handle, const FtdiProgramData& data) override;
    int cyclePort(FtdiHandle handle) override;

private:
    using State = FakeFtdiState;

    std::vector<FtdiDeviceInfo> listed_;
    FtdiHandle nextHandle_ = 0x100;
};

}  // namespace tamberlo::test
