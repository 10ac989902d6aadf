#pragma once
// A ladder that turns Arduino output 3 on and off on every pass: memory 1
// follows "not memory 0" and memory 0 follows memory 1, so memory 0 changes
// on every pass, and the output with it.
#include <array>

#include "SharedState.h"

namespace tamberlo {

inline void WriteTogglingArduinoLadder() {
    const std::array<Integer, kConditionColumns> m0Off{3, 1, 0, 1, 0, 0}, m0On{3, 1, 0, 0, 0, 0}, m1On{3, 1, 1, 0, 0, 0},
        m1Off{3, 1, 1, 1, 0, 0};
    shared.Condities[1] = m0Off;
    shared.Acties[1] = {3, 1, 1, 1, 0, 0, 0, 0, 0, 0};  // set memory 1
    shared.Condities[4] = m0On;
    shared.Acties[2] = {3, 1, 2, 1, 0, 0, 0, 0, 0, 0};  // reset memory 1
    shared.Condities[7] = m1On;
    shared.Acties[3] = {3, 1, 1, 0, 0, 0, 0, 0, 0, 0};  // set memory 0
    shared.Condities[10] = m1Off;
    shared.Acties[4] = {3, 1, 2, 0, 0, 0, 0, 0, 0, 0};  // reset memory 0
    shared.Condities[13] = m0On;
    shared.Acties[5] = {1, 50, 1, 3, 0, 0, 0, 0, 0, 0};  // set Arduino output 3
    shared.Condities[16] = m0Off;
    shared.Acties[6] = {1, 50, 2, 3, 0, 0, 0, 0, 0, 0};  // reset it
}

}  // namespace tamberlo
