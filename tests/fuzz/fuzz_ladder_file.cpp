// Feeds arbitrary bytes to the ladder file parser. Whatever it accepts must
// format and parse back to the same ladder; anything else is a finding.

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "LadderFileFormat.h"

using namespace tamberlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LadderParseResult first = ParseLadderFile(bytes);
    const auto* p = std::get_if<ParsedLadder>(&first);
    if (!p) {
        const auto& e = std::get<LadderFileError>(first);
        if (e.line < 1) std::abort();
        return 0;
    }

    const std::string again = FormatLadderFile(p->ladder, p->host.value_or(""), p->port.value_or(0));
    const LadderParseResult second = ParseLadderFile(again);
    const auto* q = std::get_if<ParsedLadder>(&second);
    if (!q) std::abort();
    const LadderData& a = p->ladder;
    const LadderData& b = q->ladder;
    if (a.conditions != b.conditions || a.actions != b.actions) std::abort();
    for (int r = 0; r <= 90; ++r)
        if (a.actions[r][0] == 4 && (a.soundFolders[r] != b.soundFolders[r] || a.soundFiles[r] != b.soundFiles[r])) std::abort();
    if (q->conditionRecords != 270 || q->actionRecords != 91) std::abort();
    if (p->port && q->port != p->port) std::abort();
    return 0;
}
