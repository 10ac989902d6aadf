// Feeds arbitrary text to the Kelvanor.ini reader and writer. Setting values
// must read back as set and must not change any other key.

#include <cstdlib>
#include <iterator>
#include <optional>
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

    // All five at once, as a control saves them: each reads back as set,
    // a key not set reads as before, and the text is what setting them one
    // after another gives.
    static const char* const values[] = {"N", "Y", "1-4,12,14", "", "Y"};
    ProfileEntry entries[std::size(keys)];
    for (std::size_t i = 0; i < std::size(keys); ++i) entries[i] = {keys[i][0], keys[i][1], values[i]};
    const auto set = WithProfileValues(text, entries);
    std::optional<std::string> oneByOne(text);
    for (const ProfileEntry& entry : entries)
        if (oneByOne) oneByOne = WithProfileValue(*oneByOne, entry.section, entry.key, entry.value);
    if (set && set != oneByOne) std::abort();
    if (!set) return 0;  // not set safely: the text stays as it was
    for (std::size_t i = 0; i < std::size(keys); ++i)
        if (ProfileValue(*set, keys[i][0], keys[i][1]) != std::optional<std::string>(values[i])) std::abort();
    if (ProfileValue(*set, "PortSettings", "Other") != ProfileValue(text, "PortSettings", "Other")) std::abort();
    return 0;
}
