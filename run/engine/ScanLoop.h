#pragma once
// The run: the scan loop that the start command calls and one scan cycle.

namespace tamberlo {

// Reads the inputs once, then runs scan cycles while ProgrammaStatus is 1.
// Returns when the run state changed (Pause: the run lamp turns light green).
// A call while the loop already runs returns at once.
void LoopConditie();

// One scan cycle: condition cells 1..270 into ConditieResultaat with their
// colours, the actions (LoopActies), the input reading with its event point
// (InitialiseerIngangen), then the cycle time. A call from inside a cycle
// (a handler at the event point) returns at once.
void ScanCycle();

// How long the event point of a cycle that changed nothing may wait for an
// event (1 ms); the benchmarks of a cycle's own cost set 0.
void SetScanIdleWaitMs(int ms);

// Whether LoopConditie is running, and the scan cycles completed since the
// program started (tests and benchmarks watch the loop through them).
bool ScanLoopRunning();
unsigned long long ScanCycles();

// Cells 1..270 only: results and colours, without actions or input reading.
void EvaluateCells();

}  // namespace tamberlo
