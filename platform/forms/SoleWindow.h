#pragma once
// A window (or editor) that exists once and is created the first time it is
// referred to. A window that deletes itself, as the dashboard does when its
// close box is used, is created anew at the next reference.

#include <QPointer>

namespace tamberlo {

template <class Window>
class SoleWindow {
public:
    Window& get() {
        if (!window_) window_ = new Window;
        return *window_;
    }
    bool exists() const { return !window_.isNull(); }
    // Tests: destroys it so the next reference creates it anew.
    void forget() { delete window_.data(); }

private:
    QPointer<Window> window_;
};

}  // namespace tamberlo
