#include "VellemanCards.h"

#include <array>
#include <memory>

#include "HidVellemanBackend.h"
#include "VellemanBackend.h"

namespace tamberlo::velleman {

namespace {

struct OutputRecord {
    std::optional<int> digital;
    std::optional<int> analog1;
    std::optional<int> analog2;
};

struct Library {
    VellemanBackend* installed = nullptr;
    std::unique_ptr<VellemanBackend> hid;  // created at the first call that needs it
    int current = 0;
    std::array<OutputRecord, 4> written;

    VellemanBackend& backend() {
        if (installed) return *installed;
        if (!hid) hid = std::make_unique<HidVellemanBackend>();
        return *hid;
    }
    OutputRecord* currentRecord() { return current >= 0 && current <= 3 ? &written[current] : nullptr; }
    void forget() { written = {}; }
};

Library& lib() {
    static Library l;
    return l;
}

int clampByte(std::int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

void recordDigital(int value) {
    if (auto* r = lib().currentRecord()) r->digital = value & 0xFF;
}

void recordChannel(std::int32_t channel, bool on) {
    if (channel < 1 || channel > 8) return;
    auto* r = lib().currentRecord();
    if (!r) return;
    int mask = 1 << (channel - 1);
    int before = r->digital.value_or(0);  // the card starts with its outputs off
    r->digital = on ? (before | mask) : (before & ~mask);
}

}  // namespace

std::int32_t CloseDevice() {
    lib().forget();
    return lib().backend().CloseDevice();
}

std::int32_t SearchDevices() {
    lib().forget();
    return lib().backend().SearchDevices();
}

std::int32_t SetCurrentDevice(std::int32_t card) {
    if (card >= 0 && card <= 3) lib().current = card;
    return lib().backend().SetCurrentDevice(card);
}

std::int32_t Connected() { return lib().backend().Connected(); }
std::int32_t ReadAllDigital() { return lib().backend().ReadAllDigital(); }
void ReadAllAnalog(std::int32_t& a1, std::int32_t& a2) { lib().backend().ReadAllAnalog(a1, a2); }

void WriteAllDigital(std::int32_t data) {
    recordDigital(data);
    lib().backend().WriteAllDigital(data);
}

void SetAllDigital() {
    recordDigital(0xFF);
    lib().backend().SetAllDigital();
}

void ClearAllDigital() {
    recordDigital(0);
    lib().backend().ClearAllDigital();
}

void SetDigitalChannel(std::int32_t channel) {
    recordChannel(channel, true);
    lib().backend().SetDigitalChannel(channel);
}

void ClearDigitalChannel(std::int32_t channel) {
    recordChannel(channel, false);
    lib().backend().ClearDigitalChannel(channel);
}

void OutputAnalogChannel(std::int32_t channel, std::int32_t data) {
    if (auto* r = lib().currentRecord()) {
        if (channel == 1) r->analog1 = clampByte(data);
        if (channel == 2) r->analog2 = clampByte(data);
    }
    lib().backend().OutputAnalogChannel(channel, data);
}

void OutputAllAnalog(std::int32_t data1, std::int32_t data2) {
    if (auto* r = lib().currentRecord()) {
        r->analog1 = clampByte(data1);
        r->analog2 = clampByte(data2);
    }
    lib().backend().OutputAllAnalog(data1, data2);
}

std::int32_t Version() { return lib().backend().Version(); }

std::optional<int> LastWrittenDigital(int card) {
    if (card < 0 || card > 3) return std::nullopt;
    return lib().written[card].digital;
}

std::optional<int> LastWrittenAnalog(int card, int channel) {
    if (card < 0 || card > 3) return std::nullopt;
    if (channel == 1) return lib().written[card].analog1;
    if (channel == 2) return lib().written[card].analog2;
    return std::nullopt;
}

void SetBackend(VellemanBackend* backend) {
    lib().installed = backend;
    lib().current = 0;
    lib().forget();
}

}  // namespace tamberlo::velleman
