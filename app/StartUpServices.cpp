#include "StartUpServices.h"

#include "ArduinoPort.h"
#include "Detection.h"
#include "KelvanorHost.h"
#include "ParallelPorts.h"
#include "PortSettingsFile.h"
#include "SettingsFile.h"
#include "VellemanCards.h"

namespace tamberlo {
namespace {

StartUpServices Real() {
    StartUpServices d;
    d.HostKelvanor = [] { HostKelvanorControl(); };
    d.AangeslotenVelleman = [] { AangeslotenVelleman(); };
    d.AangeslotenKelvanorEmber = [] { AangeslotenKelvanorEmber(); };
    d.AangeslotenICP12 = [] { AangeslotenICP12(); };
    d.Out32 = [](std::int16_t adres, std::int16_t value) { Out32(adres, value); };
    d.VellemanVersion = [] { return velleman::Version(); };
    d.LeesInstellingen = [] { LeesInstellingen(); };
    d.ReadPortSettings = [] { ReadPortSettings(); };
    d.ArduinoOutput = [](const QString& text) { ArduinoOutput(text); };
    return d;
}

}  // namespace

StartUpServices& startUpServices() {
    static StartUpServices d = Real();
    return d;
}

void RestoreStartUpServices() { startUpServices() = Real(); }

}  // namespace tamberlo
