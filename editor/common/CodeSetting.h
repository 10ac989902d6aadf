#pragma once
// How an edit panel's control behaves when code, not the user, changes it:
// each call says whether the control's handler runs. The fill guards are
// raised for the length of a scope and put back as they were.

#include <QCheckBox>

#include "RaiseClick.h"

namespace tamberlo {

enum class Handler {
    Skip,          // the control changes, its handler does not run
    RunIfChanged,  // the handler runs when the control's value changed, as a user's change would
};

// Sets `flag` (PanelVulBezig, TabVulBezig, TijdVulBezig, DagenVulBezig) for
// the scope; restoring the old value keeps an outer fill's guard standing.
class FillGuard {
public:
    explicit FillGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FillGuard() { flag_ = old_; }
    FillGuard(const FillGuard&) = delete;
    FillGuard& operator=(const FillGuard&) = delete;

private:
    bool& flag_;
    bool old_;
};

// A check box's value from code; its click handler runs only with RunIfChanged.
inline void setCheck(QCheckBox& box, bool checked, Handler handler) {
    if (handler == Handler::RunIfChanged) SetCheckValue(box, checked);
    else box.setChecked(checked);
}

}  // namespace tamberlo
