#include "PortSettingsFormat.h"

#include <string>

#include "FieldReader.h"

namespace tamberlo {
namespace {

std::optional<long> hexAddress(const std::string& t) {
    if (t.empty()) return std::nullopt;
    long v = 0;
    int significant = 0;
    for (char c : t) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return std::nullopt;
        if (v != 0 || d != 0) ++significant;
        if (significant > 4) return std::nullopt;  // a port address is 16 bits
        v = v * 16 + d;
    }
    return v;
}

}  // namespace

std::array<std::optional<long>, 3> ParsePortSettings(std::string_view bytes) {
    FieldReader reader(bytes);
    reader.ReadTextField();  // the title line
    std::array<std::optional<long>, 3> ports;
    for (auto& port : ports) port = hexAddress(reader.ReadTextField());
    return ports;
}

}  // namespace tamberlo
