#include "ParallelPorts.h"

#include <memory>

#include "PpdevParallelPorts.h"

namespace tamberlo {

namespace {

struct Library {
    ParallelPortBackend* installed = nullptr;
    std::unique_ptr<ParallelPortBackend> ppdev;  // created at the first call that needs it

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
    lib().backend().Out32(static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(value & 0xFF));
}

std::int16_t Inp32(std::int16_t address) { return lib().backend().Inp32(static_cast<std::uint16_t>(address)); }

void SetParallelPortBackend(ParallelPortBackend* backend) { lib().installed = backend; }

}  // namespace tamberlo
