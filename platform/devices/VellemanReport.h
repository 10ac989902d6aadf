#pragma once
// The Velleman K8055/VM110 card's USB HID reports as pure functions over
// bytes, so the protocol is tested without a card. Reports are 8 bytes and
// carry no report id.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tamberlo::velleman {

constexpr std::uint16_t kVendorId = 0x10CF;
constexpr std::uint16_t kProductIdCard0 = 0x5500;  // + card address 0..3
constexpr std::size_t kReportSize = 8;

using Report = std::array<std::uint8_t, kReportSize>;

// Byte 0 of an output report.
enum class Command : std::uint8_t {
    Reset = 0x00,
    DebounceCounter1 = 0x01,
    DebounceCounter2 = 0x02,
    ResetCounter1 = 0x03,
    ResetCounter2 = 0x04,
    SetOutputs = 0x05,
};

// The card address (0..3) of a product id, or nothing for another product.
std::optional<int> CardOfProductId(std::uint16_t productId);
constexpr std::uint16_t ProductIdOfCard(int card) { return static_cast<std::uint16_t>(kProductIdCard0 + card); }

// Output report: the eight digital outputs and both analog outputs.
Report EncodeOutputs(std::uint8_t digital, std::uint8_t analog1, std::uint8_t analog2);
Report EncodeCommand(Command command);

struct InputReport {
    int digital = 0;  // inputs 1..5 in bits 0..4
    int status = 0;   // byte 1: status and card address
    int analog1 = 0;
    int analog2 = 0;
    int counter1 = 0;
    int counter2 = 0;
};

// The five digital inputs from byte 0, whose bits are wired out of order
// (in1 = bit 4, in2 = bit 5, in3 = bit 0, in4 = bit 6, in5 = bit 7).
constexpr int DigitalInputsOf(std::uint8_t b) { return ((b >> 4) & 0x03) | ((b << 2) & 0x04) | ((b >> 3) & 0x18); }

// Decodes an input report; nothing when fewer than 8 bytes arrived.
std::optional<InputReport> DecodeInput(const std::uint8_t* bytes, std::size_t length);

}  // namespace tamberlo::velleman
