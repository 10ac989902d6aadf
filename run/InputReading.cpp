#include "InputReading.h"

#include <QCoreApplication>

namespace tamberlo {

void InitialiseerIngangen() { QCoreApplication::processEvents(); }

}  // namespace tamberlo
