#pragma once
// A text in the program's language: Dutch, or English while TaalVlag is set.

#include <QString>

#include "SharedState.h"

namespace tamberlo {

inline QString T(const char* nl, const char* en) { return QString::fromUtf8(shared.TaalVlag ? en : nl); }

}  // namespace tamberlo
