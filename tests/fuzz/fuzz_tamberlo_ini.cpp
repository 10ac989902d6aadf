// Feeds arbitrary bytes to the Tamberlo.ini reader: whatever it gives must
// be a valid language, a host from line 5 and a port in range.

#include <cstdlib>
#include <string_view>

#include "SettingsFileFormat.h"

using namespace tamberlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ParsedSettings s = ParseSettingsFile(bytes);
    if (s.port && (*s.port < 0 || *s.port > 65535)) std::abort();
    if (s.host.size() > bytes.size()) std::abort();
    if (s.host.find_first_of("\r\n") != std::string::npos) std::abort();
    return 0;
}
