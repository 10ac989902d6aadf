#pragma once
// The operations the Kelvanor control needs of a Silicon Labs USB bridge
// spoken to through its vendor protocol, with status codes (0 = success).
// No Linux library for that protocol exists, so the real backend reports no
// device; bridges the kernel exposes as serial ports are found by the COM
// search instead. Tests install a fake with SetSiLabsLibrary().

#include <cstdint>
#include <string>

namespace tamberlo {

enum SiLabsStatus : int {
    SiLabsSuccess = 0,
    SiLabsInvalidHandle = 1,
    SiLabsReadError = 2,
    SiLabsRxQueueNotReady = 3,
    SiLabsWriteError = 4,
    SiLabsResetError = 5,
    SiLabsInvalidParameter = 6,
    SiLabsInvalidRequestLength = 7,
    SiLabsDeviceIoFailed = 8,
    SiLabsInvalidBaudRate = 9,
    SiLabsFunctionNotSupported = 10,
    SiLabsReadTimedOut = 13,
    SiLabsWriteTimedOut = 14,
    SiLabsDeviceNotFound = 0xFF,
};

// Product string options.
enum SiLabsProductOption : int {
    SiLabsSerialNumber = 0,
    SiLabsDescription = 1,
    SiLabsDevicePath = 2,
    SiLabsVendorId = 3,
    SiLabsProductId = 4,
};

// Receive queue status.
constexpr std::uint32_t SiLabsQueueNoOverrun = 0;
constexpr std::uint32_t SiLabsQueueOverrun = 1;
constexpr std::uint32_t SiLabsQueueReady = 2;

// An open device; 0 is no device.
using SiLabsHandle = std::uintptr_t;

class SiLabsLibrary {
public:
    virtual ~SiLabsLibrary() = default;
    virtual int getNumDevices(std::uint32_t& count) = 0;
    virtual int getProductString(int index, std::string& text, int option) = 0;
    virtual int open(int index, SiLabsHandle& handle) = 0;
    virtual int close(SiLabsHandle handle) = 0;
    virtual int setBaudRate(SiLabsHandle handle, std::uint32_t baud) = 0;
    // Bits 8-15 data bits, 4-7 parity, 0-3 stop bits.
    virtual int setLineControl(SiLabsHandle handle, std::uint16_t lineControl) = 0;
    virtual int checkRxQueue(SiLabsHandle handle, std::uint32_t& bytes, std::uint32_t& status) = 0;
    virtual int read(SiLabsHandle handle, void* buffer, std::uint32_t size, std::uint32_t& got) = 0;
    virtual int write(SiLabsHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) = 0;
    virtual int flushBuffers(SiLabsHandle handle, bool flushTransmit, bool flushReceive) = 0;
};

// The backend without devices: the count call reports "device not found".
class NoSiLabsLibrary final : public SiLabsLibrary {
public:
    int getNumDevices(std::uint32_t& count) override;
    int getProductString(int index, std::string& text, int option) override;
    int open(int index, SiLabsHandle& handle) override;
    int close(SiLabsHandle handle) override;
    int setBaudRate(SiLabsHandle handle, std::uint32_t baud) override;
    int setLineControl(SiLabsHandle handle, std::uint16_t lineControl) override;
    int checkRxQueue(SiLabsHandle handle, std::uint32_t& bytes, std::uint32_t& status) override;
    int read(SiLabsHandle handle, void* buffer, std::uint32_t size, std::uint32_t& got) override;
    int write(SiLabsHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) override;
    int flushBuffers(SiLabsHandle handle, bool flushTransmit, bool flushReceive) override;
};

// The library in use: NoSiLabsLibrary unless a test installed another.
SiLabsLibrary& siLabsLibrary();
// Installs `library` (not owned); nullptr restores the default.
void SetSiLabsLibrary(SiLabsLibrary* library);

}  // namespace tamberlo
