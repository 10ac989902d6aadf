#include "OpstartDiensten.h"

#include "ArduinoPort.h"
#include "Detection.h"
#include "KelvanorHost.h"
#include "ParallelPorts.h"
#include "PortSettingsFile.h"
#include "SettingsFile.h"
#include "VellemanCards.h"

namespace tamberlo {
namespace {

OpstartDiensten Echt() {
    OpstartDiensten d;
    d.HostKelvanor = [] { HostKelvanorControl(); };
    d.AangeslotenVelleman = [] { AangeslotenVelleman(); };
    d.AangeslotenKelvanorEmber = [] { AangeslotenKelvanorEmber(); };
    d.AangeslotenICP12 = [] { AangeslotenICP12(); };
    d.Out32 = [](std::int16_t adres, std::int16_t waarde) { Out32(adres, waarde); };
    d.VellemanVersie = [] { return velleman::Version(); };
    d.LeesInstellingen = [] { LeesInstellingen(); };
    d.LeesPoortsettings = [] { LeesPoortsettings(); };
    d.ArduinoOutput = [](const QString& tekst) { ArduinoOutput(tekst); };
    return d;
}

}  // namespace

OpstartDiensten& opstartDiensten() {
    static OpstartDiensten d = Echt();
    return d;
}

void HerstelOpstartDiensten() { opstartDiensten() = Echt(); }

}  // namespace tamberlo
