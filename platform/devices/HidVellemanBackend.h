#pragma once
// The Velleman cards on this machine, reached as USB HID devices through
// hidapi (hidraw). Every read waits at most a short bounded time, so an
// unplugged card never stalls the scan; a card whose read or write fails is
// closed and counts as gone until the next search. Without the HID library,
// without cards or without permission to open them, no card is found.

#include <array>
#include <chrono>
#include <cstdint>

#include "VellemanBackend.h"
#include "VellemanReport.h"

struct hid_device_;

namespace tamberlo::velleman {

class HidVellemanBackend final : public VellemanBackend {
public:
    HidVellemanBackend();
    ~HidVellemanBackend() override;
    HidVellemanBackend(const HidVellemanBackend&) = delete;
    HidVellemanBackend& operator=(const HidVellemanBackend&) = delete;

    std::int32_t CloseDevice() override;
    std::int32_t SearchDevices() override;
    std::int32_t SetCurrentDevice(std::int32_t card) override;
    std::int32_t Connected() override;
    std::int32_t ReadAllDigital() override;
    void ReadAllAnalog(std::int32_t& a1, std::int32_t& a2) override;
    void WriteAllDigital(std::int32_t data) override;
    void SetAllDigital() override;
    void ClearAllDigital() override;
    void SetDigitalChannel(std::int32_t channel) override;
    void ClearDigitalChannel(std::int32_t channel) override;
    void OutputAnalogChannel(std::int32_t channel, std::int32_t data) override;
    void OutputAllAnalog(std::int32_t data1, std::int32_t data2) override;
    std::int32_t Version() override;

    static constexpr int kReadTimeoutMs = 50;
    // A report this young still counts as the card's present inputs, so the
    // analog read right after the digital one does not wait for another.
    static constexpr std::chrono::milliseconds kFreshReport{10};

private:
    struct Card {
        hid_device_* device = nullptr;
        std::uint8_t digital = 0;  // the card has no read-back: what we last sent
        std::uint8_t analog1 = 0;
        std::uint8_t analog2 = 0;
        InputReport input;  // the last input report received
        std::chrono::steady_clock::time_point received{};
    };

    Card* current();
    void close(Card& card);
    void send(Card& card);
    void refreshInput(Card& card);

    bool hidReady_ = false;
    int current_ = 0;
    std::array<Card, 4> cards_;
};

}  // namespace tamberlo::velleman
