#pragma once
// A SiLabsLibrary for tests: devices with product strings, a chosen status
// of the count call, bytes scripted by a responder or injected by the test,
// failures at chosen steps and a log of calls. Thread-safe.

#include "FakeBridgeDevices.h"
#include "SiLabsLibrary.h"

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tamberlo::test {

enum class SiLabsStep { Count, ProductString, Open, BaudRate, LineControl, RxQueue, Read, Write, Flush };

struct FakeSiLabsDevice {
    std::string serialNumber = "0001";
    std::string description = "USBXpress Device";
    std::string path = "usb-0001";
    std::string vendorId = "10C4";
    std::string productId = "EA61";
    bool failOpen = false;  // this device cannot be opened
    // Called (without the fake's lock) with each write; its answer arrives as received bytes.
    std::function<std::string(const std::string& written)> respond;
};

// A device's record in the fake.
struct FakeSiLabsState {
    FakeSiLabsDevice device;
    SiLabsHandle handle = 0;
    std::string rx, tx;
    std::vector<std::string> calls;
    int rxQueueCalls = 0;
};

// addDevice, failAt, inject, calls, written, isOpen and pending come from
// FakeBridgeDevices.
class FakeSiLabsLibrary final : public SiLabsLibrary,
                                public FakeBridgeDevices<FakeSiLabsState, SiLabsStep, SiLabsSuccess, SiLabsInvalidHandle> {
public:
    // The count call returns `status` with `count` (instead of the devices added).
    void setCountResult(int status, std::uint32_t count);
    int rxQueueCalls(int index) const { return field(index, &FakeSiLabsState::rxQueueCalls); }  // polls of the receive queue

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

private:
    using State = FakeSiLabsState;

    std::optional<std::pair<int, std::uint32_t>> countResult_;
    SiLabsHandle nextHandle_ = 0x200;
};

}  // namespace tamberlo::test
