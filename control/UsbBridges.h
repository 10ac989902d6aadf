#pragma once
// How the module search reaches the USB bridges (FTDI and Silicon Labs). The
// search asks this interface for the devices and for a new port object of the
// right transport; the ports themselves derive from CCommunicationPort.
// The default reaches the bridges through the FTDI and Silicon Labs layers in
// platform/ (PlatformUsbBridges); tests install fakes of those layers, or of
// this interface with SetUsbBridges().

#include <cstdint>
#include <memory>

#include "CommunicationPort.h"

namespace kelvanor {

class UsbBridges {
public:
    virtual ~UsbBridges() = default;

    // FTDI: builds the process-wide device list and returns its count (0 on
    // failure); FreeFtdiDevices() drops it (Disconnect does).
    virtual int ListFtdiDevices() = 0;
    virtual void FreeFtdiDevices() = 0;
    virtual std::uint32_t FtdiLocationId(int index) = 0;
    // A new, closed FTDI port (Open(owner, index, attempt)).
    virtual std::unique_ptr<CCommunicationPort> NewFtdiPort() = 0;

    // Silicon Labs: asks the library for its device count, giving the
    // library's status; the search maps it (status 6: -1, 0xFF: 0).
    virtual int SiLabsDeviceCount(std::uint32_t& count) = 0;
    // A new, closed Silicon Labs port (Open(owner, index, 0)).
    virtual std::unique_ptr<CCommunicationPort> NewSiLabsPort() = 0;
};

// A machine without USB bridges (tests derive bridges of one kind from it).
class NoUsbBridges : public UsbBridges {
public:
    int ListFtdiDevices() override { return 0; }
    void FreeFtdiDevices() override {}
    std::uint32_t FtdiLocationId(int) override { return 0; }
    std::unique_ptr<CCommunicationPort> NewFtdiPort() override { return nullptr; }
    int SiLabsDeviceCount(std::uint32_t& count) override {
        count = 0;
        return 0xFF;  // the library's "no device"
    }
    std::unique_ptr<CCommunicationPort> NewSiLabsPort() override { return nullptr; }
};

// The bridges in use: PlatformUsbBridges unless another was installed.
UsbBridges& usbBridges();
// Installs `bridges` (not owned); nullptr restores the default.
void SetUsbBridges(UsbBridges* bridges);

}  // namespace kelvanor
