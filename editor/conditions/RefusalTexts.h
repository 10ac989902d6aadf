#pragma once
// The condition editor's refusals, in the current language.

#include <QString>

#include "SharedState.h"

namespace tamberlo {

inline QString runningRefusal() {
    return shared.TaalVlag ? QStringLiteral("The program is currently 'running', you'll have to stop it first.")
                           : QStringLiteral("Het programma 'loopt' op dit moment, u moet het eerst stoppen.");
}

inline QString closeEditorFirst() {
    return shared.TaalVlag ? QStringLiteral("Please close the condition edit window first.")
                           : QStringLiteral("Sluit eerst het conditie bewerkings venster.");
}

}  // namespace tamberlo
