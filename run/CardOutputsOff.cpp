#include "CardOutputsOff.h"

// Without the Velleman library there is no card to switch.
namespace tamberlo {

void ClearVellemanCardOutputs(int) {}

}  // namespace tamberlo
