#pragma once
// Input reading: the event point of a cycle, then every polled local input
// (Velleman cards, parallel ports, the Kelvanor module's input word, the
// function keys) into the input images and the dashboard's input lamps.

#include <cstdint>

namespace tamberlo {

void InitialiseerIngangen();

// The same, where the yield first sleeps until an event arrives or
// `maxWaitMs` passed: the scan loop's event point after a cycle that changed
// nothing.
void ReadInputsWaitingAtMost(int maxWaitMs);

// Kelvanor1's InputWordChanged: keeps the digital input word (word 0) of the
// module the program uses (the lowest in ModuleAanwezig) for the next
// InitialiseerIngangen; other words and modules do not reach the inputs.
void Kelvanor1_InputWordChanged(std::int16_t module, std::int16_t wordIndex, std::int32_t value);
// Around a module search: the words reported before it no longer count, and
// the word that the module in use (the lowest in `modulesFound`, the
// search's result) reported during it is taken over after it.
void ForgetModuleInputWords();
void TakeModuleInputWord(int modulesFound);

// Switches the parallel ports' and the Velleman cards' outputs off (searching the cards anew).
void InitialiseerInterfaces();

}  // namespace tamberlo
