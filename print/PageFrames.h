#pragma once
// The fixed part of a printed page, drawn after its rung rows: the header
// with the program's details, the ruled grid of rung rows with their
// numbers, the column lines and headings, and the footer. Page 1 has two
// extra rows (program description, start-only row "Init"); later pages are
// numbered by their page counter.

#include <QString>

#include "PrintSurface.h"

namespace tamberlo {

void PrintKaders(PrintSurface& printer);
// `PaginaTeller` 2..6: page 2 holds rungs 17..34, page 6 rungs 89 and 90.
void PrintKaders2(PrintSurface& printer, int PaginaTeller);

// The program name the header shows for the file dialog's path: the last
// component of a path, nothing for a name without a folder (such as the
// dialog's "*.vpp" filter).
QString ProgramNameOf(const QString& path);

// The title's size: from 8 pt up until "Tamberlo" is 4000 twips wide, at most 72 pt.
void FitTitleSize(PrintSurface& printer);

}  // namespace tamberlo
