#include "VellemanReport.h"

namespace tamberlo::velleman {

std::optional<int> CardOfProductId(std::uint16_t productId) {
    if (productId < kProductIdCard0 || productId > kProductIdCard0 + 3) return std::nullopt;
    return productId - kProductIdCard0;
}

Report EncodeOutputs(std::uint8_t digital, std::uint8_t analog1, std::uint8_t analog2) {
    Report r{};
    r[0] = static_cast<std::uint8_t>(Command::SetOutputs);
    r[1] = digital;
    r[2] = analog1;
    r[3] = analog2;
    return r;
}

Report EncodeCommand(Command command) {
    Report r{};
    r[0] = static_cast<std::uint8_t>(command);
    return r;
}

std::optional<InputReport> DecodeInput(const std::uint8_t* bytes, std::size_t length) {
    if (bytes == nullptr || length < kReportSize) return std::nullopt;
    InputReport in;
    in.digital = DigitalInputsOf(bytes[0]);
    in.status = bytes[1];
    in.analog1 = bytes[2];
    in.analog2 = bytes[3];
    in.counter1 = bytes[4] | (bytes[5] << 8);
    in.counter2 = bytes[6] | (bytes[7] << 8);
    return in;
}

}  // namespace tamberlo::velleman
