#include "ParallelPorts.h"

#include <map>
#include <memory>

#include "PpdevParallelPorts.h"

namespace tamberlo {

namespace {

struct Library {
    ParallelPortBackend* installed = nullptr;
    std::unique_ptr<ParallelPortBackend> ppdev;  // created at the first call that needs it
    std::map<std::uint16_t, int> written;        // by address; at most a few ports

    ParallelPortBackend& backend() {
        if (installed) return *installed;
        if (!ppdev) ppdev = std::make_unique<PpdevParallelPorts>();
        return *ppdev;
    }
};

Library& lib() {
    static Library l;
    return l;
}

}  // namespace

void Out32(std::int16_t address, std::int16_t value) {
    const auto port = static_cast<std::uint16_t>(address);
    lib().written[port] = value & 0xFF;
    lib().backend().Out32(port, static_cast<std::uint8_t>(value & 0xFF));
}

std::int16_t Inp32(std::int16_t address) { return lib().backend().Inp32(static_cast<std::uint16_t>(address)); }

std::optional<int> LastWrittenPort(std::int16_t address) {
    const auto found = lib().written.find(static_cast<std::uint16_t>(address));
    if (found == lib().written.end()) return std::nullopt;
    return found->second;
}

void SetParallelPortBackend(ParallelPortBackend* backend) {
    lib().installed = backend;
    lib().written.clear();
}

}  // namespace tamberlo
