#pragma once
// Timers the run commands switch on and off, created the first time they are
// referred to: the main window's 20 ms Arduino poll TimerSerialPort and the
// dashboard's 10 ms input poll TimerLeesIngangen (which reads the inputs
// while no run is on). The serial link sets TimerSerialPort's handler.

#include "VbTimer.h"

namespace tamberlo {

VbTimer& TimerSerialPort();
VbTimer& TimerLeesIngangen();

}  // namespace tamberlo
