#include "CaptionTable.h"

namespace tamberlo {

namespace {
// The condition editor; CheckDagen(1) to (7) are the weekday boxes Sunday to Saturday.
constexpr CaptionRow kRows[] = {
    {"CommandVerwijderConditie", "Verwijder", "Delete"},
    {"SSPanel6", "Conditie Ingang Interface", "Condition Input Interface"},
    {"OptionWelkeInterfaceIn(0)", "Velleman Digitaal", "Velleman Digital"},
    {"OptionWelkeInterfaceIn(1)", "Velleman Analoog", "Velleman Analog"},
    {"OptionWelkeInterfaceIn(2)", "Parallel Digitaal", "Parallel Digital"},
    {"CheckNetwerkIN", "Netwerk", "Network"},
    {"SSPanel10", "Nummer", "Number"},
    {"SSPanel81", "Conditie", "Condition"},
    {"SSPanel73", "Conditie", "Condition"},
    {"SSPanel87", "Conditie", "Condition"},
    {"OptionWaarOnwaarIngang(1)", "Waar", "True"},
    {"OptionWaarOnwaarIngang(2)", "Onwaar", "False"},
    {"OptionWaarOfOnwaarTimer(1)", "Waar", "True"},
    {"OptionWaarOfOnwaarTimer(2)", "Onwaar", "False"},
    {"OptionWaarOfOnwaarGeheugen(0)", "Waar", "True"},
    {"OptionWaarOfOnwaarGeheugen(1)", "Onwaar", "False"},
    {"SSPanel12", "Digitale Ingang", "Digital input nr."},
    {"SSPanel14", "Kanaal", "Channel"},
    {"SSPanel15", "Analoog IN", "Analog IN"},
    {"OptionAnaloogInGroterKleiner(1)", "Groter of gelijk aan", "Bigger or equals"},
    {"OptionAnaloogInGroterKleiner(2)", "Kleiner of gelijk aan", "Smaller or equals"},
    {"SSPanel20", "Tijd", "Time"},
    {"SSPanel28", "Ingestelde tijd", "Established time"},
    {"SSPanel25", "U", "H"},
    {"SSPanel29", "Ingestelde dag", "Established day"},
    {"CheckDagen(1)", "Zo", "Su"},
    {"CheckDagen(2)", "Ma", "Mo"},
    {"CheckDagen(3)", "Di", "Tu"},
    {"CheckDagen(4)", "Wo", "We"},
    {"CheckDagen(5)", "Do", "Th"},
    {"CheckDagen(6)", "Vr", "Fr"},
    {"CheckDagen(7)", "Za", "Sa"},
    {"SSPanel33", "Ingestelde Timer T", "Timer T"},
    {"SSPanel35", "Geheugen", "Memory"},
    {"SSPanel38", "Geheugen M", "Memory M"},
    {"SSPanel36", "Toetsen", "Keys"},
    {"SSPanel40", "Ingestelde Functietoets", "Function Key"},
    {"SSPanel41", "Variabelen", "Variables"},
    {"SSPanel43", "Variabele", "Variable"},
    {"SSPanel46", "Als de waarde is...", "If the value..."},
    {"OptionVarGroterKleiner(1)", "Groter of gelijk aan", "is bigger or equals"},
    {"OptionVarGroterKleiner(2)", "Kleiner of gelijk aan", "is smaller or equals"},
    {"OptionVarGroterKleiner(3)", "Gelijk aan", "equals"},
    {"TabCondities(0)", "Ingangen", "Inputs"},
    {"TabCondities(1)", "Tijd of Timers", "Time or Timers"},
    {"TabCondities(2)", "Geheugen F-Toetsen Variabelen", "Memory F-Keys Variables"},
};
}  // namespace

CaptionTable conditionEditorCaptions() { return kRows; }

}  // namespace tamberlo
