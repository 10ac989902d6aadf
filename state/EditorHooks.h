#pragma once
// Which cell editor is open, and the explanatory-picture frame the editors
// show and hide. The editor state is kept apart from BewerkNummer, whose 0
// means both "no editor" and "the start-only row is open".

#include <functional>

namespace tamberlo {

struct OpenEditor {
    enum Kind { None, Condition, Action };
    Kind kind = None;
    int number = 0;  // condition cell 1..270 or action row 0..90
    bool isOpen() const { return kind != None; }
};

// The main window's explanatory picture: show(group, item) and hide(). The
// editors call these; the main window fills them. Unset hooks do nothing.
struct ExplanatoryPictureHooks {
    std::function<void(int group, int item)> show;
    std::function<void()> hide;
};

extern OpenEditor openEditor;
extern ExplanatoryPictureHooks explanatoryPicture;

inline void showExplanatoryPicture(int group, int item) {
    if (explanatoryPicture.show) explanatoryPicture.show(group, item);
}
inline void hideExplanatoryPicture() {
    if (explanatoryPicture.hide) explanatoryPicture.hide();
}

}  // namespace tamberlo
