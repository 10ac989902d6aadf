#pragma once
// Captions of condition cells: the four lines of a cell written from its
// stored row of Condities in the current language.

namespace tamberlo {

// After a ladder file record was read: frame colour, visibility and captions of cell i (1..270).
void SetPanelConditieBijLezen(int i);
// After a language switch: the four caption lines of cell i (1..270) in the new language.
void SetPanelConditieBijAndereTaal(int i);

}  // namespace tamberlo
