#include "FakeSiLabsLibrary.h"

#include <algorithm>
#include <cstring>

namespace tamberlo::test {

int FakeSiLabsLibrary::addDevice(FakeSiLabsDevice device) {
    std::lock_guard lock(mutex_);
    State s;
    s.device = std::move(device);
    devices_.push_back(std::move(s));
    return int(devices_.size()) - 1;
}

void FakeSiLabsLibrary::setCountResult(int status, std::uint32_t count) {
    std::lock_guard lock(mutex_);
    countResult_ = std::make_pair(status, count);
}

void FakeSiLabsLibrary::failAt(SiLabsStep step, int status) {
    std::lock_guard lock(mutex_);
    if (status == 0) failures_.erase(step);
    else failures_[step] = status;
}

void FakeSiLabsLibrary::inject(int index, const std::string& bytes) {
    std::lock_guard lock(mutex_);
    devices_.at(std::size_t(index)).rx += bytes;
}

std::vector<std::string> FakeSiLabsLibrary::calls(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).calls;
}

std::string FakeSiLabsLibrary::written(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).tx;
}

bool FakeSiLabsLibrary::isOpen(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).handle != 0;
}

int FakeSiLabsLibrary::rxQueueCalls(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).rxQueueCalls;
}

std::size_t FakeSiLabsLibrary::pending(int index) const {
    std::lock_guard lock(mutex_);
    return devices_.at(std::size_t(index)).rx.size();
}

int FakeSiLabsLibrary::enter(SiLabsHandle handle, SiLabsStep step, const std::string& call, State*& state) {
    state = nullptr;
    for (auto& s : devices_)
        if (handle != 0 && s.handle == handle) state = &s;
    if (!state) return SiLabsInvalidHandle;
    if (!call.empty()) state->calls.push_back(call);
    auto f = failures_.find(step);
    return f == failures_.end() ? SiLabsSuccess : f->second;
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

int FakeSiLabsLibrary::close(SiLabsHandle handle) {
    std::lock_guard lock(mutex_);
    for (auto& s : devices_)
        if (handle != 0 && s.handle == handle) {
            s.calls.push_back("Close");
            s.handle = 0;
            return SiLabsSuccess;
        }
    return SiLabsInvalidHandle;
}

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
    std::lock_guard lock(mutex_);
    State* s;
    got = 0;
    const int r = enter(handle, SiLabsStep::Read, "", s);
    if (r != SiLabsSuccess) return r;
    const std::size_t n = std::min<std::size_t>(size, s->rx.size());
    std::memcpy(buffer, s->rx.data(), n);
    s->rx.erase(0, n);
    got = std::uint32_t(n);
    return SiLabsSuccess;
}

int FakeSiLabsLibrary::write(SiLabsHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) {
    std::function<std::string(const std::string&)> respond;
    const std::string bytes(static_cast<const char*>(buffer), size);
    {
        std::lock_guard lock(mutex_);
        State* s;
        written = 0;
        const int r = enter(handle, SiLabsStep::Write, "", s);
        if (r != SiLabsSuccess) return r;
        s->tx += bytes;
        written = size;
        respond = s->device.respond;
    }
    if (!respond) return SiLabsSuccess;
    const std::string answer = respond(bytes);
    std::lock_guard lock(mutex_);
    for (auto& s : devices_)
        if (s.handle == handle) s.rx += answer;
    return SiLabsSuccess;
}

int FakeSiLabsLibrary::flushBuffers(SiLabsHandle handle, bool flushTransmit, bool flushReceive) {
    std::lock_guard lock(mutex_);
    State* s;
    const int r = enter(handle, SiLabsStep::Flush,
                        std::string("Flush ") + (flushTransmit ? "tx" : "-") + (flushReceive ? " rx" : " -"), s);
    if (r == SiLabsSuccess && flushReceive) s->rx.clear();
    return r;
}

}  // namespace tamberlo::test
