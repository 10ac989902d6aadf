#pragma once
// The text of a profile file such as Kelvanor.ini as pure functions over its
// bytes: reading one value and giving the text with values set. No file,
// no Qt, no state. A line ends at CR LF, LF or a lone CR; a byte order mark
// before the first line is no part of it. Lines the functions do not set are
// kept byte for byte, with their own line ends, and so is the mark; a new
// line takes the line end the file already uses (CR LF for a file that has
// none yet).
//
// The text is 8-bit (a UTF-8 mark or none) or UTF-16 (mark FF FE or FE FF,
// as some editors save "Unicode" text). Names and values go in and come out
// as UTF-8 either way; UTF-16 text is set in UTF-16, and units that are no
// valid UTF-16 (a lone surrogate) are kept as they were. UTF-16 with an odd
// number of bytes is read up to its last whole unit and not set at all.
// UTF-16 without a mark (NUL bytes within the text) is read in the byte order
// in which its section and key lines read as ASCII, however little of the
// rest holds NUL bytes (a comment in Greek or Chinese), and not set at all:
// adding 8-bit text would leave it valid in neither encoding. A run of NUL
// bytes at the end of 8-bit text (what an interrupted write leaves) is no
// part of its last line: it is not read, and a text with a value set ends
// without it. Text with NUL bytes before that run that reads best as 8-bit
// text (a stray NUL) is read so, but not set either.
//
// Sections and keys match without regard to (ASCII) case; a value is the
// text after '=' without surrounding blanks and one pair of enclosing
// quotes. A key is looked up in every section of that name; a value is set in
// the first one, replacing the key's line or following the section's last
// line that is not empty; a missing section is added at the end.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelvanor {

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key);
// Nothing when the text cannot be set safely.
std::optional<std::string> WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                            std::string_view value);

struct ProfileEntry {
    std::string_view section, key, value;
};
// The text with every entry set, in their order, as one WithProfileValue
// after another would give it: a file replaced once holds all or none.
std::optional<std::string> WithProfileValues(std::string_view text, std::span<const ProfileEntry> entries);

// Why WithProfileValue or WithProfileValues gave nothing for `text`.
enum class Unsettable {
    CutUtf16,       // marked UTF-16 with an odd number of bytes
    UnmarkedUtf16,  // NUL bytes within the text, read as UTF-16: UTF-16 without a mark
    NulInText,      // NUL bytes within 8-bit text
};
Unsettable WhyUnsettable(std::string_view text);

}  // namespace kelvanor
