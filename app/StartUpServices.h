#pragma once
// What the start-up, the splash and closing call of other parts of the
// program, gathered in one table so tests can put fakes in their place.
// The defaults are the program's real functions.

#include <QString>

#include <cstdint>
#include <functional>

namespace tamberlo {

struct StartUpServices {
    std::function<void()> HostKelvanor;                     // Kelvanor1, created with the main window's controls
    std::function<void()> LeesInstellingen;                 // Tamberlo.ini into TaalVlag, NetwerkAdres, NetwerkPoort
    std::function<void()> ReadPortSettings;                 // Poortsettings.dat into ParallellePoortAdressen
    std::function<void(std::int16_t, std::int16_t)> Out32;  // the parallel port library
    std::function<void()> AangeslotenVelleman;
    std::function<void()> AangeslotenKelvanorEmber;
    std::function<void()> AangeslotenICP12;
    std::function<std::int32_t()> VellemanVersion;      // Version() of the Velleman library
    std::function<void(const QString&)> ArduinoOutput;  // output of the serial control iCP_MS_Comm
};

StartUpServices& startUpServices();
// Puts the real functions back (tests).
void RestoreStartUpServices();

}  // namespace tamberlo
