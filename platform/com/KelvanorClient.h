#pragma once
// What the program uses of the hosted Kelvanor control `Kelvanor1`. The real
// client calls the control library by dispatch id; without the library the
// program runs with a client that finds no module.

#include <cstdint>
#include <functional>

namespace tamberlo {

class KelvanorClient {
public:
    virtual ~KelvanorClient() = default;
    virtual std::int16_t Connect() = 0;  // bit mask of modules found
    virtual void Disconnect() = 0;
    virtual std::int16_t GetModuleType(std::int16_t modIndex) = 0;
    virtual void SetDigitalOutput0(std::int16_t data) = 0;
    virtual void AboutBox() = 0;

    // InputWordChanged(module, word index, value), raised on the window thread.
    std::function<void(std::int16_t, std::int16_t, std::int32_t)> InputWordChanged;
};

// A client for a program without the control: no module, nothing sent.
class NoKelvanor final : public KelvanorClient {
public:
    std::int16_t Connect() override { return 0; }
    void Disconnect() override {}
    std::int16_t GetModuleType(std::int16_t) override { return 0; }
    void SetDigitalOutput0(std::int16_t) override {}
    void AboutBox() override {}
};

}  // namespace tamberlo
