#pragma once
// The toolbar's print command: the print details window, the printer dialog,
// then the print run on the printer chosen (a system printer or a PDF file).

#include <functional>

class QPrinter;
class QWidget;

namespace tamberlo {

// Disables `mainWindow` while the details window is open; prints nothing when
// the details or the printer dialog were cancelled.
void CommandPrinten(QWidget* mainWindow);

// Prints the ladder on `printer` in landscape, with the page range, copies
// and page order set on it. A PDF file is replaced only by a whole document.
// A failure is reported in the current language; false then.
bool PrintLadder(QPrinter& printer);

// The printer dialog: lets the user set up `printer`; false when cancelled.
// Installed with the program's services (nullptr: the real one).
using PrinterDialog = std::function<bool(QPrinter& printer)>;
void SetPrinterDialog(PrinterDialog dialog);

}  // namespace tamberlo
