#include "FileCommands.h"

namespace tamberlo {

void CommandLezen() {}
void CommandSchrijven() {}
void CommandWissen() {}

}  // namespace tamberlo
