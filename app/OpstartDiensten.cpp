#include "OpstartDiensten.h"

#include "Detection.h"

namespace tamberlo {
namespace {

OpstartDiensten Echt() {
    OpstartDiensten d;
    d.AangeslotenVelleman = [] { AangeslotenVelleman(); };
    d.AangeslotenKelvanorEmber = [] { AangeslotenKelvanorEmber(); };
    d.AangeslotenICP12 = [] { AangeslotenICP12(); };
    // Not yet in the program: the settings file and port file readers, the
    // parallel port and Velleman libraries, the Arduino's serial control.
    d.LeesInstellingen = [] {};
    d.LeesPoortsettings = [] {};
    d.Out32 = [](std::int16_t, std::int16_t) {};
    d.VellemanVersie = [] { return std::int32_t(0); };
    d.ArduinoOutput = [](const QString&) {};
    return d;
}

}  // namespace

OpstartDiensten& opstartDiensten() {
    static OpstartDiensten d = Echt();
    return d;
}

void HerstelOpstartDiensten() { opstartDiensten() = Echt(); }

}  // namespace tamberlo
