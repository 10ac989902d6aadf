#include "FakeSiLabsLibrary.h"

#include <algorithm>
#include <cstring>

namespace tamberlo::test {

void FakeSiLabsLibrary::setCountResult(int status, std::uint32_t count) {
    std::lock_guard lock(mutex_);
    countResult_ = std::make_pair(status, count);
}

int FakeSiLabsLibrary::getNumDevices(std::uint32_t& count) {
    std::lock_guard lock(mutex_);
    if (countResult_) {
        count = countResult_->second;
        return countResult_->first;
    }
    count = std::uint32_t(devices_.size());
    return devices_.empty() ? SiLabsDeviceNotFound : SiLabsSuccess;
}

int FakeSiLabsLibrary::getProductString(int index, std::string& text, int option) {
    std::lock_guard lock(mutex_);
    text.clear();
    if (index < 0 || std::size_t(index) >= devices_.size()) return SiLabsDeviceNotFound;
    if (auto f = failures_.find(SiLabsStep::ProductString); f != failures_.end()) return f->second;
    const FakeSiLabsDevice& d = devices_[std::size_t(index)].device;
    switch (option) {
    case SiLabsSerialNumber: text = d.serialNumber; break;
    case SiLabsDescription: text = d.description; break;
    case SiLabsDevicePath: text = d.path; break;
    case SiLabsVendorId: text = d.vendorId; break;
    case SiLabsProductId: text = d.productId; break;
    default: return SiLabsInvalidParameter;
    }
    return SiLabsSuccess;
}

int FakeSiLabsLibrary::open(int index, SiLabsHandle& handle) {
    std::lock_guard lock(mutex_);
    handle = 0;
    if (index < 0 || std::size_t(index) >= devices_.size()) return SiLabsDeviceNotFound;
    State& s = devices_[std::size_t(index)];
    s.calls.push_back("Open");
    if (auto f = failures_.find(SiLabsStep::Open); f != failures_.end()) return f->second;
    if (s.handle || s.device.failOpen) return SiLabsDeviceIoFailed;
    s.handle = handle = nextHandle_++;
    s.rx.clear();
    return SiLabsSuccess;
}

int FakeSiLabsLibrary::close(SiLabsHandle handle) { return closeHandle(handle); }

int FakeSiLabsLibrary::setBaudRate(SiLabsHandle handle, std::uint32_t baud) {
    std::lock_guard lock(mutex_);
    State* s;
    return enter(handle, SiLabsStep::BaudRate, "SetBaudRate " + std::to_string(baud), s);
}

int FakeSiLabsLibrary::setLineControl(SiLabsHandle handle, std::uint16_t lineControl) {
    std::lock_guard lock(mutex_);
    State* s;
    char text[32];
    std::snprintf(text, sizeof text, "SetLineControl 0x%04X", unsigned(lineControl));
    return enter(handle, SiLabsStep::LineControl, text, s);
}

int FakeSiLabsLibrary::checkRxQueue(SiLabsHandle handle, std::uint32_t& bytes, std::uint32_t& status) {
    std::lock_guard lock(mutex_);
    State* s;
    bytes = status = 0;
    const int r = enter(handle, SiLabsStep::RxQueue, "", s);
    if (s) ++s->rxQueueCalls;
    if (r != SiLabsSuccess) return r;
    bytes = std::uint32_t(s->rx.size());
    status = s->rx.empty() ? SiLabsQueueNoOverrun : SiLabsQueueReady;
    return SiLabsSuccess;
}

int FakeSiLabsLibrary::read(SiLabsHandle handle, void* buffer, std::uint32_t size, std::uint32_t& got) {
    return readBytes(handle, SiLabsStep::Read, buffer, size, got);
}

int FakeSiLabsLibrary::write(SiLabsHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) {
    return writeBytes(handle, SiLabsStep::Write, buffer, size, written,
                      [](const State& s, const std::string& bytes) -> std::function<std::string()> {
                          if (!s.device.respond) return {};
                          return [respond = s.device.respond, bytes] { return respond(bytes); };
                      });
}

int FakeSiLabsLibrary::flushBuffers(SiLabsHandle handle, bool flushTransmit, bool flushReceive) {
    std::lock_guard lock(mutex_);
    State* s;
    const int r =
        enter(handle, SiLabsStep::Flush, std::string("Flush ") + (flushTransmit ? "tx" : "-") + (flushReceive ? " rx" : " -"), s);
    if (r == SiLabsSuccess && flushReceive) s->rx.clear();
    return r;
}

}  // namespace tamberlo::test
