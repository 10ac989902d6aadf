#pragma once
// The action executor: one pass over rungs 1..90 carrying out the action of
// every rung whose three cells hold, then the network outputs and the
// activity gauge.

#include <QString>

namespace tamberlo {

void LoopActies();

// The run has ended and no rung holds any more: every action frame that still
// shows a holding rung is drawn as a rung that does not hold, as before the run.
void ClearHoldingActions();

// The variable action of row r (Acties columns 2-4): set on every pass, or
// increase (up to `max`) or decrease (down to 0) once per activation. Returns
// the variable's number, 0 when the row names none.
int VariableAction(int r, int max);

// A timer's interval as the dashboard shows it: seconds, C locale ("1.5").
QString IntervalInSeconds(int ms);

}  // namespace tamberlo
