#include "CaptionTable.h"

namespace tamberlo {

namespace {
// Rows that name several controls with one text are listed once per control.
// Tab 1 ("Timers") has the same caption in both languages and is not listed.
constexpr CaptionRow kRows[] = {
    {"CommandVerwijderActie", "Verwijder", "Delete"},
    {"SSPanel83", "Speel een geluid af.", "Play a sound."},
    {"SSPanel84", "Bestand", "File"},
    {"CommandVerversMap", "Ververs", "Refresh"},
    {"CommandBestandsPad", "Bestands pad", "File path"},
    {"SSPanel3", "Actie Uitgang Interface", "Action Output Interface"},
    {"OptionWelkeInterfaceUit(0)", "Velleman Digitaal", "Velleman Digital"},
    {"OptionWelkeInterfaceUit(1)", "Velleman Analoog", "Velleman Analog"},
    {"OptionWelkeInterfaceUit(2)", "Parallel Digitaal", "Parallel Digital"},
    {"CheckNetwerkUIT", "Netwerk", "Network"},
    {"SSPanel18", "Nummer", "Number"},
    {"SSPanel49", "Actie", "Action"},
    {"SSPanel55", "Actie", "Action"},
    {"SSPanel61", "Actie", "Action"},
    {"SSPanel22", "Digitale uitgang nr.", "Digital output nr."},
    {"OptionSetResetDigUitPoort(3)", "Impuls", "Impulse"},
    {"SSPanel24", "Kanaal", "Channel"},
    {"OptionAnaloogA1A2Uit(1)", "Uit A1", "Out A1"},
    {"OptionAnaloogA1A2Uit(2)", "Uit A2", "Out A2"},
    {"SSPanel47", "Analoog UIT", "Analog OUT"},
    {"SSPanel68", "Analoog UIT", "Analog OUT"},
    {"CheckWOL", "Wacht Op Niet", "Wait For Not"},
    {"OptionAnaloogUitGroterKleinerGelijk(1)", "Zet waarde op", "Set value at"},
    {"OptionAnaloogUitGroterKleinerGelijk(2)", "Vergroot waarde met", "Increase value with"},
    {"OptionAnaloogUitGroterKleinerGelijk(3)", "Verklein waarde met", "Decrease value with"},
    {"OptionVariabeleUitGroterKleinerGelijk(1)", "Zet waarde op", "Set value at"},
    {"OptionVariabeleUitGroterKleinerGelijk(2)", "Vergroot waarde met", "Increase value with"},
    {"OptionVariabeleUitGroterKleinerGelijk(3)", "Verklein waarde met", "Decrease value with"},
    {"SSPanel58", "Stel de tijd per timer in", "Preset the time of each timer"},
    {"SSPanel53", "Set of Reset Timer", "Set or Reset Timer"},
    {"SSPanel59", "Set of Reset Geheugen", "Set or Reset Memory"},
    {"SSPanel63", "Geheugen M", "Memory M"},
    {"SSPanel69", "Aanpassen variable", "Adjust variable"},
    {"SSPanel65", "Variabele", "Variable"},
    {"TabActies(0)", "Uitgangen", "Output"},
    {"TabActies(2)", "Geheugen Variabelen", "Memory Variables"},
    {"TabActies(3)", "Geluid", "Sound"},
};
}  // namespace

CaptionTable actionEditorCaptions() { return kRows; }

}  // namespace tamberlo
