#pragma once
// The state of the function keys F1 to F8 for the ladder's key conditions,
// kept by one application-wide key filter: a key counts as held from its
// key-down to its key-up in any window of the program, auto-repeat is
// ignored, and every key counts as released when the program loses focus
// (its key-up would go to another program). The filter also takes F11 and
// F12 on the main window and the dashboard to the interface searches.

#include <QObject>

#include <array>

namespace tamberlo {

class FunctionKeys final : public QObject {
    Q_OBJECT
public:
    // Installs the filter on the application.
    FunctionKeys();
    ~FunctionKeys() override;

    // F1..F8 as 1..8.
    bool Held(int fkey) const { return fkey >= 1 && fkey <= 8 && held_[fkey - 1]; }
    void ReleaseAll() { held_.fill(false); }
    // As a key-down or key-up of F1..F8 would; tests hold keys this way.
    void SetHeld(int fkey, bool down) {
        if (fkey >= 1 && fkey <= 8) held_[fkey - 1] = down;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<bool, 8> held_{};
};

// The one filter, installed the first time it is referred to.
FunctionKeys& functionKeys();

// Windows whose F11 and F12 start the searches carry this property (true).
inline constexpr char kSearchKeysProperty[] = "tamberloZoekToetsen";

// F11 and F12 down: the Velleman and the Kelvanor search. True when the key was one of them.
bool SearchKey(int qtKey);

}  // namespace tamberlo
