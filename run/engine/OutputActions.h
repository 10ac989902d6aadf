#pragma once
// Output actions: carries out the output operation of action row r on its
// interface (Velleman cards digital and analog, parallel ports, the Kelvanor
// module, the Arduino), locally or into the network output image, and keeps
// the dashboard's output lamps and values in step.

namespace tamberlo {

// r = 1..90: a holding rung of kind 1, once per pass. r = 0: the start-only
// row at a fresh start, called only for Velleman cards (codes 10..13, 20..23)
// and parallel ports (31..33); row 0 leaves VellemanUitByte as it is.
void OutputAction(int r);

}  // namespace tamberlo
