#pragma once
// Making an action cell appear on a rung (its add button), the start-only
// row's button, and (in the editor) deleting the edited action.

namespace tamberlo {

// The add button of rung r (1..90): refused while a run is on or paused.
void CommandVoegActieToe_Click(int r);
// The start-only row's button: shows row 0's cell, also during a run.
void CommandInitialiseer_Click();

}  // namespace tamberlo
