#pragma once
// What an action cell shows for its stored row of Acties: frame, the four
// caption lines (interface, number, signal, value) and their colours, in
// Dutch or English. Pure functions of the row, so the file reader, the
// language switch and the edit panels share one set of texts.

#include <QString>

#include <array>
#include <optional>

#include "CellLook.h"
#include "SharedState.h"

namespace tamberlo {

using ActionRow = std::array<Integer, kActionColumns>;
using OutputPortAddresses = std::array<Long, 3>;

// Line indexes of a cell's four caption panels (PanelActieA..D).
enum ActionLine { kActionInterface = 0, kActionNumber = 1, kActionSignal = 2, kActionValue = 3 };

constexpr VbColor kColorTimerRed = 0xC0C0FF;            // timer row
constexpr VbColor kColorMemoryVariableCyan = 0xFFFFC0;  // memory or variable row
constexpr VbColor kColorSoundGreen = 0xC0FFC0;          // sound row
constexpr VbColor kColorWaitForNot = 0x404040;          // "Wacht Op Niet": dark line
constexpr VbColor kColorWaitForNotText = 0xE0E0E0;

// The sound names of a row: folder and file of GeluidMappen / GeluidBestanden.
struct SoundNames {
    QString folder;
    QString file;
};

// The look of a cell drawn from its row after a ladder file was read.
CellLook actionLookOnRead(const ActionRow& row, const SoundNames& sound, bool english, const OutputPortAddresses& ports);
// The language-dependent lines of a cell after the language changed.
CellLook actionLookOnLanguage(const ActionRow& row, bool english);

// ---- texts shared with the action editor's panels ---------------------------

// Interface line of an output (network 0 local, 1 network), without "WON";
// nothing for an unknown code or network flag.
std::optional<QString> outputInterfaceText(int code, int network, bool english);
// Signal line of an output: "Digitaal UIT" or, for analog, "Ana. UIT A<channel>".
std::optional<QString> outputSignalText(int code, int channel, bool english);
// Value line of a digital output: "Set 3", "Res All", "Imp 5".
std::optional<QString> digitalOutputValueText(int operation, int output);
// Value line of an analog output: 0..255 "= v", 1000..1255 "+ v", 2000..2255 "- v".
std::optional<QString> analogOutputValueText(int code);
// A timer preset in hundredths of a second: "1 Min." from 6000, else "1.50 sec."
// with the decimal separator of the current locale.
QString presetText(int hundredths);
// Signal line of a variable action: "Set op", "Vergroot met", "Verklein met".
std::optional<QString> variableOperationText(int operation, bool english);

}  // namespace tamberlo
