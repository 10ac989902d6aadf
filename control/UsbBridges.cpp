#include "UsbBridges.h"

#include "PlatformUsbBridges.h"

namespace kelvanor {
namespace {
PlatformUsbBridges platformBridges;
UsbBridges* installed = nullptr;
}  // namespace

UsbBridges& usbBridges() { return installed ? *installed : static_cast<UsbBridges&>(platformBridges); }
void SetUsbBridges(UsbBridges* bridges) { installed = bridges; }

}  // namespace kelvanor
