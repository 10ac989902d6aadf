#include "ConditionCaptions.h"

#include "ConditionCellLook.h"
#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

bool isCell(int i) { return i >= 1 && i <= kConditions; }

void applyLook(int i, const CellLook& look) {
    ConditionCellView& cell = ladderView.cell[static_cast<std::size_t>(i)];
    look.applyTo(cell);

    if (!look.verticalLink) return;
    cell.wireVisible = false;
    cell.addButtonVisible = false;
    if (ColumnOfCell(i) != 2) return;
    // The last cell of a linked rung r draws the line hanging below rung r - 1
    // and swaps the rung's supply wire for its OR wire. Rung 1 has no rung
    // above it, so a damaged file's link there has no line to show.
    const int rung = i / 3;
    if (i - 3 >= 1) ladderView.cell[static_cast<std::size_t>(i - 3)].linkLineVisible = true;
    ladderView.action[static_cast<std::size_t>(rung)].orWireVisible = true;
    ladderView.action[static_cast<std::size_t>(rung)].supplyVisible = false;
}

}  // namespace

void SetPanelConditieBijLezen(int i) {
    if (!isCell(i)) return;
    applyLook(
        i, conditionLookOnRead(shared.Condities[static_cast<std::size_t>(i)], shared.TaalVlag, shared.ParallellePoortAdressen));
    ladderView.changed();
}

void SetPanelConditieBijAndereTaal(int i) {
    if (!isCell(i)) return;
    applyLook(i, conditionLookOnLanguage(shared.Condities[static_cast<std::size_t>(i)], shared.TaalVlag));
    ladderView.changed();
}

}  // namespace tamberlo
