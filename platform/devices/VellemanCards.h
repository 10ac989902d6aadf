#pragma once
// The Velleman card library: the functions the program calls for the
// K8055/VM110 USB cards (card addresses 0 to 3). The library keeps one
// current card; every read or write goes to it, so callers select the card
// with SetCurrentDevice right before each operation on it. The real backend
// (HID cards) is set up at the first call; tests install a fake.

#include <cstdint>
#include <optional>

namespace tamberlo::velleman {

class VellemanBackend;

std::int32_t CloseDevice();
std::int32_t SearchDevices();  // bit mask of the cards attached
std::int32_t SetCurrentDevice(std::int32_t card);
std::int32_t Connected();       // bit mask of the cards still answering; 0 when none
std::int32_t ReadAllDigital();  // inputs 1..5 of the current card in bits 0..4
void ReadAllAnalog(std::int32_t& a1, std::int32_t& a2);
void WriteAllDigital(std::int32_t data);
void SetAllDigital();
void ClearAllDigital();
void SetDigitalChannel(std::int32_t channel);                       // 1..8
void ClearDigitalChannel(std::int32_t channel);                     // 1..8
void OutputAnalogChannel(std::int32_t channel, std::int32_t data);  // channel 1 or 2, 0..255
void OutputAllAnalog(std::int32_t data1, std::int32_t data2);
std::int32_t Version();

// What was last written to each card's outputs through these functions,
// whoever wrote it; nothing while unknown (before the first write after a
// search). The cards have no read-back, so this is the program's only record
// of the hardware's state.
std::optional<int> LastWrittenDigital(int card);
std::optional<int> LastWrittenAnalog(int card, int channel);

// Installs `backend` (not owned) in place of the HID cards; nullptr goes
// back to the HID cards. Clears the record of written outputs.
void SetBackend(VellemanBackend* backend);

}  // namespace tamberlo::velleman
