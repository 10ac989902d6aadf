#pragma once
// Why a file could not be read (FileReading.h), in the program's language:
// one sentence for the line of a message that gives the reason.

#include <QString>

#include "FileReading.h"

namespace tamberlo {

// `error` is the system's error number (errno) the reader gave with `fault`.
QString FileReadReason(ReadFault fault, int error);

}  // namespace tamberlo
