#pragma once
// Parallel ports through Linux ppdev. A base address is mapped to
// /dev/parportN by the kernel's /proc/sys/dev/parport/parportN/base-addr;
// only the data register (base) and the status register (base + 1) of such
// a port are reached. An address that maps to no port is never touched:
// writes are dropped and reads give 255 (no input active, as the inputs are
// read inverted). A port that cannot be opened or claimed is treated alike.

#include <cstdint>
#include <filesystem>
#include <map>

#include "ParallelPorts.h"

namespace tamberlo {

// Base address -> port number N, from the parportN/base-addr files under `procRoot`.
std::map<std::uint16_t, int> ReadParportBases(const std::filesystem::path& procRoot);

class PpdevParallelPorts final : public ParallelPortBackend {
public:
    explicit PpdevParallelPorts(std::filesystem::path procRoot = "/proc/sys/dev/parport", std::filesystem::path devRoot = "/dev");
    ~PpdevParallelPorts() override;
    PpdevParallelPorts(const PpdevParallelPorts&) = delete;
    PpdevParallelPorts& operator=(const PpdevParallelPorts&) = delete;

    void Out32(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t Inp32(std::uint16_t address) override;

private:
    struct Port {
        int number = 0;
        int fd = -1;
        bool tried = false;  // opened once; a failure is not retried on every cycle
    };
    Port* portAt(std::uint16_t base);
    void drop(Port& port);

    std::filesystem::path devRoot_;
    std::map<std::uint16_t, Port> ports_;  // by base address
};

}  // namespace tamberlo
