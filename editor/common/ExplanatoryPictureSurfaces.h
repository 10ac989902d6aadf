#pragma once
// The editors' controls that show or hide the main window's explanatory
// picture as the mouse moves over them.

class QWidget;

namespace tamberlo {

// Moving over `control` shows the picture (group, item).
void showsExplanatoryPicture(QWidget* control, int group, int item);
// Moving over the bare background of `surface` (or over its tab bar) hides the picture.
void hidesExplanatoryPicture(QWidget* surface);

}  // namespace tamberlo
