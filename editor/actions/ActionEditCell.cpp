#include "ActionEditCell.h"

namespace tamberlo {

int editedRow() {
    const int r = shared.BewerkNummer;
    return (r >= 0 && r <= kRungs) ? r : 0;
}

Integer& actionColumn(int column) { return shared.Acties[std::size_t(editedRow())][std::size_t(column)]; }

ActionRowView& editedCell() { return ladderView.action[std::size_t(editedRow())]; }

void setLine(ActionLine line, const std::optional<QString>& text) {
    if (!text) return;
    editedCell().lines[std::size_t(line)].caption = *text;
    ladderView.changed();
}

void setLineColours(VbColor back) {
    for (CaptionPanel& l : editedCell().lines) l.backColor = back;
    editedCell().lines[kActionInterface].foreColor = kColorButtonText;
    ladderView.changed();
}

void setFrameColour(VbColor frame) {
    editedCell().frameColor = frame;
    ladderView.changed();
}

void setWaitForNotLook(bool waitForNot) {
    CaptionPanel& line = editedCell().lines[kActionInterface];
    line.backColor = waitForNot ? kColorWaitForNot : kColorActionGrey;
    line.foreColor = waitForNot ? kColorWaitForNotText : kColorButtonText;
    ladderView.changed();
}

}  // namespace tamberlo
