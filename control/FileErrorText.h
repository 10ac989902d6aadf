#pragma once
// Why a file could not be read or written, in the control's language
// (German): every reason a user can cause in words of its own, any other
// named with its number, the system's own words beside it.

#include <QString>

namespace kelvanor {

// `error` is the system's error number (errno).
QString FileErrorText(int error);

}  // namespace kelvanor
