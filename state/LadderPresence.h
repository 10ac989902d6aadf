#pragma once
// Whether the ladder holds a program: the presence flags that the save,
// start and delete commands ask for.

namespace tamberlo {

// Sets ConditiesAanwezig and ActiesAanwezig from the whole ladder
// (cells 1..270, rows 1..90; the start-only row does not count).
void IsErEenProgramma();

}  // namespace tamberlo
