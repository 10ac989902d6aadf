#pragma once
// The Arduino's outputs as the output actions and the searches reach them:
// its serial port (PortOpen, Output, OutBufferCount of iCP_MS_Comm), which
// the serial link provides and tests replace. Every "1/<n>/" that goes out
// is remembered, as the board has no read-back: those sent here, and those
// written to the port by anything else, which the link reports.
//
// At most one output command waits: while the port has not sent the last
// one, only the newest byte is kept, and it goes out once the port is empty.
// A ladder that changes the outputs faster than the line carries them thus
// neither fills memory nor lets the board fall behind.

#include <QString>

#include <functional>
#include <optional>

namespace tamberlo {

// PortOpen, Output and OutBufferCount of iCP_MS_Comm (ArduinoPort.h unless a
// test put others in). Without OutBufferCount the port counts as empty.
struct ArduinoPortHooks {
    std::function<bool()> PortOpen;
    std::function<void(const QString&)> Output;
    std::function<int()> OutBufferCount;
};
ArduinoPortHooks& arduinoPortHooks();

// Sets the eight outputs to `byte` when the port is open: "1/<byte>/" goes
// out at once when the port is empty, otherwise the byte waits in place of
// any byte waiting before it. False when the port is closed.
bool ArduinoSetOutputsAndRemember(int byte);

// Sends the waiting byte when the port has emptied; a timer calls it while
// a byte waits.
void ArduinoSendWaitingOutputs();

// The outputs the board shows once the port has sent what it holds (the
// waiting byte, else the byte last sent); nothing when unknown.
std::optional<int> ArduinoOutputWritten();
// Records that the board's outputs are now `byte` (after a reset, or a
// command written past this path), or unknown; a waiting byte is dropped.
void ArduinoOutputReset(std::optional<int> byte);

}  // namespace tamberlo
