#include "CaptionTable.h"

namespace tamberlo {

namespace {
// "Instellingen" is the window's own caption.
constexpr CaptionRow kRows[] = {
    {"PanelNetwerk", "Netwerk", "Network"},
    {"PanelNetwerkIPadres", "IP-Adres", "IP-Adress"},
    {"PanelNetwerkPoort", "Poort", "Port"},
    {"Instellingen", "Instellingen", "Settings"},
    {"LabelInfo", "Automatisch zoeken naar aangesloten interface.", "Automatically find connected interface."},
    {"OptionTimer(1)", "Uit", "Off"},
    {"CMDVellemanVersie", "Velleman DLL versie.", "Velleman DLL version."},
    {"CMDBraskVersie", "Brask DLL versie.", "Brask DLL version."},
    {"CMD_Flits", "Flits Arduino", "Flash Arduino"},
};
}  // namespace

CaptionTable settingsCaptions() { return kRows; }

}  // namespace tamberlo
