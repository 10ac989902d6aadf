#pragma once
// The Arduino's outputs as the output actions and the searches reach them:
// its serial port (PortOpen, Output of iCP_MS_Comm), which the serial link
// provides and tests replace. Every "1/<n>/" that goes out here is
// remembered, as the board has no read-back.

#include <QString>

#include <functional>
#include <optional>

namespace tamberlo {

// PortOpen and Output of iCP_MS_Comm (ArduinoPort.h unless a test put others in).
struct ArduinoPortHooks {
    std::function<bool()> PortOpen;
    std::function<void(const QString&)> Output;
};
ArduinoPortHooks& arduinoPortHooks();

// Sends "1/<byte>/" (the eight outputs) when the port is open. True when sent.
bool ArduinoSetOutputsAndRemember(int byte);

// The outputs last sent to the board; nothing when unknown.
std::optional<int> ArduinoOutputWritten();
// Records that the board's outputs are now `byte` (for example after a reset), or unknown.
void ArduinoOutputReset(std::optional<int> byte);

}  // namespace tamberlo
