#pragma once
// The buttons of the ladder's cells, as hooks that the editors fill: each is
// called with the item's index when the user clicks the button (or code
// raises the click). An empty hook does nothing.

#include <functional>

namespace tamberlo {

struct LadderButtons {
    std::function<void(int)> CommandPanelConditie;             // edit button on condition frame i (1..270)
    std::function<void(int)> CommandVoegConditieToe;           // add-condition button of cell i (1..270)
    std::function<void(int)> CommandVoegConditieToeVertikaal;  // add/remove-link button i (1..267)
    std::function<void(int)> CommandPanelActie;                // edit button on action frame r (0..90)
    std::function<void(int)> CommandVoegActieToe;              // add-action button of row r (1..90)
};

extern LadderButtons ladderButtons;

}  // namespace tamberlo
