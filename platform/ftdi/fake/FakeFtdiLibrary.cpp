#include "FakeFtdiLibrary.h"

#include <algorithm>
#include <cstring>

namespace tamberlo::test {

FakeFtdiDevice FakeFt232r(std::uint16_t productId, std::uint32_t location, const std::string& serial) {
    FakeFtdiDevice d;
    d.info.type = FtdiChip232R;
    d.info.vendorId = FtdiVendorId;
    d.info.productId = productId;
    d.info.locationId = location;
    d.info.serialNumber = serial;
    d.info.description = "FT232R USB UART";
    d.eeprom.vendorId = FtdiVendorId;
    d.eeprom.productId = productId;
    d.eeprom.manufacturer = "FTDI";
    d.eeprom.manufacturerId = "FT";
    d.eeprom.description = d.info.description;
    d.eeprom.serialNumber = serial;
    d.eeprom.driverSelect232R = 1;
    return d;
}

FtdiProgramData FakeFtdiLibrary::eeprom(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).device.eeprom;
}

int FakeFtdiLibrary::createDeviceInfoList(std::uint32_t& count) {
    std::lock_guard lock(mutex_);
    count = 0;
    if (auto f = failures_.find(FtdiStep::List); f != failures_.end()) return f->second;
    listed_.clear();
    for (const auto& s : devices_) {
        FtdiDeviceInfo info = s.device.info;
        info.flags = s.handle ? 1 : 0;
        info.handle = 0;
        listed_.push_back(info);
    }
    count = std::uint32_t(listed_.size());
    return FtdiOk;
}

int FakeFtdiLibrary::getDeviceInfoList(std::vector<FtdiDeviceInfo>& devices) {
    std::lock_guard lock(mutex_);
    devices = listed_;
    return FtdiOk;
}

int FakeFtdiLibrary::open(int index, FtdiHandle& handle) {
    std::lock_guard lock(mutex_);
    handle = 0;
    if (index < 0 || std::size_t(index) >= devices_.size()) return FtdiDeviceNotFound;
    State& s = devices_[std::size_t(index)];
    s.calls.push_back("Open");
    if (auto f = failures_.find(FtdiStep::Open); f != failures_.end()) return f->second;
    if (s.handle) return FtdiDeviceNotOpened;  // held by someone else
    s.handle = handle = nextHandle_++;
    s.rx.clear();
    return FtdiOk;
}

int FakeFtdiLibrary::close(FtdiHandle handle) { return closeHandle(handle); }

int FakeFtdiLibrary::getDriverVersion(FtdiHandle handle, std::uint32_t& version) {
    std::lock_guard lock(mutex_);
    State* s;
    version = 0x00021234;
    return enter(handle, FtdiStep::DriverVersion, "", s);
}

int FakeFtdiLibrary::setUsbParameters(FtdiHandle handle, std::uint32_t inSize, std::uint32_t outSize) {
    std::lock_guard lock(mutex_);
    State* s;
    return enter(handle, FtdiStep::UsbParameters, "SetUsbParameters " + std::to_string(inSize) + " " + std::to_string(outSize),
                 s);
}

int FakeFtdiLibrary::setLatencyTimer(FtdiHandle handle, std::uint8_t ms) {
    std::lock_guard lock(mutex_);
    State* s;
    return enter(handle, FtdiStep::LatencyTimer, "SetLatencyTimer " + std::to_string(ms), s);
}

int FakeFtdiLibrary::setTimeouts(FtdiHandle handle, std::uint32_t readMs, std::uint32_t writeMs) {
    std::lock_guard lock(mutex_);
    State* s;
    return enter(handle, FtdiStep::Timeouts, "SetTimeouts " + std::to_string(readMs) + " " + std::to_string(writeMs), s);
}

int FakeFtdiLibrary::setDataCharacteristics(FtdiHandle handle, std::uint8_t bits, std::uint8_t stopBits, std::uint8_t parity) {
    std::lock_guard lock(mutex_);
    State* s;
    return enter(handle, FtdiStep::DataCharacteristics,
                 "SetDataCharacteristics " + std::to_string(bits) + " " + std::to_string(stopBits) + " " + std::to_string(parity),
                 s);
}

int FakeFtdiLibrary::setBaudRate(FtdiHandle handle, std::uint32_t baud) {
    std::lock_guard lock(mutex_);
    State* s;
    const int r = enter(handle, FtdiStep::BaudRate, "SetBaudRate " + std::to_string(baud), s);
    if (r == FtdiOk) s->baud = baud;
    return r;
}

int FakeFtdiLibrary::purge(FtdiHandle handle, std::uint32_t mask) {
    std::lock_guard lock(mutex_);
    State* s;
    const int r = enter(handle, FtdiStep::Purge, "Purge " + std::to_string(mask), s);
    if (r == FtdiOk && (mask & FtdiPurgeRx)) s->rx.clear();
    return r;
}

int FakeFtdiLibrary::getStatus(FtdiHandle handle, FtdiQueueStatus& status) {
    std::lock_guard lock(mutex_);
    State* s;
    status = {};
    const int r = enter(handle, FtdiStep::Status, "", s);
    if (r == FtdiOk) status.rxBytes = std::uint32_t(s->rx.size());
    return r;
}

int FakeFtdiLibrary::read(FtdiHandle handle, void* buffer, std::uint32_t size, std::uint32_t& got) {
    return readBytes(handle, FtdiStep::Read, buffer, size, got);
}

int FakeFtdiLibrary::write(FtdiHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) {
    return writeBytes(handle, FtdiStep::Write, buffer, size, written,
                      [](const State& s, const std::string& bytes) -> std::function<std::string()> {
                          if (!s.device.respond) return {};
                          return [respond = s.device.respond, bytes, baud = s.baud] { return respond(bytes, baud); };
                      });
}

int FakeFtdiLibrary::eepromRead(FtdiHandle handle, FtdiProgramData& data) {
    std::lock_guard lock(mutex_);
    State* s;
    const int r = enter(handle, FtdiStep::EepromRead,
                        "EepromRead " + std::to_string(data.version) + " " + std::to_string(data.signature1) + " " +
                            std::to_string(data.signature2),
                        s);
    if (r != FtdiOk) return r;
    const FtdiProgramData& e = s->device.eeprom;
    data.vendorId = e.vendorId;
    data.productId = e.productId;
    data.manufacturer = e.manufacturer;
    data.manufacturerId = e.manufacturerId;
    data.description = e.description;
    data.serialNumber = e.serialNumber;
    data.driverSelect232R = e.driverSelect232R;
    return FtdiOk;
}

int FakeFtdiLibrary::eepromProgram(FtdiHandle handle, const FtdiProgramData& data) {
    std::lock_guard lock(mutex_);
    State* s;
    const int r = enter(handle, FtdiStep::EepromProgram, "EepromProgram", s);
    if (r != FtdiOk) return r;
    s->device.eeprom = data;
    ++s->programs;
    return FtdiOk;
}

int FakeFtdiLibrary::cyclePort(FtdiHandle handle) {
    std::lock_guard lock(mutex_);
    State* s;
    const int r = enter(handle, FtdiStep::CyclePort, "CyclePort", s);
    if (r == FtdiOk) ++s->cycles;
    return r;
}

}  // namespace tamberlo::test
