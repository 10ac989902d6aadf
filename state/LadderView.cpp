#include "LadderView.h"

namespace tamberlo {

LadderView ladderView;

LadderView::LadderView() {
    // At start only the third column's add-link button of rungs 1..89 shows.
    for (int i = 1; i <= 267; ++i) cell[i].linkButtonVisible = (ColumnOfCell(i) == 2);
    memoryColor.fill(0xFFFFC0);
    for (int v = 1; v <= 3; ++v) varCaption[v] = QStringLiteral("0");
    for (auto& r : action)
        for (auto& l : r.lines) l.backColor = kColorActionGrey;
    action[0].addButtonVisible = false;
    action[0].supplyVisible = false;
}

}  // namespace tamberlo
