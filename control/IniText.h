#pragma once
// The text of a profile file such as Kelvanor.ini as pure functions over its
// bytes: reading one value and giving the text with one value set. No file,
// no Qt, no state. A line ends at CR LF, LF or a lone CR; a UTF-8 byte order
// mark before the first line is no part of it. Lines the functions do not
// set are kept byte for byte, with their own line ends, and so is the mark;
// a new line takes the line end the file already uses (CR LF for a file that
// has none yet).
//
// Sections and keys match without regard to (ASCII) case; a value is the
// text after '=' without surrounding blanks and one pair of enclosing
// quotes. A key is looked up in every section of that name; a value is set in
// the first one, replacing the key's line or following the section's last
// line that is not empty; a missing section is added at the end.

#include <optional>
#include <string>
#include <string_view>

namespace kelvanor {

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key);
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

}  // namespace kelvanor
