#pragma once
// The copy of what a picture shows to the clipboard as one image, for pasting
// into other programs. Offered as an operation of the main window; no
// command of the program calls it.

class QWidget;

namespace tamberlo {

// Copies `picture` over its full width and a height (in pixels) of the main
// window's height less the condition header's height less 80, but never more
// than the picture's own height. A height of 0 or less copies nothing and
// leaves the clipboard as it was.
void CopyEntirePicture(QWidget& picture, int mainWindowHeight, int conditionHeaderHeight);

}  // namespace tamberlo
