#pragma once
// The .vpp ladder file as bytes: formatting a ladder into the file's fixed
// tab columns and parsing a file into a temporary ladder, or into an error
// that names the line. Texts are bytes in the file's single-byte code page;
// the caller converts. Pure C++ (no Qt), so the parser can be fuzzed alone.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tamberlo {

struct LadderData {
    // Same bounds as the shared tables: cells 1..270 (element 0 unused), rows 0..90.
    std::array<std::array<std::int16_t, 6>, 271> conditions{};
    std::array<std::array<std::int16_t, 10>, 91> actions{};
    // Folder and file name of each sound row (Acties column 0 = 4).
    std::array<std::string, 91> soundFolders;
    std::array<std::string, 91> soundFiles;
};

// What a parse gives besides the tables: how many records each section held
// (older files hold fewer) and the peer's host and port when the settings
// section gave them.
struct ParsedLadder {
    LadderData ladder;
    int conditionRecords = 0;  // cells 1..conditieRecords were read
    int actionRecords = 0;     // rows 0..actieRecords-1 were read
    std::optional<std::string> host;
    std::optional<std::int32_t> port;
};

enum class LadderFileErrorKind {
    NotANumber,        // a record field that is no whole number
    TooLarge,          // a value outside -32768..32767
    EndsEarly,         // the file ends inside the header or the records
    NoSoundSeparator,  // a sound record without "/\" between folder and file
    InvalidValue,      // a value that no editor writes and the program would misuse
};

struct LadderFileError {
    LadderFileErrorKind kind;
    int line;           // 1-based line of the offending field
    std::string field;  // the offending field's text (empty for EndsEarly)
};

using LadderParseResult = std::variant<ParsedLadder, LadderFileError>;

// The whole file: header, 270 condition records, 91 action records and the
// settings section with `host` (leading blanks removed) and `port`. CR LF line ends.
std::string FormatLadderFile(const LadderData& ladder, std::string_view host, std::int32_t port);

// Parses a whole file. Never touches any state; a file with fewer records
// than 270 or 91 (each short section closed by a dash line) and a file
// without a settings section are accepted.
LadderParseResult ParseLadderFile(std::string_view bytes);

// The fixed header lines.
extern const char* const kLadderFileTitle;   // line 1
extern const char* const kLadderFileCredit;  // line 2

}  // namespace tamberlo
