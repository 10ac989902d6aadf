#include "PolledUsbPort.h"

#include <algorithm>
#include <cstring>

namespace kelvanor {

bool CPolledUsbPort::IsOpen() const { return deviceNumber_ >= 0 && HasDevice(); }

void CPolledUsbPort::Write(const std::string& line) {
    if (!IsOpen()) return;
    // A line that does not fit the write buffer is refused, not cut short.
    if (line.size() >= writeBuffer_.size()) return;
    if (!writeSlot_.Acquire(100)) return;
    std::memset(writeBuffer_.data(), 0, writeBuffer_.size());
    std::memcpy(writeBuffer_.data(), line.data(), line.size());
    writeLength_ = line.size();
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (HasDevice()) DeviceWrite(writeBuffer_.data(), std::uint32_t(writeLength_));
    }
    writeSlot_.Release();
}

void CPolledUsbPort::PollLoop(int ms) {
    running_.store(true);
    // The bridges have no receive notification here: poll, and stop as soon
    // as the stop event is set.
    while (IsOpen()) {
        if (stopEvent_.Wait(ms)) break;
        ReadData();
    }
    running_.store(false);
}

void CPolledUsbPort::ReadData() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (!HasDevice()) return;
        std::uint32_t waiting = 0;
        if (!DeviceWaiting(waiting)) return;
        if (waiting > kFloodLimit) {
            // A flood: drop what waits rather than stall the window thread.
            std::uint8_t scratch[100];
            std::uint32_t got = 0;
            DeviceRead(scratch, sizeof scratch, got);
            DeviceFlushReceive();
            waiting = 0;
        }
        const std::uint32_t n = std::min<std::uint32_t>(waiting, std::uint32_t(kBufferSize - receivedCount_));
        if (n == 0) return;
        std::uint32_t got = 0;
        if (!DeviceRead(receive_.data() + receivedCount_, n, got) || got < n) return;
        receivedCount_ += n;
        moreThanHalfFull_ = receivedCount_ > 512;
    }
    NotifyOwner();
}

}  // namespace kelvanor
