#include "SettingsFileFormat.h"

#include <vector>

#include "FieldReader.h"

namespace tamberlo {
namespace {

// The lines of the file, whatever line ends it was written with.
std::vector<std::string_view> lines(std::string_view bytes) {
    std::vector<std::string_view> result;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        result.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    result.push_back(bytes.substr(start));
    return result;
}

}  // namespace

ParsedSettings ParseSettingsFile(std::string_view bytes) {
    const std::vector<std::string_view> all = lines(bytes);
    auto field = [&all](std::size_t line, bool text) -> std::string {
        if (line > all.size()) return {};
        FieldReader reader(all[line - 1]);
        return text ? reader.ReadTextField() : reader.ReadField();
    };
    ParsedSettings s;
    const auto language = WholeNumberValue(field(3, false));
    if (language == 1) s.english = true;
    if (language == 0) s.english = false;
    s.host = field(5, true);
    const auto port = WholeNumberValue(field(7, false));
    if (port && *port >= 0 && *port <= 65535) s.port = static_cast<long>(*port);
    return s;
}

}  // namespace tamberlo
