#pragma once
// The action executor: one pass over rungs 1..90 carrying out the action of
// every rung whose three cells hold, then the network outputs and the
// activity gauge.

#include <QString>

namespace tamberlo {

void LoopActies();

// A timer's interval as the dashboard shows it: seconds, C locale ("1.5").
QString IntervalInSeconden(int ms);

}  // namespace tamberlo
