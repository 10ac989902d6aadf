#include "SiLabsPort.h"

#include <atomic>
#include <cstring>

#include "Trace.h"

namespace kelvanor {

using namespace tamberlo;

namespace {
std::atomic<int> deviceCount{0};
}

void RecordSiLabsDeviceCount(int status, std::uint32_t count) {
    switch (status) {
    case SiLabsSuccess: deviceCount.store(count > 255 ? 255 : int(count)); break;
    case SiLabsInvalidParameter: deviceCount.store(-1); break;
    case SiLabsDeviceNotFound: deviceCount.store(0); break;
    default: break;
    }
}

int SiLabsDeviceCount() { return deviceCount.load(); }

CSiLabsPort::~CSiLabsPort() {
    // The reader must be gone before the buffers it writes to are.
    closing_.store(true);
    Close();
}

bool CSiLabsPort::IsOpen() const { return deviceNumber_ >= 0 && handle_ != 0; }

int CSiLabsPort::Open(PortOwner* owner, std::uint32_t index, std::uint32_t) {
    if (index >= 256 || int(index) >= SiLabsDeviceCount()) return 0;
    SiLabsLibrary& lib = siLabsLibrary();
    const int i = int(index);
    std::string description, serial, path, vid, pid;
    lib.getProductString(i, description, SiLabsDescription);
    lib.getProductString(i, serial, SiLabsSerialNumber);
    lib.getProductString(i, path, SiLabsDevicePath);
    lib.getProductString(i, vid, SiLabsVendorId);
    lib.getProductString(i, pid, SiLabsProductId);
    TraceText(QStringLiteral("VID, PID"), QString::fromLatin1(("\t0x" + vid + ", 0x" + pid).c_str()));
    TraceText(QStringLiteral("Description"), QString::fromLatin1(description.c_str()));

    stopEvent_.Set();
    JoinPortThread();
    stopEvent_.Reset();
    owner_ = owner;
    key_ = index;

    bool lineControlSet = false;
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (handle_) lib.close(handle_);
        handle_ = 0;
        deviceNumber_ = -1;
        SiLabsHandle h = 0;
        if (lib.open(i, h) != SiLabsSuccess || !h) return 0;
        handle_ = h;
        deviceNumber_ = i;
        lib.setBaudRate(h, 115200);
        lineControlSet = lib.setLineControl(h, kLineControl) == SiLabsSuccess;
    }
    if (!lineControlSet) {
        Close();
        return 0;
    }
    receivedCount_ = 0;
    moreThanHalfFull_ = false;
    StartPortThread([this] { ThreadProc(); });
    return 1;
}

int CSiLabsPort::Close() {
    stopEvent_.Set();
    JoinPortThread();
    running_.store(false);
    std::lock_guard<std::mutex> guard(lock_);
    if (handle_) siLabsLibrary().close(handle_);
    handle_ = 0;
    deviceNumber_ = -1;
    return 1;
}

void CSiLabsPort::Write(const std::string& line) {
    if (!IsOpen()) return;
    // A line that does not fit the write buffer is refused, not cut short.
    if (line.size() >= writeBuffer_.size()) return;
    if (!writeSlot_.Acquire(100)) return;
    std::memset(writeBuffer_.data(), 0, writeBuffer_.size());
    std::memcpy(writeBuffer_.data(), line.data(), line.size());
    writeLength_ = line.size();
    {
        std::lock_guard<std::mutex> guard(lock_);
        std::uint32_t written = 0;
        if (handle_) siLabsLibrary().write(handle_, writeBuffer_.data(), std::uint32_t(writeLength_), written);
    }
    writeSlot_.Release();
}

void CSiLabsPort::ThreadProc() {
    running_.store(true);
    while (IsOpen()) {
        if (stopEvent_.Wait(kPollMs)) break;
        ReadData();
    }
    running_.store(false);
}

void CSiLabsPort::ReadData() {
    SiLabsLibrary& lib = siLabsLibrary();
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (!handle_) return;
        std::uint32_t waiting = 0, queueStatus = 0;
        if (lib.checkRxQueue(handle_, waiting, queueStatus) != SiLabsSuccess || waiting == 0 ||
            queueStatus != SiLabsQueueReady)
            return;
        if (waiting > kFloodLimit) {
            // A flood: drop what waits rather than stall the window thread.
            std::uint8_t scratch[100];
            std::uint32_t got = 0;
            lib.read(handle_, scratch, sizeof scratch, got);
            lib.flushBuffers(handle_, false, true);
            waiting = 0;
        }
        const std::uint32_t n = std::min<std::uint32_t>(waiting, std::uint32_t(kBufferSize - receivedCount_));
        if (n == 0) return;
        std::uint32_t got = 0;
        if (lib.read(handle_, receive_.data() + receivedCount_, n, got) != SiLabsSuccess || got < n) return;
        receivedCount_ += n;
        moreThanHalfFull_ = receivedCount_ > 512;
    }
    NotifyOwner();
}

}  // namespace kelvanor
