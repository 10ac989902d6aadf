#include "OutputActions.h"

namespace tamberlo {

void UitgangActie(int) {}

}  // namespace tamberlo
