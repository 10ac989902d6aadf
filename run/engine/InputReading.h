#pragma once
// Input reading: the event point of a cycle, then every polled local input
// (Velleman cards, parallel ports, the Kelvanor module's input word, the
// function keys) into the input images and the dashboard's input lamps.

#include "VbTimer.h"

namespace tamberlo {

void InitialiseerIngangen();

// The same, where the yield first sleeps until an event arrives or
// `maxWaitMs` passed: the scan loop's event point after a cycle that changed
// nothing.
void ReadInputsWaitingAtMost(int maxWaitMs);

// The dashboard's 10 ms input poll TimerLeesIngangen, created (off) at first
// use: it reads the inputs while no run is on.
VbTimer& TimerLeesIngangen();

// Switches the parallel ports' and the Velleman cards' outputs off (searching the cards anew).
void InitialiseerInterfaces();

}  // namespace tamberlo
