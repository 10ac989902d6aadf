#include "FakeParallelPorts.h"

#include <cstdio>

namespace tamberlo {

namespace {
std::string hex(std::uint16_t a) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(a));
    return buf;
}
}  // namespace

void FakeParallelPorts::Out32(std::uint16_t address, std::uint8_t value) {
    log.push_back("Out32(" + hex(address) + "," + std::to_string(value) + ")");
    written[address] = value;
}

std::uint8_t FakeParallelPorts::Inp32(std::uint16_t address) {
    log.push_back("Inp32(" + hex(address) + ")");
    auto it = registers.find(address);
    return it == registers.end() ? 255 : it->second;
}

}  // namespace tamberlo
