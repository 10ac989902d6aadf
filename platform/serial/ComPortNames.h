#pragma once
// COM port numbers as the program and the Kelvanor control know them, mapped
// onto Linux serial devices in fixed ranges:
//   COM1..COM32   = /dev/ttyS0..31
//   COM33..COM96  = /dev/ttyUSB0..63
//   COM97..COM160 = /dev/ttyACM0..63
// When the environment variable TAMBERLO_COM_DIR names a folder, that folder
// replaces the devices: its entries "COM<n>" (usually links to a pseudo-
// terminal) are the ports, and nothing else is. Tests use it to put emulated
// devices under fixed numbers without touching real hardware.

#include <QList>
#include <QString>

namespace tamberlo {

inline constexpr const char* kComFolderVariable = "TAMBERLO_COM_DIR";
inline constexpr int kHighestComPort = 255;

// The device path of COM n, or "" when n has no device in the mapping.
QString ComPortDevicePath(int n);

// The COM number of a device path ("/dev/ttyUSB2" gives 35), 0 when none.
// In the test folder a path is matched by its entry name "COM<n>".
int ComPortNumber(const QString& devicePath);

// True when COM n exists now. Decided without opening USB serial devices
// (opening one toggles DTR, which resets an Arduino): a /dev/ttyS node
// counts only when a real UART stands behind it.
bool ComPortPresent(int n);

// Every present port in [first, last], in rising order.
QList<int> PresentComPorts(int first = 1, int last = kHighestComPort);

}  // namespace tamberlo
