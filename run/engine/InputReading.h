#pragma once
// Input reading: the event point of a cycle, then every polled local input
// (Velleman cards, parallel ports, the Kelvanor module's input word, the
// function keys) into the input images and the dashboard's input lamps.

#include <cstdint>

namespace tamberlo {

void InitialiseerIngangen();

// Kelvanor1's InputWordChanged: keeps the word for the next InitialiseerIngangen.
void Kelvanor1_InputWordChanged(std::int16_t module, std::int16_t wordIndex, std::int32_t value);

// Switches the parallel ports' and the Velleman cards' outputs off (searching the cards anew).
void InitialiseerInterfaces();

}  // namespace tamberlo
