#pragma once
// Hosting the Kelvanor control as Kelvanor1: created by class from the
// registered control library when the main window starts, destroyed on the
// way out (so the control writes its ini file).

namespace tamberlo {

// Creates the control and installs it as Kelvanor1. Without the library (not
// built, not registered, not loadable) the program runs on without a module
// and says so once. Returns whether the control is hosted.
bool HostKelvanorControl();

// Lets the hosted control go and restores the module-less Kelvanor1. Safe to
// call from a handler that runs inside a call of the control: that call ends
// at once and the control is destroyed when it returns.
void DestroyKelvanorControl();

// Destroys the hosted control and forgets that the missing control was
// reported and that the program's end step was registered (a fresh program).
void ResetKelvanorHosting();

}  // namespace tamberlo
