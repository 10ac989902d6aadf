#include "PlatformUsbBridges.h"

#include "FtdiDeviceList.h"
#include "SiLabsPort.h"
#include "UsbPort.h"

namespace kelvanor {

int PlatformUsbBridges::ListFtdiDevices() { return kelvanor::ListFtdiDevices(); }

void PlatformUsbBridges::FreeFtdiDevices() { kelvanor::FreeFtdiDevices(); }

std::uint32_t PlatformUsbBridges::FtdiLocationId(int index) {
    const tamberlo::FtdiDeviceInfo* info = FtdiDevice(index);
    return info ? info->locationId : 0;
}

std::unique_ptr<CCommunicationPort> PlatformUsbBridges::NewFtdiPort() { return std::make_unique<CUSBPort>(); }

int PlatformUsbBridges::SiLabsDeviceCount(std::uint32_t& count) {
    count = 0;
    const int status = tamberlo::siLabsLibrary().getNumDevices(count);
    RecordSiLabsDeviceCount(status, count);
    return status;
}

std::unique_ptr<CCommunicationPort> PlatformUsbBridges::NewSiLabsPort() { return std::make_unique<CSiLabsPort>(); }

}  // namespace kelvanor
