#pragma once
// A text in the program's language: Dutch, or English while TaalVlag is set.

#include <QString>

#include "SharedState.h"

namespace tamberlo {

inline QString T(const char* dutch, const char* english) { return QString::fromUtf8(shared.TaalVlag ? english : dutch); }

}  // namespace tamberlo
