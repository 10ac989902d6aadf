#include "FtdiLibrary.h"

#include "LibFtdiBackend.h"

#include <atomic>

namespace tamberlo {

namespace {
std::atomic<FtdiLibrary*> installed{nullptr};
}

FtdiLibrary& ftdiLibrary() {
    if (FtdiLibrary* l = installed.load()) return *l;
    static LibFtdiBackend backend;
    return backend;
}

void SetFtdiLibrary(FtdiLibrary* library) { installed.store(library); }

std::uint32_t FtdiLocationId(std::uint8_t bus, const std::uint8_t* ports, int depth) {
    std::uint32_t id = std::uint32_t(bus) << 24;
    for (int i = 0; i < depth && i < 6; ++i) {
        const std::uint32_t port = ports[i] > 15 ? 15 : ports[i];
        id |= port << (20 - 4 * i);
    }
    // A device straight on a root hub of bus 0 would give 0: keep ids non-zero.
    return id == 0 ? 1 : id;
}

}  // namespace tamberlo
