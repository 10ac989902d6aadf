#include "CommunicationPort.h"

#include <algorithm>
#include <cstring>

namespace kelvanor {

namespace {
std::atomic<std::uint32_t> lastPortId{0};
}

CCommunicationPort::CCommunicationPort() : portId_(++lastPortId) {}

CCommunicationPort::~CCommunicationPort() {
    // A derived port closes (and so joins) first; this is the last guard.
    stopEvent_.Set();
    JoinPortThread();
}

CCommunicationPort::Received CCommunicationPort::TakeReceived() {
    Received r;
    // Clear the flag before taking, so bytes appended after this point post anew.
    notifyPending_.store(false);
    std::lock_guard<std::mutex> guard(lock_);
    r.bytes.assign(receive_.begin(), receive_.begin() + static_cast<std::ptrdiff_t>(receivedCount_));
    r.moreThanHalfFull = moreThanHalfFull_;
    receivedCount_ = 0;
    return r;
}

bool CCommunicationPort::HasReceived() {
    std::lock_guard<std::mutex> guard(lock_);
    return receivedCount_ > 0;
}

std::size_t CCommunicationPort::AppendReceived(const std::uint8_t* data, std::size_t n) {
    std::lock_guard<std::mutex> guard(lock_);
    const std::size_t take = std::min(n, kBufferSize - receivedCount_);
    std::memcpy(receive_.data() + receivedCount_, data, take);
    receivedCount_ += take;
    return take;
}

void CCommunicationPort::NotifyOwner() {
    if (owner_ && !notifyPending_.exchange(true)) owner_->PortDataPending(portId_);
}

void CCommunicationPort::StartPortThread(std::function<void()> proc) {
    JoinPortThread();
    running_.store(true);
    thread_ = std::thread(std::move(proc));
}

void CCommunicationPort::JoinPortThread() {
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

}  // namespace kelvanor
