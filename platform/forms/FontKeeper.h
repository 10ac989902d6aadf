#pragma once
// The one keeper of a control whose text must show whole in the control's
// fixed room: the control shows the font it wants (its design's, later the
// font command's) while its text fits, otherwise that font shrunk to fit
// (ShrinkToFit). A font set on the control from outside is the font it
// wants; Qt announces that and a new size, but not a new text: FitFont
// follows a change of the text.

#include <QWidget>

#include <functional>

namespace tamberlo {

// Whether the control's text shows whole in `font`.
using FitsIn = std::function<bool(const QWidget& control, const QFont& font)>;

// Keeps `control` fitted by `fits` from now on (once: a second call changes nothing).
void KeepFontFitted(QWidget* control, FitsIn fits);
// Gives a kept control the font it wants (a control not kept simply takes
// it). Setting the font directly does the same unless the font equals the
// one the control shows, for which Qt announces nothing.
void WantFont(QWidget* control, const QFont& font);
// Fits the control's text anew; nothing for a control not kept.
void FitFont(QWidget* control);

}  // namespace tamberlo
