#include "PoweredDrawing.h"

#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {

void VoedingAAN() {
    LadderView& v = ladderView;
    v.leftRailColor = kColorRed;
    for (int r = 1; r <= kRungs; ++r) v.action[r].supplyColor = kColorRed;
    const auto& C = shared.Condities;
    for (int i = 1; i <= kConditions; ++i) {
        if (C[i][0] != 0) {
            shared.ConditiesAanwezig = true;
            continue;
        }
        shared.ConditieResultaat[i] = true;
        // A wire is red when every cell from the rail up to it is empty.
        bool open = true;
        for (int k = i - ColumnOfCell(i); k < i; ++k) open = open && C[k][0] == 0;
        if (open) v.cell[i].wireColor = kColorRed;
    }
    v.changed();
}

void VoedingUIT() {
    LadderView& v = ladderView;
    v.leftRailColor = kColorBlack;
    for (int r = 1; r <= kRungs; ++r) {
        v.action[r].supplyColor = kColorBlack;
        v.action[r].orWireColor = kColorBlack;
    }
    for (int i = 0; i <= kConditions; ++i) {
        v.cell[i].wireColor = kColorBlack;
        v.cell[i].linkLineColor = kColorBlack;
        shared.ConditieResultaat[i] = false;
    }
    v.changed();
}

}  // namespace tamberlo
