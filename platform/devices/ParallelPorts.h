#pragma once
// The parallel port library: Out32 puts a byte on a port's data lines,
// Inp32 reads a port register. Addresses are the ports' I/O addresses as
// 16-bit integers (addresses from 0x8000 up arrive negative). The real
// backend (Linux ppdev) is set up at the first call; tests install a fake.

#include <cstdint>
#include <optional>

namespace tamberlo {

class ParallelPortBackend {
public:
    virtual ~ParallelPortBackend() = default;
    virtual void Out32(std::uint16_t address, std::uint8_t value) = 0;
    virtual std::uint8_t Inp32(std::uint16_t address) = 0;
};

void Out32(std::int16_t address, std::int16_t value);
std::int16_t Inp32(std::int16_t address);  // the byte read, 0..255

// The byte last put on the port at `address` through Out32, whoever wrote
// it; nothing before the first write. The ports have no read-back, so this
// is the program's only record of what they show.
std::optional<int> LastWrittenPort(std::int16_t address);

// Installs `backend` (not owned); nullptr goes back to the ports of this
// machine. Clears the record of written bytes.
void SetParallelPortBackend(ParallelPortBackend* backend);

}  // namespace tamberlo
