#pragma once
// Keeps a button's caption whole in the button's fixed room, whatever font it
// is given: it shows the font given to it (by its design, or later by the
// font command) while its caption fits, and otherwise that font shrunk to
// fit (ShrinkToFit). Qt announces a new font but not a new caption: a caption
// is changed with SetButtonCaption, or FitCaption follows the change.

#include <QAbstractButton>

namespace tamberlo {

void KeepCaptionWhole(QAbstractButton* button);
// The room the style leaves a button's caption, beside its circle, box or picture.
QRect CaptionRoom(const QAbstractButton* button);
// Fits the button's caption anew; nothing for a button not kept whole.
void FitCaption(QAbstractButton* button);
// Gives the button a new caption, fitted when the button is kept whole.
void SetButtonCaption(QAbstractButton* button, const QString& caption);

}  // namespace tamberlo
