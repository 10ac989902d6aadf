#pragma once
// The Silicon Labs transport: a Kelvanor module behind a Silicon Labs USB
// bridge, reached through the Silicon Labs layer. The reader polls the
// receive queue every 10 ms and hands bytes to the control as the serial
// reader does; writes run on the calling thread.

#include <string>

#include "PolledUsbPort.h"
#include "SiLabsLibrary.h"

namespace kelvanor {

// The process-wide count of Silicon Labs devices, set by each search from the
// library's answer (status 6 gives -1, "device not found" 0, any other
// failure keeps the old count). Ports open only indexes below it.
void RecordSiLabsDeviceCount(int status, std::uint32_t count);
int SiLabsDeviceCount();

class CSiLabsPort final : public CPolledUsbPort {
public:
    static constexpr int kPollMs = 10;
    static constexpr std::uint16_t kLineControl = 0x0801;  // 8 data bits, no parity, stop code 1

    CSiLabsPort() = default;
    ~CSiLabsPort() override;

    // Opens device `index` (below the recorded count); 1 when opened.
    int Open(PortOwner* owner, std::uint32_t index, std::uint32_t unused) override;
    int Close() override;

private:
    bool HasDevice() const override { return handle_ != 0; }
    bool DeviceWaiting(std::uint32_t& waiting) override;
    bool DeviceRead(std::uint8_t* data, std::uint32_t n, std::uint32_t& got) override;
    void DeviceFlushReceive() override;
    void DeviceWrite(const char* data, std::uint32_t n) override;

    tamberlo::SiLabsHandle handle_ = 0;
};

}  // namespace kelvanor
