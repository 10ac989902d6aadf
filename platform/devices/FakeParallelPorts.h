#pragma once
// Parallel ports for tests: settable status registers per address, the
// bytes last written, and a log of every call with its address, for example
// "Out32(0x378,5)", "Inp32(0x379)". A plain object: whoever uses it installs it.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ParallelPorts.h"

namespace tamberlo {

class FakeParallelPorts final : public ParallelPortBackend {
public:
    FakeParallelPorts() = default;
    FakeParallelPorts(const FakeParallelPorts&) = delete;
    FakeParallelPorts& operator=(const FakeParallelPorts&) = delete;

    std::map<std::uint16_t, std::uint8_t> registers;  // what Inp32 reads; 255 where unset
    std::map<std::uint16_t, std::uint8_t> written;    // what Out32 wrote last, by address
    std::vector<std::string> log;

    void Out32(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t Inp32(std::uint16_t address) override;
};

}  // namespace tamberlo
