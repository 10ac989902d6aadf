#pragma once
// Qt's own texts (the buttons of message boxes, the file dialogs) in the
// program's language: Dutch loads Qt's Dutch translation, English uses Qt's
// built-in texts. A machine without the translation keeps English there.

namespace tamberlo {

// Follows TaalVlag; call at start and after every language switch.
void ApplyQtLanguage();

}  // namespace tamberlo
