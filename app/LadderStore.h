#pragma once
// The ladder's tables as a whole: clearing them and telling whether they
// hold a program.

#include <QString>

#include "LadderPresence.h"

namespace tamberlo {

// Clears both tables and blanks every cell of the ladder view, the memories,
// timer outputs and variables. Sound names survive. The empty ladder counts
// as saved: there is no work left to lose.
void WisLadderProgramma();

// The program's fixed title, as the window caption shows it without a file.
QString FixedTitle();

}  // namespace tamberlo
