#include "ControlServices.h"

#include "FtdiLibrary.h"
#include "SiLabsLibrary.h"
#include "UsbBridges.h"

namespace kelvanor {

void InstallControlServices(const ControlServices& services) {
    tamberlo::SetFtdiLibrary(services.ftdi);
    tamberlo::SetSiLabsLibrary(services.siLabs);
    SetUsbBridges(services.usbBridges);
}

}  // namespace kelvanor
