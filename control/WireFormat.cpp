#include "WireFormat.h"

#include <locale.h>
#include <clocale>
#include <cstdarg>
#include <cstdio>

namespace kelvanor {
namespace {

// Switches this thread to the C locale for the scope.
class CLocaleScope {
public:
    CLocaleScope() : old_(::uselocale(cLocale())) {}
    ~CLocaleScope() { ::uselocale(old_); }

private:
    static locale_t cLocale() {
        static locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c;
    }
    locale_t old_;
};

}  // namespace

std::string WireFormat(const char* format, ...) {
    CLocaleScope c;
    char buffer[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return {};
    return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n) : sizeof buffer - 1);
}

}  // namespace kelvanor
