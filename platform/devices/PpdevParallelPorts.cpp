#include "PpdevParallelPorts.h"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace tamberlo {

std::map<std::uint16_t, int> ReadParportBases(const std::filesystem::path& procRoot) {
    std::map<std::uint16_t, int> bases;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(procRoot, ec)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("parport", 0) != 0 || name.size() == 7 || name.size() > 10) continue;
        std::string digits = name.substr(7);
        if (digits.find_first_not_of("0123456789") != std::string::npos) continue;
        // The file holds the base and the ECR address in decimal: "888\t1912".
        std::ifstream in(entry.path() / "base-addr");
        long base = -1;
        if (!(in >> base) || base <= 0 || base > 0xFFFF) continue;
        bases.emplace(static_cast<std::uint16_t>(base), std::stoi(digits));
    }
    return bases;
}

PpdevParallelPorts::PpdevParallelPorts(std::filesystem::path procRoot, std::filesystem::path devRoot)
    : devRoot_(std::move(devRoot)) {
    for (const auto& [base, number] : ReadParportBases(procRoot)) ports_[base].number = number;
}

PpdevParallelPorts::~PpdevParallelPorts() {
    for (auto& [base, port] : ports_) drop(port);
}

void PpdevParallelPorts::drop(Port& port) {
    if (port.fd >= 0) {
        ioctl(port.fd, PPRELEASE);
        ::close(port.fd);
    }
    port.fd = -1;
}

PpdevParallelPorts::Port* PpdevParallelPorts::portAt(std::uint16_t base) {
    auto it = ports_.find(base);
    if (it == ports_.end()) return nullptr;
    Port& p = it->second;
    if (!p.tried) {
        p.tried = true;
        std::string dev = (devRoot_ / ("parport" + std::to_string(p.number))).string();
        p.fd = ::open(dev.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
        if (p.fd >= 0 && ioctl(p.fd, PPCLAIM) != 0) {
            ::close(p.fd);
            p.fd = -1;
        }
    }
    return p.fd >= 0 ? &p : nullptr;
}

void PpdevParallelPorts::Out32(std::uint16_t address, std::uint8_t value) {
    Port* p = portAt(address);
    if (!p) return;
    unsigned char data = value;
    if (ioctl(p->fd, PPWDATA, &data) != 0) drop(*p);
}

std::uint8_t PpdevParallelPorts::Inp32(std::uint16_t address) {
    if (Port* p = portAt(address)) {
        unsigned char data = 0;
        if (ioctl(p->fd, PPRDATA, &data) == 0) return data;
        drop(*p);
        return 255;
    }
    if (Port* p = portAt(static_cast<std::uint16_t>(address - 1))) {
        unsigned char status = 0;
        if (ioctl(p->fd, PPRSTATUS, &status) == 0) return status;
        drop(*p);
    }
    return 255;
}

}  // namespace tamberlo
