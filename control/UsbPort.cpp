#include "UsbPort.h"

#include <cstdio>

#include "FtdiDeviceList.h"
#include "Trace.h"

namespace kelvanor {

using namespace tamberlo;

std::uint32_t FtdiBaudRate(std::uint16_t productId, int attempt) {
    const bool slowFirst = productId == kProductEmber;
    return (attempt == 0) == slowFirst ? 19200 : 115200;
}

CUSBPort::~CUSBPort() {
    closing_.store(true);
    Close();
}

int CUSBPort::Open(PortOwner* owner, std::uint32_t index, std::uint32_t attempt) {
    FtdiDeviceInfo* info = index <= 0x7FFFFFFF ? FtdiDevice(int(index)) : nullptr;
    if (!info) return 0;
    if (info->type != FtdiChip232R) {
        TraceValue(QStringLiteral("FT_DEVICE"), info->type);
        return 0;
    }
    char id[40];
    std::snprintf(id, sizeof id, "\t0x%X, 0x%X", unsigned(info->vendorId), unsigned(info->productId));
    TraceText(QStringLiteral("ID"), QString::fromLatin1(id));
    TraceText(QStringLiteral("Description"), QString::fromLatin1(info->description.c_str()));
    const std::uint16_t product = info->productId;
    if (info->vendorId != FtdiVendorId || (product != kProductGeneric && product != kProductKelvanor && product != kProductEmber))
        return 0;

    // An old reader must be gone before the port is reused.
    stopEvent_.Set();
    JoinPortThread();
    stopEvent_.Reset();
    owner_ = owner;
    key_ = info->locationId;

    FtdiLibrary& lib = ftdiLibrary();
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (handle_) CloseDevice();
        deviceNumber_ = -1;
        FtdiHandle h = 0;
        if (lib.open(int(index), h) != FtdiOk || !h) return 0;
        handle_ = h;
        deviceNumber_ = int(index);
        info->handle = h;
        std::uint32_t version = 0;
        if (lib.getDriverVersion(h, version) == FtdiOk) {
            char text[24];
            std::snprintf(text, sizeof text, "0x%X", unsigned(version));
            TraceText(QStringLiteral("DriverVersion"), QString::fromLatin1(text));
        }
        const std::uint32_t baud = FtdiBaudRate(product, int(attempt));
        // Settings that fail are traced; the module may answer all the same.
        auto check = [](const char* name, int status) {
            if (status != FtdiOk) TraceValue(QString::fromLatin1(name), std::uint32_t(status));
        };
        check("FT_SetUSBParameters:", lib.setUsbParameters(h, 64, 64));
        check("FT_SetLatencyTimer:", lib.setLatencyTimer(h, kLatencyMs));
        check("FT_SetTimeouts:", lib.setTimeouts(h, 1000, 1000));
        check("FT_SetDataCharacteristics:", lib.setDataCharacteristics(h, FtdiBits8, FtdiStopBits1, FtdiParityNone));
        check("FT_SetBaudRate:", lib.setBaudRate(h, baud));
        check("FT_Purge:", lib.purge(h, FtdiPurgeRx | FtdiPurgeTx));
        generic_ = product == kProductGeneric;
        receivedCount_ = 0;
        moreThanHalfFull_ = false;
    }
    StartPortThread([this] { PollLoop(kLatencyMs); });
    return 1;
}

void CUSBPort::CloseDevice() {
    ftdiLibrary().close(handle_);
    for (int i = 0; i < FtdiDeviceCount(); ++i)
        if (FtdiDevice(i)->handle == handle_) FtdiDevice(i)->handle = 0;
    handle_ = 0;
}

int CUSBPort::Close() {
    // The reader never waits for the window thread, so it can be joined here.
    stopEvent_.Set();
    JoinPortThread();
    running_.store(false);
    std::lock_guard<std::mutex> guard(lock_);
    if (handle_) CloseDevice();
    deviceNumber_ = -1;
    return 1;
}

bool CUSBPort::DeviceWaiting(std::uint32_t& waiting) {
    FtdiQueueStatus status;
    if (ftdiLibrary().getStatus(handle_, status) != FtdiOk) return false;
    waiting = status.rxBytes;
    return true;
}

bool CUSBPort::DeviceRead(std::uint8_t* data, std::uint32_t n, std::uint32_t& got) {
    return ftdiLibrary().read(handle_, data, n, got) == FtdiOk;
}

void CUSBPort::DeviceFlushReceive() { ftdiLibrary().purge(handle_, FtdiPurgeRx); }

void CUSBPort::DeviceWrite(const char* data, std::uint32_t n) {
    std::uint32_t written = 0;
    ftdiLibrary().write(handle_, data, n, written);
}

int CUSBPort::ProgramModuleIds(bool ember) {
    if (!HasGenericIdentity()) return -1;
    FtdiLibrary& lib = ftdiLibrary();
    std::lock_guard<std::mutex> guard(lock_);
    FtdiProgramData data;  // version 2, signatures 0 and all ones
    const int readStatus = lib.eepromRead(handle_, data);
    if (readStatus != FtdiOk) return readStatus;
    if (data.vendorId != FtdiVendorId || data.productId != kProductGeneric) return -1;
    data.productId = ember ? kProductEmber : kProductKelvanor;
    data.description = ember ? "Ember" : "Kelvanor Module";
    data.manufacturerId = "QX";
    data.serialNumber = "QX000001";
    data.manufacturer = "Brask";
    data.driverSelect232R = 0;
    const int status = lib.eepromProgram(handle_, data);
    // The bridge takes its new identity when it enumerates again.
    if (status == FtdiOk) lib.cyclePort(handle_);
    return status;
}

}  // namespace kelvanor
