#pragma once
// The print run: the whole ladder on landscape pages. Page 1 holds the start-
// only row in its "Init" row and rungs 1..16; pages 2..5 hold 18 rungs each
// (17..88) and a sixth page rungs 89 and 90; a later page is printed only
// when one of its rungs has something to show.

#include "PrintSurface.h"

namespace tamberlo {

// Prints the ladder of the shared state with PrintNaam and PrintAfdeling in
// the header, and ends the document. False when the output failed.
bool Printen(PrintSurface& printer);

// Whether rung r is joined to the rung above, by its stored cells.
bool RungJoinedAbove(int r);

}  // namespace tamberlo
