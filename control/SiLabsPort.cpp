#include "SiLabsPort.h"

#include <atomic>

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
    StartPortThread([this] { PollLoop(kPollMs); });
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

bool CSiLabsPort::DeviceWaiting(std::uint32_t& waiting) {
    std::uint32_t queueStatus = 0;
    return siLabsLibrary().checkRxQueue(handle_, waiting, queueStatus) == SiLabsSuccess && waiting != 0 &&
           queueStatus == SiLabsQueueReady;
}

bool CSiLabsPort::DeviceRead(std::uint8_t* data, std::uint32_t n, std::uint32_t& got) {
    return siLabsLibrary().read(handle_, data, n, got) == SiLabsSuccess;
}

void CSiLabsPort::DeviceFlushReceive() { siLabsLibrary().flushBuffers(handle_, false, true); }

void CSiLabsPort::DeviceWrite(const char* data, std::uint32_t n) {
    std::uint32_t written = 0;
    siLabsLibrary().write(handle_, data, n, written);
}

}  // namespace kelvanor
