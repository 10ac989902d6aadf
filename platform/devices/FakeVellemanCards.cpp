#include "FakeVellemanCards.h"

namespace tamberlo::velleman {

namespace {
std::string call(const char* name) { return std::string(name) + "()"; }
std::string call(const char* name, int a) { return std::string(name) + "(" + std::to_string(a) + ")"; }
std::string call(const char* name, int a, int b) {
    return std::string(name) + "(" + std::to_string(a) + "," + std::to_string(b) + ")";
}
int toByte(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }
}  // namespace

bool FakeVellemanCards::live() const {
    int bit = 1 << current;
    return (opened & bit) && !(failing & bit);
}

void FakeVellemanCards::note(const std::string& c, bool perCard) {
    log.push_back(perCard ? c + "@" + std::to_string(current) : c);
}

std::int32_t FakeVellemanCards::CloseDevice() {
    note(call("CloseDevice"), false);
    opened = 0;
    return 0;
}

std::int32_t FakeVellemanCards::SearchDevices() {
    note(call("SearchDevices"), false);
    opened = attached & ~failing & 0x0F;
    return opened;
}

std::int32_t FakeVellemanCards::SetCurrentDevice(std::int32_t card) {
    note(call("SetCurrentDevice", card), false);
    if (card < 0 || card > 3) return -1;
    current = card;
    return live() ? card : -1;
}

std::int32_t FakeVellemanCards::Connected() {
    note(call("Connected"), false);
    return opened & ~failing;
}

std::int32_t FakeVellemanCards::ReadAllDigital() {
    note(call("ReadAllDigital"), true);
    return live() ? digitalIn[current] & 0x1F : 0;
}

void FakeVellemanCards::ReadAllAnalog(std::int32_t& a1, std::int32_t& a2) {
    note(call("ReadAllAnalog"), true);
    a1 = live() ? analog1In[current] : 0;
    a2 = live() ? analog2In[current] : 0;
}

void FakeVellemanCards::WriteAllDigital(std::int32_t data) {
    note(call("WriteAllDigital", data), true);
    if (live()) digitalOut[current] = data & 0xFF;
}

void FakeVellemanCards::SetAllDigital() {
    note(call("SetAllDigital"), true);
    if (live()) digitalOut[current] = 0xFF;
}

void FakeVellemanCards::ClearAllDigital() {
    note(call("ClearAllDigital"), true);
    if (live()) digitalOut[current] = 0;
}

void FakeVellemanCards::SetDigitalChannel(std::int32_t channel) {
    note(call("SetDigitalChannel", channel), true);
    if (live() && channel >= 1 && channel <= 8) digitalOut[current] |= 1 << (channel - 1);
}

void FakeVellemanCards::ClearDigitalChannel(std::int32_t channel) {
    note(call("ClearDigitalChannel", channel), true);
    if (live() && channel >= 1 && channel <= 8) digitalOut[current] &= ~(1 << (channel - 1));
}

void FakeVellemanCards::OutputAnalogChannel(std::int32_t channel, std::int32_t data) {
    note(call("OutputAnalogChannel", channel, data), true);
    if (!live()) return;
    if (channel == 1) analog1Out[current] = toByte(data);
    if (channel == 2) analog2Out[current] = toByte(data);
}

void FakeVellemanCards::OutputAllAnalog(std::int32_t data1, std::int32_t data2) {
    note(call("OutputAllAnalog", data1, data2), true);
    if (!live()) return;
    analog1Out[current] = toByte(data1);
    analog2Out[current] = toByte(data2);
}

std::int32_t FakeVellemanCards::Version() {
    note(call("Version"), false);
    return 0x01020304;
}

}  // namespace tamberlo::velleman
