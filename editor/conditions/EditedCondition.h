#pragma once
// The condition cell open in the editor: its row of Condities and its four
// caption lines, which every edit handler writes at once. Without an open
// condition cell the writes go nowhere, so a stray handler cannot touch row 0
// or a cell nobody edits.

#include <QString>

#include "ConditionCellLook.h"
#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo::edited {

// The cell in edit (BewerkNummer) when the condition editor is open, else 0.
int cell();
// Its row; a scratch row while no condition cell is open.
ConditionRow& row();
// Caption line A..D (kLineInterface..kLineValue) of the cell.
void setLine(int line, const QString& text);
QString line(int line);
// The frame and line colours of a cell edited as `kind` (0 or 1 input, 2 time, 3 memory, key or variable).
void colourAs(int kind);
// The cell's lines as a ladder file read draws them from its row (used when a
// fill had to give a damaged row back untouched).
void redrawFromRow();

}  // namespace tamberlo::edited
