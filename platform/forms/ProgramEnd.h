#pragma once
// The immediate end of the program. EndProgram sets the ending state, runs
// the registered end steps (last registered first; e.g. destroying the hosted
// Kelvanor control so that it writes its ini file) and then ends the process
// at once, without unwinding: no window's own close handling runs, also when
// it is called from inside a run loop's yield.

#include <functional>

namespace tamberlo {

void OnProgramEnd(std::function<void()> step);
void EndProgram();

// Replaces the process end itself (the steps still run); EndProgram then
// returns after the replacement ran. nullptr restores the real end. The
// program's services install it (tests their fake); the platform's own tests
// set it here.
void SetProcessEnder(std::function<void()> ender);
// Forgets the registered end steps (tests).
void ClearProgramEndSteps();

}  // namespace tamberlo
