#pragma once
// The readable two-line description of a condition cell or an action row, as
// the printed listing shows it, in Dutch or English. A first line "#" means
// there is nothing to print for the cell. Describing never changes what the
// screen shows.

#include <QString>

#include <array>

#include "ActionCellLook.h"
#include "ConditionCellLook.h"

namespace tamberlo {

struct Beschrijving {
    std::array<QString, 2> line;
    bool Empty() const { return line[0] == QLatin1String("#"); }
};

Beschrijving describeCondition(const ConditionRow& row, bool english, const PortAddresses& ports);
Beschrijving describeAction(const ActionRow& row, const SoundNames& sound, bool english, const OutputPortAddresses& ports);

// The same for the ladder in the shared state: cell 1..270, row 0..90.
Beschrijving PrintBeschrijvingConditie(int cell);
Beschrijving PrintBeschrijvingActie(int row);

}  // namespace tamberlo
