#include "LadderView.h"

namespace tamberlo {

LadderView ladderView;

LadderView::LadderView() {
    // At start only the third column's add-link button of rungs 1..89 shows.
    for (int i = 1; i <= 267; ++i) cel[i].linkButtonVisible = (KolomVanCel(i) == 2);
    geheugenColor.fill(0xFFFFC0);
    for (int v = 1; v <= 3; ++v) varCaption[v] = QStringLiteral("0");
    for (auto& r : actie)
        for (auto& l : r.lines) l.backColor = kKleurActieGrijs;
    actie[0].addButtonVisible = false;
    actie[0].supplyVisible = false;
}

}  // namespace tamberlo
