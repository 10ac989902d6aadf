#pragma once
// Velleman cards for tests: settable attached cards and inputs, a model of
// each card's outputs, and a log of every call with the card that was
// current, for example "SetCurrentDevice(1)", "SetDigitalChannel(3)@1".
// A plain object: whoever uses it installs it as the card library's backend.

#include <array>
#include <string>
#include <vector>

#include "VellemanBackend.h"

namespace tamberlo::velleman {

class FakeVellemanCards final : public VellemanBackend {
public:
    FakeVellemanCards() = default;
    FakeVellemanCards(const FakeVellemanCards&) = delete;
    FakeVellemanCards& operator=(const FakeVellemanCards&) = delete;

    // Settable by tests.
    int attached = 0;                // cards on the bus: what SearchDevices finds
    int failing = 0;                 // cards that stopped answering: dropped from Connected, ignore I/O
    std::array<int, 4> digitalIn{};  // inputs 1..5 in bits 0..4
    std::array<int, 4> analog1In{};
    std::array<int, 4> analog2In{};

    // What the cards' outputs show.
    std::array<int, 4> digitalOut{};
    std::array<int, 4> analog1Out{};
    std::array<int, 4> analog2Out{};

    int current = 0;
    int opened = 0;  // cards found by the last search
    std::vector<std::string> log;

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

private:
    bool live() const;  // the current card is open and answering
    void note(const std::string& call, bool perCard);
};

}  // namespace tamberlo::velleman
