#include "FtdiDeviceList.h"

namespace kelvanor {

namespace {
std::vector<tamberlo::FtdiDeviceInfo> devices;
}

int ListFtdiDevices() {
    FreeFtdiDevices();
    std::uint32_t count = 0;
    const int status = tamberlo::ftdiLibrary().createDeviceInfoList(count);
    if (status != tamberlo::FtdiOk) return 0;
    if (count == 0) return 0;
    if (tamberlo::ftdiLibrary().getDeviceInfoList(devices) != tamberlo::FtdiOk) devices.clear();
    return int(devices.size());
}

void FreeFtdiDevices() { devices.clear(); }

int FtdiDeviceCount() { return int(devices.size()); }

tamberlo::FtdiDeviceInfo* FtdiDevice(int i) {
    if (i < 0 || std::size_t(i) >= devices.size()) return nullptr;
    return &devices[std::size_t(i)];
}

}  // namespace kelvanor
