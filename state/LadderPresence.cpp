#include "LadderPresence.h"

#include "SharedState.h"

namespace tamberlo {

void IsErEenProgramma() {
    shared.ConditiesAanwezig = false;
    shared.ActiesAanwezig = false;
    for (int i = 1; i <= kConditions; ++i)
        if (shared.Condities[i][0] != 0) {
            shared.ConditiesAanwezig = true;
            break;
        }
    for (int r = 1; r <= kRungs; ++r)
        if (shared.Acties[r][0] != 0) {
            shared.ActiesAanwezig = true;
            break;
        }
}

}  // namespace tamberlo
