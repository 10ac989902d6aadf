#pragma once
// Keeps a button's caption whole in the button's fixed room, whatever font it
// is given: it shows the font given to it (by its design, or later by the
// font command) while its caption fits, and otherwise that font made
// smaller, half a point at a time, until it does. Qt announces a new font
// but not a new caption: whoever changes the caption calls FitCaption.

#include <QAbstractButton>

namespace tamberlo {

void KeepCaptionWhole(QAbstractButton* button);
// The room the style leaves a button's caption, beside its circle, box or picture.
QRect CaptionRoom(const QAbstractButton* button);
// Fits the button's caption anew; nothing for a button not kept whole.
void FitCaption(QAbstractButton* button);

}  // namespace tamberlo
