#include "ArduinoOutputs.h"

#include "ArduinoPort.h"
#include "ArduinoProtocol.h"
#include "ComPortSearch.h"

namespace tamberlo {

namespace {
std::optional<int> written;
}  // namespace

ArduinoPortHooks& arduinoPortHooks() {
    static ArduinoPortHooks hooks{ArduinoPortOpen, ArduinoOutput};
    return hooks;
}

ArduinoSearchHooks& arduinoSearchHooks() {
    static ArduinoSearchHooks hooks{ZoekComPoorten, ICP_Connect};
    return hooks;
}

bool ArduinoSetOutputsAndRemember(int byte) {
    const ArduinoPortHooks& port = arduinoPortHooks();
    if (!port.PortOpen || !port.Output || !port.PortOpen()) return false;
    port.Output(ArduinoOutputCommand(byte));
    written = byte & 0xFF;
    return true;
}

std::optional<int> ArduinoOutputWritten() { return written; }
void ArduinoOutputReset(std::optional<int> byte) { written = byte; }

}  // namespace tamberlo
