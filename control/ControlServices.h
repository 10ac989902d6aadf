#pragma once
// The USB services the Kelvanor control runs on, installed in one place. The
// control is a library of its own, so these are its own copies, apart from
// the program's services (Services.h). A member left empty is the real
// service: libftdi1, no Silicon Labs library, the bridges over both. Tests
// install their fakes once, and an empty ControlServices when they end.

namespace tamberlo {
class FtdiLibrary;
class SiLabsLibrary;
}  // namespace tamberlo

namespace kelvanor {

class UsbBridges;

struct ControlServices {
    tamberlo::FtdiLibrary* ftdi = nullptr;
    tamberlo::SiLabsLibrary* siLabs = nullptr;
    UsbBridges* usbBridges = nullptr;
};

// Installs every service of `services` (none owned).
void InstallControlServices(const ControlServices& services);

}  // namespace kelvanor
