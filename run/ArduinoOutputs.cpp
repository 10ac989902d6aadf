#include "ArduinoOutputs.h"

#include "ArduinoPort.h"
#include "ArduinoProtocol.h"
#include "ComPortSearch.h"

namespace tamberlo {

namespace {
std::optional<int> geschreven;
}  // namespace

ArduinoPoortHooks& arduinoPoortHooks() {
    static ArduinoPoortHooks hooks{ArduinoPortOpen, ArduinoOutput};
    return hooks;
}

ArduinoZoekHooks& arduinoZoekHooks() {
    static ArduinoZoekHooks hooks{ZoekComPoorten, ICP_Connect};
    return hooks;
}

bool ArduinoZetUitgangenEnOnthoud(int byte) {
    const ArduinoPoortHooks& poort = arduinoPoortHooks();
    if (!poort.PortOpen || !poort.Output || !poort.PortOpen()) return false;
    poort.Output(ArduinoUitgangCommando(byte));
    geschreven = byte & 0xFF;
    return true;
}

std::optional<int> ArduinoUitgangGeschreven() { return geschreven; }
void ArduinoUitgangGewist(std::optional<int> byte) { geschreven = byte; }

}  // namespace tamberlo
