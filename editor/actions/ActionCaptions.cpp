#include "ActionCaptions.h"

namespace tamberlo {

void SetPanelActieBijLezen(int) {}
void SetPanelActieBijAndereTaal(int) {}

}  // namespace tamberlo
