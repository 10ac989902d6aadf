#pragma once
// A text the program shows, in Dutch or in English. The fixed captions of
// the windows' controls come from the caption tables (language/); every
// other text (messages, status texts, the lines of cells and of printed
// descriptions) is written as a pair here, Dutch first.

#include <QString>

#include "SharedState.h"

namespace tamberlo {

// The text in the language `english` names (pure functions of a row pass it in).
inline QString T(bool english, const char* dutch, const char* englishText) {
    return QString::fromUtf8(english ? englishText : dutch);
}
// The text in the program's language: Dutch, or English while TaalVlag is set.
inline QString T(const char* dutch, const char* english) { return T(shared.TaalVlag, dutch, english); }

}  // namespace tamberlo
