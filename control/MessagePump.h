#pragma once
// Waiting on the window thread while its events keep flowing: the host's
// timers, clicks and the control's own port messages run inside the waits.
// A wait ends early once the application was told to quit (and every later
// wait returns at once), or when `abandon` is set (the host is done with the
// control), so the program can always quit.

#include <atomic>
#include <cstdint>

namespace kelvanor {

void WaitMs(int ms, const std::atomic<bool>* abandon = nullptr);
// Handles pending events, up to `count` rounds; stops once quit was seen.
void PumpMessages(int count);
// Milliseconds on a monotonic clock.
std::uint32_t GetTimeMs();

}  // namespace kelvanor
