#pragma once
// The time panel `PanelConditieBewerkTijd` of the condition editor: a clock
// condition (time of day on chosen weekdays) or the state of a ladder timer.
// Here a control set from code runs its handler, as a user's change would,
// unless its guard (PanelVulBezig, TijdVulBezig, DagenVulBezig) is up.

#include <QCheckBox>
#include <QWidget>

#include "ControlArray.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "UpDown.h"

namespace tamberlo {

class TimeConditionPanel : public QWidget {
    Q_OBJECT
public:
    explicit TimeConditionPanel(QWidget* parent = nullptr);

    void ResetPanelConditieBewerkTijd();
    void SetPanelConditieBewerkTijd();
    void caption();

    OptionGroup OptionTijdTimer{1, 2};
    Panel3D* SSPanel20;
    Panel3D* SSPanel31;
    Panel3D* SSPanel28;
    Panel3D* SSPanel25;
    Panel3D* SSPanel26;
    Panel3D* SSPanel27;
    ControlArray<Panel3D> PanelTijd{1, 3};
    ControlArray<UpDown> UpDownTijd{1, 3};
    Panel3D* SSPanel29;
    ControlArray<QCheckBox> CheckDagen{1, 7};
    Panel3D* SSPanel33;
    OptionGroup OptionTimer{0, 7};
    Panel3D* SSPanel73;
    OptionGroup OptionWaarOfOnwaarTimer{1, 2};

private:
    void clockOrTimer(int index);
    void clockChoice();
    void timerChoice();
    void spinner(int index);
    void weekdays();
    void timerNumber(int index);
    void trueOrFalse(int index);
    void timeToZero(Handler handler);
    // A row that is neither clock nor timer (a hand-edited file): no choice,
    // time or weekday shown, everything but the clock/timer choice off.
    void showNothing();
};

}  // namespace tamberlo
