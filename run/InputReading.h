#pragma once
// Input reading: the event point of a cycle, then every polled local input into the images.

namespace tamberlo {

void InitialiseerIngangen();

}  // namespace tamberlo
