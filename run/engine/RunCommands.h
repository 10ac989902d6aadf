#pragma once
// The toolbar's run commands and the run state ProgrammaStatus
// (0 stopped, 1 running, 2 paused). A run is the scan loop inside
// CommandStart; Pause and Stop arrive at the loop's event point, change the
// state and the loop ends at its next test.

namespace tamberlo {

// Starts a run, or resumes a paused one (without the start-only row).
// Does nothing while a run is on or while another start is under way.
void CommandStart();
// Pauses a run; outputs, timers, memories and variables keep their values.
void CommandPauze();
// Stops a run (or a paused one): memories, timers, variables and the
// remembered output states are cleared; the hardware is left as it is.
void CommandStop();
// Switches the digital outputs of the cards found, the Kelvanor module and
// the Arduino off, in any run state; the remembered states stay.
void CommandResetAll();

// Gives the network link what the run does when the peer stops.
void InstallRunHooks();

}  // namespace tamberlo
