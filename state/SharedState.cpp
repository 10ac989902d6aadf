#include "SharedState.h"

namespace tamberlo {

SharedState shared;

}  // namespace tamberlo
