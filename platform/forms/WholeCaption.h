#pragma once
// Keeps a button's caption whole in the button's fixed room, whatever font it
// is given (FontKeeper): the font given while the caption fits, otherwise
// that font shrunk to fit. A caption is changed with SetButtonCaption, or
// FitFont follows the change.

#include <QAbstractButton>

#include "FontKeeper.h"

namespace tamberlo {

void KeepCaptionWhole(QAbstractButton* button);
// The room the style leaves a button's caption, beside its circle, box or picture.
QRect CaptionRoom(const QAbstractButton* button);
// Gives the button a new caption, fitted when the button is kept whole.
void SetButtonCaption(QAbstractButton* button, const QString& caption);

}  // namespace tamberlo
