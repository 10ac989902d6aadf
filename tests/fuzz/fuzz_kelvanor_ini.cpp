// Feeds arbitrary text to the Kelvanor.ini reader and writer. Setting a value
// must read back as set and must not change any other key.

#include <cstdlib>
#include <string>
#include <string_view>

#include "IniText.h"

using namespace kelvanor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const char* const keys[][2] = {{"PortSettings", "UseUSB"},
                                          {"PortSettings", "UseSerial"},
                                          {"PortSettings", "SearchCOM"},
                                          {"PortSettings", "ExcludeCOM"},
                                          {"Debug", "ShowAtStartup"}};
    for (const auto& key : keys) ProfileValue(text, key[0], key[1]);

    const auto set = WithProfileValue(text, "PortSettings", "SearchCOM", "1-4,12,14");
    if (!set) return 0;  // not set safely: the text stays as it was
    const std::string& changed = *set;
    if (ProfileValue(changed, "PortSettings", "SearchCOM") != std::optional<std::string>("1-4,12,14")) std::abort();
    for (const auto& key : keys) {
        if (std::string_view(key[1]) == "SearchCOM") continue;
        if (ProfileValue(changed, key[0], key[1]) != ProfileValue(text, key[0], key[1])) std::abort();
    }
    return 0;
}
