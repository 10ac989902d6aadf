#pragma once
// Why a file could not be read or written, in the program's language: one
// sentence for the line of a message that gives the reason. Every reason a
// user can cause has words of its own; any other is named with its number,
// the system's own words beside it.

#include <QString>

#include "FileReading.h"

namespace tamberlo {

// `error` is the system's error number (errno) of a failed read or write.
QString FileErrorReason(int error);

// Why a read failed: `error` is the system's error number the reader gave
// with `fault` (FileReading.h).
QString FileReadReason(ReadFault fault, int error);

}  // namespace tamberlo
