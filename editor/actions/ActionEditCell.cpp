#include "ActionEditCell.h"

#include "EditorHooks.h"

namespace tamberlo {

std::optional<int> editedRow() {
    const int r = shared.BewerkNummer;
    if (openEditor.kind != OpenEditor::Action || r < 0 || r > kRungs) return std::nullopt;
    return r;
}

Integer& actionColumn(int column) {
    static ActionRow scratch{};
    const auto r = editedRow();
    if (!r) return (scratch = ActionRow{})[std::size_t(column)];
    return shared.Acties[std::size_t(*r)][std::size_t(column)];
}

QString& editedSoundFolder() {
    static QString scratch;
    const auto r = editedRow();
    if (!r) return scratch = QString();
    return shared.GeluidMappen[std::size_t(*r)];
}

QString& editedSoundFile() {
    static QString scratch;
    const auto r = editedRow();
    if (!r) return scratch = QString();
    return shared.GeluidBestanden[std::size_t(*r)];
}

ActionRowView& editedCell() {
    static ActionRowView scratch;
    const auto r = editedRow();
    if (!r) return scratch = ActionRowView{};
    return ladderView.action[std::size_t(*r)];
}

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
