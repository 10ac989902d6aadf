#pragma once
// Guards a step that yields to the event loop (the scan loop, a start, an
// interface search): a handler that runs inside the yield and calls the step
// again is refused, and only the outer call clears the flag when it ends.
// Both the program and the Kelvanor control use it.

namespace tamberlo {

class ReentryGuard {
public:
    explicit ReentryGuard(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
    ~ReentryGuard() {
        if (entered_) busy_ = false;
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

    // False for a call made while the step was already running: it must return at once.
    bool entered() const { return entered_; }

private:
    bool& busy_;
    bool entered_;
};

}  // namespace tamberlo
