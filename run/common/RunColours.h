#pragma once
// The colours the run gives the ladder window's memory lamps and its
// start/stop lamp, in one place for every unit that sets them.

#include "LadderView.h"

namespace tamberlo {

constexpr VbColor kMemoryOn = kLampRed;            // memory set
constexpr VbColor kMemoryOff = 0xFFFFC0;           // memory reset by a rung, or cleared by stop
constexpr VbColor kMemoryOffAtStart = kPanelGrey;  // memory reset by the start row

constexpr VbColor kLampRunning = kLampRed;  // running
constexpr VbColor kLampStopped = 0xC0C0C0;  // stopped
constexpr VbColor kLampPaused = 0xC0FFC0;   // paused

}  // namespace tamberlo
