#pragma once
// An FtdiLibrary for tests: devices with chosen identities and EEPROM
// contents, bytes scripted by a responder or injected by the test, failures
// at chosen steps, and a log of every setup call per device. Thread-safe: a
// reader thread may poll while the test injects.

#include "FtdiLibrary.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>

namespace tamberlo::test {

enum class FtdiStep {
    List, Open, DriverVersion, UsbParameters, LatencyTimer, Timeouts, DataCharacteristics,
    BaudRate, Purge, Status, Read, Write, EepromRead, EepromProgram, CyclePort,
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

class FakeFtdiLibrary final : public FtdiLibrary {
public:
    // Adds a device; returns its index in the list.
    int addDevice(FakeFtdiDevice device);
    // Every later call of `step` returns `status` (0 removes the failure).
    void failAt(FtdiStep step, int status);
    // Bytes that the device sends.
    void inject(int index, const std::string& bytes);

    std::vector<std::string> calls(int index) const;   // e.g. "SetBaudRate 19200"
    std::string written(int index) const;               // every byte written so far
    std::uint32_t baud(int index) const;
    bool isOpen(int index) const;
    int cycles(int index) const;
    int programs(int index) const;
    FtdiProgramData eeprom(int index) const;
    std::size_t pending(int index) const;               // received, not yet read

    int createDeviceInfoList(std::uint32_t& count) override;
    int getDeviceInfoList(std::vector<FtdiDeviceInfo>& devices) override;
    int open(int index, FtdiHandle& handle) override;
    int close(FtdiHandle handle) override;
    int getDriverVersion(FtdiHandle handle, std::uint32_t& version) override;
    int setUsbParameters(FtdiHandle handle, std::uint32_t inSize, std::uint32_t outSize) override;
    int setLatencyTimer(FtdiHandle handle, std::uint8_t ms) override;
    int setTimeouts(FtdiHandle handle, std::uint32_t readMs, std::uint32_t writeMs) override;
    int setDataCharacteristics(FtdiHandle handle, std::uint8_t bits, std::uint8_t stopBits,
                               std::uint8_t parity) override;
    int setBaudRate(FtdiHandle handle, std::uint32_t baud) override;
    int purge(FtdiHandle handle, std::uint32_t mask) override;
    int getStatus(FtdiHandle handle, FtdiQueueStatus& status) override;
    int read(FtdiHandle handle, void* buffer, std::uint32_t size, std::uint32_t& got) override;
    int write(FtdiHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) override;
    int eepromRead(FtdiHandle handle, FtdiProgramData& data) override;
    int eepromProgram(FtdiHandle handle, const FtdiProgramData& data) override;
    int cyclePort(FtdiHandle handle) override;

private:
    struct State {
        FakeFtdiDevice device;
        FtdiHandle handle = 0;
        std::uint32_t baud = 9600;
        std::string rx, tx;
        std::vector<std::string> calls;
        int cycles = 0, programs = 0;
    };
    // Looks up the open device of `handle`, logs `call`, and gives the step's
    // injected failure or 0. Caller holds the lock.
    int enter(FtdiHandle handle, FtdiStep step, const std::string& call, State*& state);

    mutable std::mutex mutex_;
    std::vector<State> devices_;
    std::vector<FtdiDeviceInfo> listed_;
    std::map<FtdiStep, int> failures_;
    FtdiHandle nextHandle_ = 0x100;
};

}  // namespace tamberlo::test
