#include "ConditionCaptions.h"

namespace tamberlo {

void SetPanelConditieBijLezen(int) {}
void SetPanelConditieBijAndereTaal(int) {}

}  // namespace tamberlo
