#pragma once
// Texts and helpers shared by the condition and the action cells: the
// interface codes of column 1, the interface and number lines they give, and
// the small pieces both kinds of caption are built from.

#include <QString>

#include <array>
#include <optional>

#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {

// The character with code 64 + n (1 A, 2 B, 3 C); nothing outside Latin-1.
std::optional<QString> variableLetter(int n);
// Upper-case hexadecimal without prefix (378).
QString portAddressText(Long address);

namespace celltext {

inline bool between(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Interface codes of column 1 (inputs and outputs alike).
inline bool isVellemanDigital(int code) { return between(code, 10, 13); }
inline bool isVellemanAnalog(int code) { return between(code, 20, 23); }
inline bool isParallelPort(int code) { return between(code, 31, 33); }
inline bool isKelvanor(int code) { return between(code, 40, 43); }
inline bool isArduino(int code) { return code == 50; }
inline bool isKnownInterface(int code) {
    return isVellemanDigital(code) || isVellemanAnalog(code) || isParallelPort(code) || isKelvanor(code) || isArduino(code);
}

// Interface line (network 0 local, 1 network); nothing for an unknown code or
// network flag. `smallCard` writes the English Velleman word as "card".
std::optional<QString> interfaceText(int code, int network, bool english, bool smallCard);
// Number line: card, port address, module number, or "0" for the Arduino.
std::optional<QString> interfaceNumberText(int code, const std::array<Long, 3>& ports);

}  // namespace celltext
}  // namespace tamberlo
