#include "UsbBridges.h"

namespace kelvanor {
namespace {
NoUsbBridges noBridges;
UsbBridges* installed = nullptr;
}  // namespace

UsbBridges& usbBridges() { return installed ? *installed : static_cast<UsbBridges&>(noBridges); }
void SetUsbBridges(UsbBridges* bridges) { installed = bridges; }

}  // namespace kelvanor
