#include "EditedCondition.h"

#include "ConditionCaptions.h"
#include "EditorHooks.h"

namespace tamberlo::edited {

int cell() {
    const int i = shared.BewerkNummer;
    if (openEditor.kind != OpenEditor::Condition || i < 1 || i > kConditions) return 0;
    return i;
}

ConditionRow& row() {
    static ConditionRow scratch{};
    const int i = cell();
    if (i == 0) return scratch = ConditionRow{};
    return shared.Condities[std::size_t(i)];
}

void setLine(int line, const QString& text) {
    const int i = cell();
    if (i == 0 || line < 0 || line > 3) return;
    ladderView.cell[std::size_t(i)].lines[std::size_t(line)].caption = text;
    ladderView.changed();
}

QString line(int line) {
    const int i = cell();
    if (i == 0 || line < 0 || line > 3) return {};
    return ladderView.cell[std::size_t(i)].lines[std::size_t(line)].caption;
}

void colourAs(int kind) {
    const int i = cell();
    if (i == 0) return;
    VbColor frame = 0xFFFF;
    VbColor lines = kColorInputYellow;
    if (kind == 2) {
        frame = 0x80FF;
        lines = kColorTimeOrange;
    } else if (kind == 3) {
        frame = 0xFF00FF;
        lines = kColorMemoryPink;
    }
    ConditionCellView& view = ladderView.cell[std::size_t(i)];
    view.frameColor = frame;
    for (auto& l : view.lines) l.backColor = lines;
    ladderView.changed();
}

void redrawFromRow() {
    const int i = cell();
    if (i == 0) return;
    const CellLook look = conditionLookOnRead(row(), shared.TaalVlag, shared.ParallellePoortAdressen);
    ConditionCellView& view = ladderView.cell[std::size_t(i)];
    for (std::size_t k = 0; k < 4; ++k) look.lines[k].applyTo(view.lines[k]);
    // The lines keep the colour of the kind being edited.
    colourAs(row()[0]);
}

}  // namespace tamberlo::edited
