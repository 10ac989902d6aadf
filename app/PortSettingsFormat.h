#pragma once
// Poortsettings.dat as a pure function over its bytes: a title line, then
// the base addresses of the three parallel ports in hexadecimal. No file, no
// Qt, no state; the reader of the file keeps the default of a port whose
// field is missing or bad.

#include <array>
#include <optional>
#include <string_view>

namespace tamberlo {

// Each port's address when its field is a hexadecimal number of at most
// four significant digits.
std::array<std::optional<long>, 3> ParsePortSettings(std::string_view bytes);

}  // namespace tamberlo
