#pragma once
// The operations the Kelvanor control needs of an FTDI USB-serial bridge,
// with status codes instead of exceptions (0 = success). The real backend
// works over libftdi1 and libusb-1.0; tests install a fake with
// SetFtdiLibrary(). Calls on one handle are not thread-safe: callers guard
// them with a lock of their own.

#include <cstdint>
#include <string>
#include <vector>

namespace tamberlo {

// Status codes of the FTDI layer.
enum FtdiStatus : int {
    FtdiOk = 0,
    FtdiInvalidHandle = 1,
    FtdiDeviceNotFound = 2,
    FtdiDeviceNotOpened = 3,
    FtdiIoError = 4,
    FtdiInsufficientResources = 5,
    FtdiInvalidParameter = 6,
    FtdiInvalidBaudRate = 7,
    FtdiEepromReadFailed = 11,
    FtdiEepromWriteFailed = 12,
    FtdiOtherError = 18,
    FtdiNotSupported = 19,
};

// Chip types as the device list reports them.
enum FtdiChipType : std::uint32_t {
    FtdiChipBM = 0,
    FtdiChipAM = 1,
    FtdiChip100AX = 2,
    FtdiChipUnknown = 3,
    FtdiChip2232C = 4,
    FtdiChip232R = 5,
    FtdiChip2232H = 6,
    FtdiChip4232H = 7,
    FtdiChip232H = 8,
    FtdiChipXSeries = 9,
};

// Purge masks.
constexpr std::uint32_t FtdiPurgeRx = 1;
constexpr std::uint32_t FtdiPurgeTx = 2;

// Data characteristics.
constexpr std::uint8_t FtdiBits8 = 8;
constexpr std::uint8_t FtdiStopBits1 = 0;
constexpr std::uint8_t FtdiParityNone = 0;

constexpr std::uint16_t FtdiVendorId = 0x0403;

// An open device; 0 is no device.
using FtdiHandle = std::uintptr_t;

struct FtdiDeviceInfo {
    std::uint32_t flags = 0;  // bit 0: opened elsewhere
    std::uint32_t type = FtdiChipUnknown;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint32_t locationId = 0;  // stable per USB bus and port path
    std::string serialNumber;      // at most 15 characters
    std::string description;       // at most 63 characters
    FtdiHandle handle = 0;         // kept by the caller while the device is open
};

// The identity fields of the bridge's EEPROM. Reading fills them; programming
// writes them and keeps every other setting of the EEPROM as it was.
struct FtdiProgramData {
    std::uint32_t signature1 = 0x00000000;
    std::uint32_t signature2 = 0xFFFFFFFF;
    std::uint32_t version = 2;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string manufacturer;
    std::string manufacturerId;
    std::string description;
    std::string serialNumber;
    // FT232R: non-zero when the device asks for the direct (non-VCP) driver.
    std::uint8_t driverSelect232R = 0;
};

struct FtdiQueueStatus {
    std::uint32_t rxBytes = 0;  // bytes waiting to be read
    std::uint32_t txBytes = 0;  // bytes waiting to be written
    std::uint32_t events = 0;
};

class FtdiLibrary {
public:
    virtual ~FtdiLibrary() = default;

    // Counts the devices of vendor 0x0403 and builds the library's list.
    virtual int createDeviceInfoList(std::uint32_t& count) = 0;
    // Copies the list built by the last createDeviceInfoList().
    virtual int getDeviceInfoList(std::vector<FtdiDeviceInfo>& devices) = 0;

    virtual int open(int index, FtdiHandle& handle) = 0;
    virtual int close(FtdiHandle handle) = 0;
    virtual int getDriverVersion(FtdiHandle handle, std::uint32_t& version) = 0;

    virtual int setUsbParameters(FtdiHandle handle, std::uint32_t inSize, std::uint32_t outSize) = 0;
    virtual int setLatencyTimer(FtdiHandle handle, std::uint8_t ms) = 0;
    virtual int setTimeouts(FtdiHandle handle, std::uint32_t readMs, std::uint32_t writeMs) = 0;
    virtual int setDataCharacteristics(FtdiHandle handle, std::uint8_t bits, std::uint8_t stopBits, std::uint8_t parity) = 0;
    virtual int setBaudRate(FtdiHandle handle, std::uint32_t baud) = 0;
    virtual int purge(FtdiHandle handle, std::uint32_t mask) = 0;

    virtual int getStatus(FtdiHandle handle, FtdiQueueStatus& status) = 0;
    virtual int read(FtdiHandle handle, void* buffer, std::uint32_t size, std::uint32_t& got) = 0;
    virtual int write(FtdiHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) = 0;

    virtual int eepromRead(FtdiHandle handle, FtdiProgramData& data) = 0;
    virtual int eepromProgram(FtdiHandle handle, const FtdiProgramData& data) = 0;
    // Makes the device leave and rejoin the bus, so it enumerates anew.
    virtual int cyclePort(FtdiHandle handle) = 0;
};

// The library in use: the libftdi backend unless a test installed another.
FtdiLibrary& ftdiLibrary();
// Installs `library` (not owned); nullptr restores the libftdi backend.
void SetFtdiLibrary(FtdiLibrary* library);

// Location id of a device: bus number in bits 24-31, then the port path from
// the root, one port per four bits from bit 20 down (ports above 15 as 15).
// Never 0 for a real device.
std::uint32_t FtdiLocationId(std::uint8_t bus, const std::uint8_t* ports, int depth);

}  // namespace tamberlo
