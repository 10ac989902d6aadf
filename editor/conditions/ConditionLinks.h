#pragma once
// Adding a condition cell to the ladder, and linking a rung to the rung above
// it (or unlinking it). Both act on the ladder's tables and view only.

namespace tamberlo {

// The add button of cell `index` (1..270): shows the cell, empty.
void CommandVoegConditieToe_Click(int index);
// The link button below rung index / 3 (index 3, 6, .., 267): links or unlinks the rung below it.
void CommandVoegConditieToeVertikaal_Click(int index);

}  // namespace tamberlo
