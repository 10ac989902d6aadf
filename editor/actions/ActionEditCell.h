#pragma once
// The action cell being edited, row BewerkNummer: its row of Acties and its
// four caption lines in the ladder view. The panels' handlers write through
// these, so every write lands in the ladder view and the widget repaints.

#include <QString>

#include <optional>

#include "ActionCellLook.h"
#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {

// The edited row (0..90); BewerkNummer outside that range is treated as row 0.
int editedRow();
Integer& actionColumn(int column);
ActionRowView& editedCell();

// Caption of one line of the edited cell; nullopt leaves the line as it was.
void setLine(ActionLine line, const std::optional<QString>& text);
// Back colour of all four lines; the interface line's fore colour back to
// the button-text colour.
void setLineColours(VbColor back);
void setFrameColour(VbColor frame);
// The interface line's look for column 5 ("Wacht Op Niet"): dark with light
// text when set, plain grey otherwise.
void setWaitForNotLook(bool waitForNot);

}  // namespace tamberlo
