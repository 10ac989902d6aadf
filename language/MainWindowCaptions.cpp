#include "CaptionTable.h"

namespace tamberlo {

namespace {
// A key without an index covers every item of a control array; a key with a
// "/" names one state of a control (PanelStatus by Verbindingsstatus) or a
// property other than the caption (CommandTaal's picture).
constexpr CaptionRow kRows[] = {
    {"PanelKopConditie", "Conditie", "Condition"},
    {"PanelKopActie", "Actie", "Action"},
    {"PanelKopInstellingen", "Beheer", "Management"},
    {"CommandPanelConditie", "Wijzig", "Edit"},
    {"CommandPanelActie", "Wijzig", "Edit"},
    {"CommandVoegActieToe", "Voeg actie toe", "Add action"},
    {"CommandInitialiseer", "Initialiseer", "Initialize"},
    {"CommandWissen", "Wissen", "Delete"},
    {"CommandPauze", "Pauze", "Pause"},
    {"CommandSchrijven", "Opslaan", "Save"},
    {"CommandLezen", "Openen", "Open"},
    {"CommandAfsluiten", "Einde", "Close"},
    {"CommandTaal", "Nederl.", "English"},
    {"CommandTaal/picture", "vlag Nederlands.bmp", "vlag Engels.bmp"},
    {"CommandPrinten", "Printen", "Print"},
    {"CommandAbout", "Over", "About"},
    {"CommandClipBoard", "Instellingen", "Settings"},
    {"CommandResetAll", "Alles uit", "All off"},
    {"SSPanel67", "Ladder Programma", "Ladder Program"},
    {"CMDZoekVelleman", "Vind !", "Find !"},
    {"CMDZoekBrask", "Vind !", "Find !"},
    {"CMDZoekiCP12", "Vind !", "Find !"},
    {"SSPanel77", "Variabele", "Variables"},
    {"SSPanel75", "Geheugen", "Memory"},
    {"SSPanel80", "Tijd per Cyclus", "Cycle Time"},
    {"PanelNetwerkUit", "Uit", "Out"},
    {"PanelStatus/0", "Niet verbonden.", "Not Connected."},
    {"PanelStatus/1", "Verbonden.", "Connected."},
    {"PanelStatus/3", "Zoeken...", "Searching..."},
};
}  // namespace

CaptionTable mainWindowCaptions() { return kRows; }

}  // namespace tamberlo
