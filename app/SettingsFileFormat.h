#pragma once
// The settings file Tamberlo.ini as a pure function over its bytes: which
// language, peer address and port it gives. No file, no Qt, no state; the
// reader of the file applies the defaults of what it lacks.

#include <optional>
#include <string>
#include <string_view>

namespace tamberlo {

struct ParsedSettings {
    std::optional<bool> english;  // line 3: 1 English, 0 Dutch, else nothing
    std::string host;             // line 5, in the file's code page; "" when missing
    std::optional<long> port;     // line 7 when it is a port number 0..65535
};

// Lines end with CR LF, LF or a lone CR.
ParsedSettings ParseSettingsFile(std::string_view bytes);

}  // namespace tamberlo
