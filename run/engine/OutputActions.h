#pragma once
// Output actions: carries out the output operation of action row r on its
// interface (Velleman cards digital and analog, parallel ports, the Kelvanor
// module, the Arduino), locally or into the network output image, and keeps
// the dashboard's output lamps and values in step. The actions change the
// images; the devices are written by FlushOutputs, once after the pass.

namespace tamberlo {

// r = 1..90: a holding rung of kind 1, once per pass. r = 0: the start-only
// row at a fresh start, called only for Velleman cards (codes 10..13, 20..23)
// and parallel ports (31..33); row 0 leaves VellemanUitByte as it is.
void OutputAction(int r);

// Writes each device that the actions since the last flush drove, once, and
// only where what it should show differs from what was last written to it
// (the Kelvanor module: the bytes that changed since they were last sent).
// Called after every pass and after the start-only row.
void FlushOutputs();

}  // namespace tamberlo
