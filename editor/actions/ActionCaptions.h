#pragma once
// Captions of action cells: the four lines of a row written from its stored
// row of Acties (and sound names) in the current language.

namespace tamberlo {

// After a ladder file record was read: frame colour, visibility and captions of row r (0..90).
void SetPanelActieBijLezen(int r);
// After a language switch: the caption lines of row r in the new language.
void SetPanelActieBijAndereTaal(int r);

}  // namespace tamberlo
