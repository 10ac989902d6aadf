#include "LibFtdiBackend.h"

#include <ftdi.h>
#include <libusb.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace tamberlo {

namespace {

// How long one poll of the bridge may wait for a packet. The bridge sends a
// status packet every latency period even when idle, so a poll returns well
// before this unless the device has gone.
constexpr int PollTimeoutMs = 20;

std::uint32_t ChipTypeOf(std::uint16_t bcdDevice) {
    switch (bcdDevice & 0xFF00) {
    case 0x0200: return FtdiChipAM;
    case 0x0400: return FtdiChipBM;
    case 0x0500: return FtdiChip2232C;
    case 0x0600: return FtdiChip232R;
    case 0x0700: return FtdiChip2232H;
    case 0x0800: return FtdiChip4232H;
    case 0x0900: return FtdiChip232H;
    case 0x1000: return FtdiChipXSeries;
    default: return FtdiChipUnknown;
    }
}

std::uint32_t LocationOf(libusb_device* dev) {
    std::uint8_t ports[8] = {};
    const int depth = libusb_get_port_numbers(dev, ports, int(sizeof ports));
    return FtdiLocationId(libusb_get_bus_number(dev), ports, depth < 0 ? 0 : depth);
}

std::string StringDescriptor(libusb_device_handle* h, std::uint8_t index, std::size_t maxLen) {
    if (index == 0) return {};
    unsigned char text[256] = {};
    const int n = libusb_get_string_descriptor_ascii(h, index, text, int(sizeof text));
    if (n <= 0) return {};
    std::string s(reinterpret_cast<const char*>(text), std::size_t(n));
    if (s.size() > maxLen) s.resize(maxLen);
    return s;
}

}  // namespace

struct LibFtdiBackend::Device {
    ftdi_context* ftdi = nullptr;
    std::vector<unsigned char> pending;  // received, not yet read
    int readTimeoutMs = 1000;
    bool eepromLoaded = false;
};

LibFtdiBackend::LibFtdiBackend() = default;

LibFtdiBackend::~LibFtdiBackend() {
    for (auto& [handle, device] : devices_) {
        ftdi_usb_close(device->ftdi);
        ftdi_free(device->ftdi);
    }
    devices_.clear();
    if (usb_) libusb_exit(usb_);
}

int LibFtdiBackend::createDeviceInfoList(std::uint32_t& count) {
    std::lock_guard lock(mutex_);
    count = 0;
    list_.clear();
    if (!usbTried_) {
        usbTried_ = true;
        if (libusb_init(&usb_) != 0) usb_ = nullptr;
    }
    if (!usb_) return FtdiOk;  // no USB here: no devices

    libusb_device** devs = nullptr;
    const ssize_t n = libusb_get_device_list(usb_, &devs);
    if (n < 0) return FtdiOk;
    for (ssize_t i = 0; i < n; ++i) {
        libusb_device_descriptor desc{};
        if (libusb_get_device_descriptor(devs[i], &desc) != 0 || desc.idVendor != FtdiVendorId) continue;
        FtdiDeviceInfo info;
        info.type = ChipTypeOf(desc.bcdDevice);
        info.vendorId = desc.idVendor;
        info.productId = desc.idProduct;
        info.locationId = LocationOf(devs[i]);
        libusb_device_handle* h = nullptr;
        if (libusb_open(devs[i], &h) == 0) {
            info.description = StringDescriptor(h, desc.iProduct, 63);
            info.serialNumber = StringDescriptor(h, desc.iSerialNumber, 15);
            libusb_close(h);
        }
        // Devices we already hold open keep their flag.
        for (const auto& [handle, device] : devices_) {
            libusb_device* own = device->ftdi->usb_dev ? libusb_get_device(device->ftdi->usb_dev) : nullptr;
            if (own && LocationOf(own) == info.locationId) info.flags |= 1;
        }
        list_.push_back(std::move(info));
    }
    libusb_free_device_list(devs, 1);
    count = std::uint32_t(list_.size());
    return FtdiOk;
}

int LibFtdiBackend::getDeviceInfoList(std::vector<FtdiDeviceInfo>& devices) {
    std::lock_guard lock(mutex_);
    devices = list_;
    return FtdiOk;
}

LibFtdiBackend::Device* LibFtdiBackend::find(FtdiHandle handle) {
    std::lock_guard lock(mutex_);
    auto it = devices_.find(handle);
    return it == devices_.end() ? nullptr : it->second.get();
}

