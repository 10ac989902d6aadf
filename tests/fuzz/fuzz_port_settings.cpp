// Feeds arbitrary bytes to the Poortsettings.dat reader: every address it
// accepts must fit in 16 bits.

#include <cstdlib>
#include <string_view>

#include "PortSettingsFormat.h"

using namespace tamberlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const auto& port : ParsePortSettings(std::string_view(reinterpret_cast<const char*>(data), size)))
        if (port && (*port < 0 || *port > 0xFFFF)) std::abort();
    return 0;
}
