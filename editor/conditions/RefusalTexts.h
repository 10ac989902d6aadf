#pragma once
// The condition editor's refusals, in the current language.

#include <QString>

#include "LanguageText.h"

namespace tamberlo {

inline QString runningRefusal() {
    return T("Het programma 'loopt' op dit moment, u moet het eerst stoppen.",
             "The program is currently 'running', you'll have to stop it first.");
}

inline QString closeEditorFirst() {
    return T("Sluit eerst het conditie bewerkings venster.", "Please close the condition edit window first.");
}

}  // namespace tamberlo
