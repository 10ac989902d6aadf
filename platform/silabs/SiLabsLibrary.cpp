#include "SiLabsLibrary.h"

#include <atomic>

namespace tamberlo {

namespace {
std::atomic<SiLabsLibrary*> installed{nullptr};
}

SiLabsLibrary& siLabsLibrary() {
    if (SiLabsLibrary* l = installed.load()) return *l;
    static NoSiLabsLibrary none;
    return none;
}

void SetSiLabsLibrary(SiLabsLibrary* library) { installed.store(library); }

int NoSiLabsLibrary::getNumDevices(std::uint32_t& count) {
    count = 0;
    return SiLabsDeviceNotFound;
}

int NoSiLabsLibrary::getProductString(int, std::string& text, int) {
    text.clear();
    return SiLabsDeviceNotFound;
}

int NoSiLabsLibrary::open(int, SiLabsHandle& handle) {
    handle = 0;
    return SiLabsDeviceNotFound;
}

int NoSiLabsLibrary::close(SiLabsHandle) { return SiLabsInvalidHandle; }
int NoSiLabsLibrary::setBaudRate(SiLabsHandle, std::uint32_t) { return SiLabsInvalidHandle; }
int NoSiLabsLibrary::setLineControl(SiLabsHandle, std::uint16_t) { return SiLabsInvalidHandle; }

int NoSiLabsLibrary::checkRxQueue(SiLabsHandle, std::uint32_t& bytes, std::uint32_t& status) {
    bytes = status = 0;
    return SiLabsInvalidHandle;
}

int NoSiLabsLibrary::read(SiLabsHandle, void*, std::uint32_t, std::uint32_t& got) {
    got = 0;
    return SiLabsInvalidHandle;
}

int NoSiLabsLibrary::write(SiLabsHandle, const void*, std::uint32_t, std::uint32_t& written) {
    written = 0;
    return SiLabsInvalidHandle;
}

int NoSiLabsLibrary::flushBuffers(SiLabsHandle, bool, bool) { return SiLabsInvalidHandle; }

}  // namespace tamberlo
