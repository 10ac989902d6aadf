#include "PoweredDrawing.h"

#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {

void VoedingAAN() {
    LadderView& v = ladderView;
    v.leftRailColor = kKleurRood;
    for (int r = 1; r <= kRungs; ++r) v.actie[r].supplyColor = kKleurRood;
    const auto& C = shared.Condities;
    for (int i = 1; i <= kCondities; ++i) {
        if (C[i][0] != 0) {
            shared.ConditiesAanwezig = true;
            continue;
        }
        shared.ConditieResultaat[i] = true;
        // A wire is red when every cell from the rail up to it is empty.
        bool open = true;
        for (int k = i - KolomVanCel(i); k < i; ++k) open = open && C[k][0] == 0;
        if (open) v.cel[i].wireColor = kKleurRood;
    }
    v.changed();
}

void VoedingUIT() {
    LadderView& v = ladderView;
    v.leftRailColor = kKleurZwart;
    for (int r = 1; r <= kRungs; ++r) {
        v.actie[r].supplyColor = kKleurZwart;
        v.actie[r].orWireColor = kKleurZwart;
    }
    for (int i = 0; i <= kCondities; ++i) {
        v.cel[i].wireColor = kKleurZwart;
        v.cel[i].linkLineColor = kKleurZwart;
        shared.ConditieResultaat[i] = false;
    }
    v.changed();
}

}  // namespace tamberlo
