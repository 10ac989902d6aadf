#pragma once
// The print run: the whole ladder on landscape pages. Page 1 holds the start-
// only row in its "Init" row and rungs 1..16; pages 2..5 hold 18 rungs each
// (17..88) and a sixth page rungs 89 and 90; a later page is printed only
// when one of its rungs has something to show.

#include <vector>

#include "PrintSurface.h"

namespace tamberlo {

// What the printer dialog asked for. Pages are counted as the document has
// them (the first page printed is 1); from = to = 0 means every page.
struct PrintJob {
    int from = 0;
    int to = 0;
    int copies = 1;
    bool collate = true;  // copies whole documents one after the other
    bool reverse = false;
};

// Prints the ladder of the shared state with PrintNaam and PrintAfdeling in
// the header, as `job` asks, and ends the document. False when the output failed.
bool Printen(PrintSurface& printer, const PrintJob& job = {});

// How many pages the ladder of the shared state prints on.
int PrintedPageCount();

// Whether rung r is joined to the rung above, by its stored cells.
bool RungJoinedAbove(int r);

}  // namespace tamberlo
