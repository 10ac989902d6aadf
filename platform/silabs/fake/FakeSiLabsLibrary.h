#pragma once
// A SiLabsLibrary for tests: devices with product strings, a chosen status
// of the count call, bytes scripted by a responder or injected by the test,
// failures at chosen steps and a log of calls. Thread-safe.

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
    bool failOpen = false;   // this device cannot be opened
    // Called (without the fake's lock) with each write; its answer arrives as received bytes.
    std::function<std::string(const std::string& written)> respond;
};

class FakeSiLabsLibrary final : public SiLabsLibrary {
public:
    int addDevice(FakeSiLabsDevice device);
    // The count call returns `status` with `count` (instead of the devices added).
    void setCountResult(int status, std::uint32_t count);
    void failAt(SiLabsStep step, int status);
    void inject(int index, const std::string& bytes);

    std::vector<std::string> calls(int index) const;
    std::string written(int index) const;
    bool isOpen(int index) const;
    int rxQueueCalls(int index) const;   // polls of the receive queue
    std::size_t pending(int index) const;

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
    struct State {
        FakeSiLabsDevice device;
        SiLabsHandle handle = 0;
        std::string rx, tx;
        std::vector<std::string> calls;
        int rxQueueCalls = 0;
    };
    int enter(SiLabsHandle handle, SiLabsStep step, const std::string& call, State*& state);

    mutable std::mutex mutex_;
    std::vector<State> devices_;
    std::optional<std::pair<int, std::uint32_t>> countResult_;
    std::map<SiLabsStep, int> failures_;
    SiLabsHandle nextHandle_ = 0x200;
};

}  // namespace tamberlo::test
