#pragma once
// The serial link to the Arduino sketch: the port control iCP_MS_Comm, the
// 20 ms input poll, and the handler that takes the sketch's replies into
// the Arduino's column of the input image (column 9) and ICP12Type.

#include <QString>

#include "SerialPortControl.h"
#include "VbTimer.h"

namespace tamberlo {

// The main window's serial port control, created (closed) at first use.
SerialPortControl& iCP_MS_Comm();

// The main window's 20 ms Arduino poll TimerSerialPort, created (off) at first
// use; the link sets its handler when it opens the port.
VbTimer& TimerSerialPort();

// TimerSerialPort's tick: the poll for the identified board ("5/" or "7/").
void TimerSerialPort_Timer();

// The receive event of iCP_MS_Comm: takes everything waiting and handles
// every complete reply in it.
void iCP_MS_Comm_OnComm();

// Carries out one reply ("DI5", "A3600", "TM", ...).
void HandleArduinoReply(const QString& reply);

// Texts of the message shown once when the Arduino's port went away.
QString ArduinoLostText();

// Forgets the half-received reply (the port changes; tests).
void ResetArduinoLink();

}  // namespace tamberlo
