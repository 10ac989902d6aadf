#pragma once
// Switches every digital output of Velleman card `card` (0..3) off:
// SetCurrentDevice(card), then ClearAllDigital. The caller tests that the
// card was found. Filled in by the Velleman card unit.

namespace tamberlo {

void ClearVellemanCardOutputs(int card);

}  // namespace tamberlo