int LibFtdiBackend::open(int index, FtdiHandle& handle) {
    handle = 0;
    std::uint32_t location = 0;
    {
        std::lock_guard lock(mutex_);
        if (index < 0 || std::size_t(index) >= list_.size()) return FtdiDeviceNotFound;
        location = list_[std::size_t(index)].locationId;
    }
    ftdi_context* ftdi = ftdi_new();
    if (!ftdi) return FtdiInsufficientResources;

    // Find the device again by its location in this context's own list.
    libusb_device** devs = nullptr;
    const ssize_t n = libusb_get_device_list(ftdi->usb_ctx, &devs);
    int result = -1;
    for (ssize_t i = 0; i < n; ++i) {
        libusb_device_descriptor desc{};
        if (libusb_get_device_descriptor(devs[i], &desc) != 0 || desc.idVendor != FtdiVendorId) continue;
        if (LocationOf(devs[i]) != location) continue;
        result = ftdi_usb_open_dev(ftdi, devs[i]);
        break;
    }
    if (n >= 0) libusb_free_device_list(devs, 1);
    if (result < 0) {
        ftdi_free(ftdi);
        return FtdiDeviceNotOpened;
    }
    auto device = std::make_unique<Device>();
    device->ftdi = ftdi;
    handle = reinterpret_cast<FtdiHandle>(device.get());
    std::lock_guard lock(mutex_);
    devices_[handle] = std::move(device);
    return FtdiOk;
}

int LibFtdiBackend::close(FtdiHandle handle) {
    std::unique_ptr<Device> device;
    {
        std::lock_guard lock(mutex_);
        auto it = devices_.find(handle);
        if (it == devices_.end()) return FtdiInvalidHandle;
        device = std::move(it->second);
        devices_.erase(it);
    }
    ftdi_usb_close(device->ftdi);
    ftdi_free(device->ftdi);
    return FtdiOk;
}

int LibFtdiBackend::getDriverVersion(FtdiHandle handle, std::uint32_t& version) {
    if (!find(handle)) return FtdiInvalidHandle;
    const ftdi_version_info v = ftdi_get_library_version();
    version = (std::uint32_t(v.major) << 16) | (std::uint32_t(v.minor) << 8) | std::uint32_t(v.micro);
    return FtdiOk;
}

int LibFtdiBackend::setUsbParameters(FtdiHandle handle, std::uint32_t inSize, std::uint32_t outSize) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    if (ftdi_read_data_set_chunksize(d->ftdi, inSize) < 0) return FtdiIoError;
    if (ftdi_write_data_set_chunksize(d->ftdi, outSize) < 0) return FtdiIoError;
    return FtdiOk;
}

int LibFtdiBackend::setLatencyTimer(FtdiHandle handle, std::uint8_t ms) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    return ftdi_set_latency_timer(d->ftdi, ms) < 0 ? FtdiIoError : FtdiOk;
}

int LibFtdiBackend::setTimeouts(FtdiHandle handle, std::uint32_t readMs, std::uint32_t writeMs) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    d->readTimeoutMs = int(std::min<std::uint32_t>(readMs, 60000));
    d->ftdi->usb_write_timeout = int(std::min<std::uint32_t>(writeMs, 60000));
    return FtdiOk;
}

int LibFtdiBackend::setDataCharacteristics(FtdiHandle handle, std::uint8_t bits, std::uint8_t stopBits, std::uint8_t parity) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    if ((bits != 7 && bits != 8) || stopBits > 2 || parity > 4) return FtdiInvalidParameter;
    const int r = ftdi_set_line_property(d->ftdi, bits == 7 ? BITS_7 : BITS_8,
                                         stopBits == 0   ? STOP_BIT_1
                                         : stopBits == 1 ? STOP_BIT_15
                                                         : STOP_BIT_2,
                                         static_cast<ftdi_parity_type>(parity));
    return r < 0 ? FtdiIoError : FtdiOk;
}

int LibFtdiBackend::setBaudRate(FtdiHandle handle, std::uint32_t baud) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    if (baud == 0 || baud > 3000000) return FtdiInvalidBaudRate;
    return ftdi_set_baudrate(d->ftdi, int(baud)) < 0 ? FtdiInvalidBaudRate : FtdiOk;
}

int LibFtdiBackend::purge(FtdiHandle handle, std::uint32_t mask) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    int r = 0;
    if ((mask & FtdiPurgeRx) && (mask & FtdiPurgeTx)) r = ftdi_tcioflush(d->ftdi);
    else if (mask & FtdiPurgeRx) r = ftdi_tciflush(d->ftdi);
    else if (mask & FtdiPurgeTx) r = ftdi_tcoflush(d->ftdi);
    if (mask & FtdiPurgeRx) d->pending.clear();
    return r < 0 ? FtdiIoError : FtdiOk;
}

