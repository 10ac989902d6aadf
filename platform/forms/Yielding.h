#pragma once
// Yielding to the window system, and the waits that do it: while a wait runs,
// every other handler of the program (timers, clicks, serial and network
// replies) runs nested inside it. Waits never spin the CPU: they sleep in the
// event loop until an event or a short wake-up tick arrives.
//
// The app-wide "ending" state: once the program is ending every wait returns
// at once and every loop that yields must stop.

#include <functional>

namespace tamberlo {

bool AppEnding();
void SetAppEnding(bool ending);

// One pass over the pending events (the program's DoEvents).
void Yield();

// One pass over the pending events that first sleeps until an event arrives
// or `maxWaitMs` passed, when nothing is pending: a loop that has nothing to
// do between events uses no processor while it waits.
void YieldWaitingAtMost(int maxWaitMs);

// How many yields and waits are on the stack now; 0 while only the event
// loop itself runs.
int YieldDepth();

// Runs `command` from the event loop once no handler is inside a yield: a
// handler that starts a long loop of its own must not run nested inside
// another handler's yield, where that handler stays stuck until the loop ends.
void PostOutsideYields(std::function<void()> command);

// Waits `seconds` on a monotonic clock while handling events; returns early
// when the program is ending.
void WaitSeconds(double seconds);

// Handles events while `busy()` is true and the program is not ending.
void WaitWhile(const std::function<bool()>& busy);

// Replaces real waiting: the hook gets the seconds of every WaitSeconds call
// instead of the wait itself; nullptr restores real waiting. The program's
// services install it (tests their fake); the platform's own tests set it here.
void SetWaitHook(std::function<void(double)> hook);

}  // namespace tamberlo
