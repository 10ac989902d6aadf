#pragma once
// Poortsettings.dat beside the program: the base addresses of the three
// parallel ports, in hexadecimal after a title line. Read only.

#include <QString>

namespace tamberlo {

// Fills ParallellePoortAdressen from the file (its name matched without
// regard to case). A missing file, one that cannot be read (only a regular
// file is read: a FIFO is not opened), a missing field or a field that is no
// hexadecimal address of at most four digits keeps that port's default
// (&H378, &H278, &H3BC).
void ReadPortSettings();

}  // namespace tamberlo
