#pragma once
// printf-style formatting of command lines, always with the C locale: the
// wire has '.' whatever the user's locale.

#include <string>

namespace kelvanor {

std::string WireFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kelvanor
