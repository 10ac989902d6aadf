#pragma once
// The colours the run gives the ladder window's memory lamps and its
// start/stop lamp, in one place for every unit that sets them.

#include "LadderView.h"

namespace tamberlo {

constexpr VbColor kGeheugenAan = 0x8080FF;          // memory set
constexpr VbColor kGeheugenUit = 0xFFFFC0;          // memory reset by a rung, or cleared by stop
constexpr VbColor kGeheugenUitBijStart = 0xD7D7D7;  // memory reset by the start row

constexpr VbColor kLampLoopt = 0x8080FF;       // running
constexpr VbColor kLampGestopt = 0xC0C0C0;     // stopped
constexpr VbColor kLampGepauzeerd = 0xC0FFC0;  // paused

}  // namespace tamberlo
