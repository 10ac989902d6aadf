#pragma once
// Why a file could not be read or written, in the control's language
// (German): the common reasons in words of their own, any other in the
// system's words.

#include <QString>

namespace kelvanor {

// `error` is the system's error number (errno).
QString FileErrorText(int error);

}  // namespace kelvanor
