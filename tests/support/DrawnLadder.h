#pragma once
// The drawing area as the start-up leaves it: every action row, the vertical
// links, every condition cell and the full rails, made in the program's order.

#include "LadderWidget.h"
#include "SharedState.h"

namespace tamberlo::test {

inline void DrawEveryCell(LadderWidget& area) {
    for (int r = 1; r <= kRungs; ++r) area.MakeActionRow(r);
    area.TekenVertikaleLijnen();
    for (int i = 1; i <= kConditions; ++i) area.MakeConditionCell(i);
    area.RailsFull();
}

}  // namespace tamberlo::test
