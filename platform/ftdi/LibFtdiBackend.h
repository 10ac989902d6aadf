#pragma once
// FtdiLibrary over libftdi1 and libusb-1.0. Without USB access (no bus, no
// permission) it lists no device. libftdi has no receive queue of its own:
// getStatus() drains what the bridge has sent into a buffer per device and
// reports its size; read() takes from that buffer.

#include "FtdiLibrary.h"

#include <map>
#include <memory>
#include <mutex>

struct libusb_context;

namespace tamberlo {

class LibFtdiBackend final : public FtdiLibrary {
public:
    LibFtdiBackend();
    ~LibFtdiBackend() override;

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
    struct Device;
    Device* find(FtdiHandle handle);
    int pollInto(Device& device, int timeoutMs);

    std::mutex mutex_;  // guards list_ and devices_
    libusb_context* usb_ = nullptr;
    bool usbTried_ = false;
    std::vector<FtdiDeviceInfo> list_;
    std::map<FtdiHandle, std::unique_ptr<Device>> devices_;
};

}  // namespace tamberlo
