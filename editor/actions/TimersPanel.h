#pragma once
// The timers panel `PanelActieBewerkTimers` of the action editor (tab 1): a
// timer action either presets all eight timers (hundredths of a second,
// 0..6000) or starts or resets one timer. Selecting an option from code runs
// its click handler when it was not selected, and a bar given a new value
// from code runs its change handler, as a user's action would.

#include <QWidget>

#include "ControlArray.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "ValueScrollBar.h"

namespace tamberlo {

// The preset text the panel shows: "1 Min." below 0 or above 5999, else the
// seconds with two decimals in the locale's decimal sign ("2,50 sec." in
// Dutch, "2.50 sec." in a C locale).
QString timerPresetText(int hundredths);

class TimersPanel : public QWidget {
    Q_OBJECT
public:
    explicit TimersPanel(QWidget* parent = nullptr);

    // The edited row becomes a preset row with all presets 0.
    void ResetPanelActieBewerkTimers();
    // The panel shows the stored timer row and the cell is redrawn from it.
    void SetPanelActieBewerkTimers();

    void OptionPresetSetResetTimer_Click(int index);
    void OptionActieSetOfResetTimer_Click(int index);
    void OptionActieTimerNummer_Click(int index);
    void HScrollPresetTimer_Change(int index);

    void caption();

    Panel3D* SSPanel50;
    OptionGroup OptionPresetSetResetTimer{1, 2};
    Panel3D* SSPanel58;
    ControlArray<ValueScrollBar> HScrollPresetTimer{0, 7};
    ControlArray<Panel3D> PanelPresetTimer{0, 7};
    Panel3D* SSPanel53;
    Panel3D* SSPanel55;
    OptionGroup OptionActieSetOfResetTimer{1, 2};
    OptionGroup OptionActieTimerNummer{0, 7};

private:
    // The bars stand where the ladder view keeps them (the clear command puts them at 0).
    void takeBarsFromView();
    // A row that is neither presets nor start/reset (a hand-edited file): no
    // choice shown, everything but that choice off.
    void showNothing();
};

}  // namespace tamberlo
