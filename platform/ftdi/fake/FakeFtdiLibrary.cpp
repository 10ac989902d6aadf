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

int FakeFtdiLibrary::addDevice(FakeFtdiDevice device) {
    std::lock_guard lock(mutex_);
    State s;
    s.device = std::move(device);
    devices_.push_back(std::move(s));
    return int(devices_.size()) - 1;
}

void FakeFtdiLibrary::failAt(FtdiStep step, int status) {
    std::lock_guard lock(mutex_);
    if (status == 0) failures_.erase(step);
    else failures_[step] = status;
}

void FakeFtdiLibrary::inject(int index, const std::string& bytes) {
    std::lock_guard lock(mutex_);
    devices_.at(std::size_t(index)).rx += bytes;
}

std::vector<std::string> FakeFtdiLibrary::calls(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).calls;
}

std::string FakeFtdiLibrary::written(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).tx;
}

std::uint32_t FakeFtdiLibrary::baud(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).baud;
}

bool FakeFtdiLibrary::isOpen(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).handle != 0;
}

int FakeFtdiLibrary::cycles(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).cycles;
}

int FakeFtdiLibrary::programs(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).programs;
}

FtdiProgramData FakeFtdiLibrary::eeprom(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).device.eeprom;
}

std::size_t FakeFtdiLibrary::pending(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).rx.size();
}

int FakeFtdiLibrary::enter(FtdiHandle handle, FtdiStep step, const std::string& call, State*& state) {
    state = nullptr;
    for (auto& s : devices_)
        if (handle != 0 && s.handle == handle) state = &s;
    if (!state) return FtdiInvalidHandle;
    if (!call.empty()) state->calls.push_back(call);
    auto f = failures_.find(step);
    return f == failures_.end() ? FtdiOk : f->second;
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
    if (s.handle) return FtdiDeviceNotOpened;   // held by someone else
    s.handle = handle = nextHandle_++;
    s.rx.clear();
    return FtdiOk;
}

int FakeFtdiLibrary::close(FtdiHandle handle) {
    std::lock_guard lock(mutex_);
    for (auto& s : devices_)
        if (handle != 0 && s.handle == handle) {
            s.calls.push_back("Close");
            s.handle = 0;
            return FtdiOk;
        }
    return FtdiInvalidHandle;
}

int FakeFtdiLibrary::getDriverVersion(FtdiHandle handle, std::uint32_t& version) {
    std::lock_guard lock(mutex_);
    State* s;
    version = 0x00021234;
    return enter(handle, FtdiStep::DriverVersion, "", s);
}

int FakeFtdiLibrary::setUsbParameters(FtdiHandle handle, std::uint32_t inSize, std::uint32_t outSize) {
    std::lock_guard lock(mutex_);
    State* s;
    return enter(handle, FtdiStep::UsbParameters,
                 "SetUsbParameters " + std::to_string(inSize) + " " + std::to_string(outSize), s);
}

int FakeFtdiLibrary::setLatencyTimer(FtdiHandle handle, std::uint8_t ms) {
    std::lock_guard lock(mutex_);
    State* s;
    return enter(handle, FtdiStep::LatencyTimer, "SetLatencyTimer " + std::to_string(ms), s);
}

int FakeFtdiLibrary::setTimeouts(FtdiHandle handle, std::uint32_t readMs, std::uint32_t writeMs) {
    std::lock_guard lock(mutex_);
    State* s;
    return enter(handle, FtdiStep::Timeouts,
                 "SetTimeouts " + std::to_string(readMs) + " " + std::to_string(writeMs), s);
}

int FakeFtdiLibrary::setDataCharacteristics(FtdiHandle handle, std::uint8_t bits, std::uint8_t stopBits,
                                            std::uint8_t parity) {
    std::lock_guard lock(mutex_);
    State* s;
    return enter(handle, FtdiStep::DataCharacteristics,
                 "SetDataCharacteristics " + std::to_string(bits) + " " + std::to_string(stopBits) + " " +
                     std::to_string(parity),
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
    std::lock_guard lock(mutex_);
    State* s;
    got = 0;
    const int r = enter(handle, FtdiStep::Read, "", s);
    if (r != FtdiOk) return r;
    const std::size_t n = std::min<std::size_t>(size, s->rx.size());
    std::memcpy(buffer, s->rx.data(), n);
    s->rx.erase(0, n);
    got = std::uint32_t(n);
    return FtdiOk;
}

int FakeFtdiLibrary::write(FtdiHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) {
    std::function<std::string(const std::string&, std::uint32_t)> respond;
    const std::string bytes(static_cast<const char*>(buffer), size);
    std::uint32_t baud = 0;
    {
        std::lock_guard lock(mutex_);
        State* s;
        written = 0;
        const int r = enter(handle, FtdiStep::Write, "", s);
        if (r != FtdiOk) return r;
        s->tx += bytes;
        written = size;
        respond = s->device.respond;
        baud = s->baud;
    }
    if (!respond) return FtdiOk;
    const std::string answer = respond(bytes, baud);
    std::lock_guard lock(mutex_);
    for (auto& s : devices_)
        if (s.handle == handle) s.rx += answer;
    return FtdiOk;
}

int FakeFtdiLibrary::eepromRead(FtdiHandle handle, FtdiProgramData& data) {
    std::lock_guard lock(mutex_);
    State* s;
    const int r = enter(handle, FtdiStep::EepromRead,
                        "EepromRead " + std::to_string(data.version) + " " + std::to_string(data.signature1) +
                            " " + std::to_string(data.signature2),
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
