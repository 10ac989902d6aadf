#pragma once
// The one place that resets what a program run leaves behind in the process:
// the shared state, the hosted Kelvanor control and its flags, Kelvanor1,
// the program's end steps and the ending state. A test that starts a fresh
// program calls it first; the program's own start is already fresh.

namespace tamberlo {

void StartFreshProgram();

}  // namespace tamberlo
