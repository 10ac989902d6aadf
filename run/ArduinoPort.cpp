#include "ArduinoPort.h"

// Without the serial link the port is never open.
namespace tamberlo {

bool ArduinoPortOpen() { return false; }
void ArduinoOutput(const QString&) {}

}  // namespace tamberlo
