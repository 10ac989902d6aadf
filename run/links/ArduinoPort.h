#pragma once
// The Arduino's serial port control iCP_MS_Comm as the run commands and the
// output actions use it. The serial link fills these in.

#include <QString>

namespace tamberlo {

// PortOpen of iCP_MS_Comm.
bool ArduinoPortOpen();
// Output of iCP_MS_Comm: sends `text` (for example "1/0/") as it stands.
void ArduinoOutput(const QString& text);
// OutBufferCount of iCP_MS_Comm: characters written but not yet on the line.
int ArduinoOutBufferCount();

}  // namespace tamberlo
