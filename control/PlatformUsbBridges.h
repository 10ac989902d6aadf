#pragma once
// The USB bridges of this machine, through the FTDI and Silicon Labs layers
// of platform/ (which tests replace with their fakes).

#include "UsbBridges.h"

namespace kelvanor {

class PlatformUsbBridges final : public UsbBridges {
public:
    int ListFtdiDevices() override;
    void FreeFtdiDevices() override;
    std::uint32_t FtdiLocationId(int index) override;
    std::unique_ptr<CCommunicationPort> NewFtdiPort() override;
    int SiLabsDeviceCount(std::uint32_t& count) override;
    std::unique_ptr<CCommunicationPort> NewSiLabsPort() override;
};

}  // namespace kelvanor
