#pragma once
// What a condition cell shows for its stored row of Condities: frame, the
// four caption lines (interface, number, signal, value) and their colours, in
// Dutch or English. Pure functions of the row, so the file reader, the
// language switch and the edit panels share one set of texts.

#include <QString>

#include <array>
#include <optional>

#include "CellLook.h"
#include "CellTexts.h"
#include "SharedState.h"

namespace tamberlo {

using ConditionRow = std::array<Integer, kConditionColumns>;
using PortAddresses = std::array<Long, 3>;

// Line indexes of a cell's four caption panels (PanelConditieA..D).
enum ConditionLine { kLineInterface = 0, kLineNumber = 1, kLineSignal = 2, kLineValue = 3 };

constexpr VbColor kColorInputYellow = 0x80FFFF;  // input row
constexpr VbColor kColorTimeOrange = 0x80C0FF;   // time or timer row
constexpr VbColor kColorMemoryPink = 0xFF80FF;   // memory, key or variable row

// The look of a cell drawn from its row after a ladder file was read.
CellLook conditionLookOnRead(const ConditionRow& row, bool english, const PortAddresses& ports);
// The language-dependent lines of a cell after the language changed.
CellLook conditionLookOnLanguage(const ConditionRow& row, bool english);

// ---- texts shared with the condition editor's panels ------------------------

// Interface line of an input (network 0 local, 1 network); nothing for an
// unknown code or network flag.
std::optional<QString> inputInterfaceText(int code, int network, bool english);
// Signal line of an input: "Digitaal IN" or, for analog, "Analoog IN A<channel>".
std::optional<QString> inputSignalText(int code, int channel, bool english);
// Value line of a digital input: "3" or "Not 3" (column 2 + 10); Kelvanor has 8 inputs.
std::optional<QString> digitalInputValueText(int code, int column2);
// Comparison: 0..255 ">= v", 1000..1255 "<= v", and with allowEqual 2000..2255 "= v".
std::optional<QString> compareText(int code, bool allowEqual);
// Weekday letters of a mask (bit 0 Sunday), joined without separator.
QString weekdayText(int mask, bool english);
// Time of day "07:05:00".
QString clockTimeText(int hour, int minute, int second);
// variableLetter and portAddressText come from CellTexts.h.

}  // namespace tamberlo
