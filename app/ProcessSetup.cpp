#include "ProcessSetup.h"

#include <csignal>

namespace tamberlo {

void SetUpProcess() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace tamberlo