int LibFtdiBackend::pollInto(Device& d, int timeoutMs) {
    unsigned char chunk[512];
    const int old = d.ftdi->usb_read_timeout;
    d.ftdi->usb_read_timeout = timeoutMs;
    const int n = ftdi_read_data(d.ftdi, chunk, int(sizeof chunk));
    d.ftdi->usb_read_timeout = old;
    if (n < 0) return FtdiIoError;
    d.pending.insert(d.pending.end(), chunk, chunk + n);
    return FtdiOk;
}

int LibFtdiBackend::getStatus(FtdiHandle handle, FtdiQueueStatus& status) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    status = {};
    // Bound what we hold, as the bridge's own queue would be.
    if (d->pending.size() < 4096) {
        const int r = pollInto(*d, PollTimeoutMs);
        if (r != FtdiOk) return r;
    }
    status.rxBytes = std::uint32_t(d->pending.size());
    return FtdiOk;
}

int LibFtdiBackend::read(FtdiHandle handle, void* buffer, std::uint32_t size, std::uint32_t& got) {
    got = 0;
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(d->readTimeoutMs);
    while (d->pending.size() < size && std::chrono::steady_clock::now() < deadline) {
        const int r = pollInto(*d, PollTimeoutMs);
        if (r != FtdiOk) return r;
    }
    const std::size_t n = std::min<std::size_t>(size, d->pending.size());
    std::memcpy(buffer, d->pending.data(), n);
    d->pending.erase(d->pending.begin(), d->pending.begin() + std::ptrdiff_t(n));
    got = std::uint32_t(n);
    return FtdiOk;
}

int LibFtdiBackend::write(FtdiHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& written) {
    written = 0;
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    const int n = ftdi_write_data(d->ftdi, static_cast<const unsigned char*>(buffer), int(size));
    if (n < 0) return FtdiIoError;
    written = std::uint32_t(n);
    return FtdiOk;
}

int LibFtdiBackend::eepromRead(FtdiHandle handle, FtdiProgramData& data) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    if (ftdi_read_eeprom(d->ftdi) < 0 || ftdi_eeprom_decode(d->ftdi, 0) < 0) return FtdiEepromReadFailed;
    d->eepromLoaded = true;
    int vid = 0, pid = 0, driver = 0;
    ftdi_get_eeprom_value(d->ftdi, VENDOR_ID, &vid);
    ftdi_get_eeprom_value(d->ftdi, PRODUCT_ID, &pid);
    ftdi_get_eeprom_value(d->ftdi, CHANNEL_A_DRIVER, &driver);
    char manufacturer[128] = {}, product[128] = {}, serial[128] = {};
    ftdi_eeprom_get_strings(d->ftdi, manufacturer, sizeof manufacturer, product, sizeof product, serial, sizeof serial);
    data.vendorId = std::uint16_t(vid);
    data.productId = std::uint16_t(pid);
    data.manufacturer = manufacturer;
    data.description = product;
    data.serialNumber = serial;
    data.manufacturerId.clear();  // not kept in the EEPROM as such
    data.driverSelect232R = (driver & DRIVER_VCP) ? 0 : 1;
    return FtdiOk;
}

int LibFtdiBackend::eepromProgram(FtdiHandle handle, const FtdiProgramData& data) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    // Program over what the device holds, so its other settings survive.
    if (!d->eepromLoaded) {
        FtdiProgramData current;
        const int r = eepromRead(handle, current);
        if (r != FtdiOk) return r;
    }
    if (ftdi_set_eeprom_value(d->ftdi, VENDOR_ID, data.vendorId) < 0 ||
        ftdi_set_eeprom_value(d->ftdi, PRODUCT_ID, data.productId) < 0 ||
        ftdi_set_eeprom_value(d->ftdi, CHANNEL_A_DRIVER, data.driverSelect232R ? 0 : DRIVER_VCP) < 0)
        return FtdiEepromWriteFailed;
    if (ftdi_eeprom_set_strings(d->ftdi, data.manufacturer.c_str(), data.description.c_str(), data.serialNumber.c_str()) < 0)
        return FtdiEepromWriteFailed;
    if (ftdi_eeprom_build(d->ftdi) < 0 || ftdi_write_eeprom(d->ftdi) < 0) return FtdiEepromWriteFailed;
    return FtdiOk;
}

int LibFtdiBackend::cyclePort(FtdiHandle handle) {
    Device* d = find(handle);
    if (!d) return FtdiInvalidHandle;
    if (!d->ftdi->usb_dev) return FtdiDeviceNotOpened;
    // A device whose descriptors changed re-enumerates and reports "not found".
    const int r = libusb_reset_device(d->ftdi->usb_dev);
    return (r == 0 || r == LIBUSB_ERROR_NOT_FOUND) ? FtdiOk : FtdiIoError;
}

}  // namespace tamberlo
