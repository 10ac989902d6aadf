#pragma once
// What stands behind the Velleman card library's functions: the HID cards
// on this machine, or a fake in tests. A backend has the library's own
// functions and keeps its own current card.

#include <cstdint>

namespace tamberlo::velleman {

class VellemanBackend {
public:
    virtual ~VellemanBackend() = default;
    virtual std::int32_t CloseDevice() = 0;
    virtual std::int32_t SearchDevices() = 0;  // bit i = card address i attached
    virtual std::int32_t SetCurrentDevice(std::int32_t card) = 0;
    virtual std::int32_t Connected() = 0;  // bit i = card i open and answering
    virtual std::int32_t ReadAllDigital() = 0;
    virtual void ReadAllAnalog(std::int32_t& a1, std::int32_t& a2) = 0;
    virtual void WriteAllDigital(std::int32_t data) = 0;
    virtual void SetAllDigital() = 0;
    virtual void ClearAllDigital() = 0;
    virtual void SetDigitalChannel(std::int32_t channel) = 0;
    virtual void ClearDigitalChannel(std::int32_t channel) = 0;
    virtual void OutputAnalogChannel(std::int32_t channel, std::int32_t data) = 0;
    virtual void OutputAllAnalog(std::int32_t data1, std::int32_t data2) = 0;
    virtual std::int32_t Version() = 0;
};

}  // namespace tamberlo::velleman
