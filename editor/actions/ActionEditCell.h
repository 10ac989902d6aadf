#pragma once
// The action cell being edited, row BewerkNummer: its row of Acties, its
// sound names and its four caption lines in the ladder view. The panels'
// handlers write through these, so every write lands in the ladder view and
// the widget repaints. Without an open action row the writes go nowhere, so a
// stray handler cannot touch the start-only row 0 or a row nobody edits.

#include <QString>

#include <optional>

#include "ActionCellLook.h"
#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {

// The row in edit (BewerkNummer, 0..90) while the action editor is open; nothing otherwise.
std::optional<int> editedRow();
// Column `column` of the edited row; a scratch row while no action row is open.
Integer& actionColumn(int column);
// The edited row's sound folder and file (GeluidMappen, GeluidBestanden); scratch while none is open.
QString& editedSoundFolder();
QString& editedSoundFile();
// The edited row's cell in the ladder view; a scratch cell while none is open.
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
