#pragma once
// printf- and scanf-style formatting of command lines and replies, always
// with the C locale: the wire has '.' whatever the user's locale.

#include <string>

namespace kelvanor {

std::string WireFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
// sscanf in the C locale; returns the number of fields assigned (or EOF).
int WireScan(const char* text, const char* format, ...) __attribute__((format(scanf, 2, 3)));

}  // namespace kelvanor
