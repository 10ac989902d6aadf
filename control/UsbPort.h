#pragma once
// The FTDI transport: a Kelvanor module behind an FT232R USB bridge, reached
// through the FTDI layer. The reader thread polls the bridge's receive queue
// once per latency period and hands bytes to the control as the serial reader
// does (append under the lock, post one notification); writes run on the
// calling thread.

#include <string>

#include "FtdiLibrary.h"
#include "PolledUsbPort.h"

namespace kelvanor {

// Product ids of FT232R bridges the control accepts.
constexpr std::uint16_t kProductKelvanor = 0xAF80;
constexpr std::uint16_t kProductEmber = 0xAF83;
constexpr std::uint16_t kProductGeneric = 0x6001;

// Baud rate of an open attempt (0 or 1) for a product id.
std::uint32_t FtdiBaudRate(std::uint16_t productId, int attempt);

class CUSBPort final : public CPolledUsbPort {
public:
    static constexpr std::uint8_t kLatencyMs = 2;

    CUSBPort() = default;
    ~CUSBPort() override;

    // Opens device `index` of the FTDI list at the attempt's baud rate;
    // returns 1 when opened, 0 otherwise.
    int Open(PortOwner* owner, std::uint32_t index, std::uint32_t attempt) override;
    int Close() override;

    bool HasGenericIdentity() const override { return IsOpen() && generic_; }
    // Gives the bridge the module's own identity and cycles its port; 0 on
    // success, -1 when it is not a generic bridge, else the library's status.
    int ProgramModuleIds(bool ember) override;

private:
    bool HasDevice() const override { return handle_ != 0; }
    bool DeviceWaiting(std::uint32_t& waiting) override;
    bool DeviceRead(std::uint8_t* data, std::uint32_t n, std::uint32_t& got) override;
    void DeviceFlushReceive() override;
    void DeviceWrite(const char* data, std::uint32_t n) override;
    void CloseDevice();

    tamberlo::FtdiHandle handle_ = 0;
    bool generic_ = false;  // opened with the bridge maker's product id
};

}  // namespace kelvanor
