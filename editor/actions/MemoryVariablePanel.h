#pragma once
// The memory and variable panel `PanelActieBewerkGehVar` of the action
// editor (tab 2): set or reset one of the memories M0..M7, or set, increase
// or decrease one of the variables A, B and C by a value 0..255. Selecting
// an option from code runs its click handler when it was not selected, and
// the bar given a new value from code runs its change handler.

#include <QWidget>

#include "OptionGroup.h"
#include "Panel3D.h"
#include "ValueScrollBar.h"

namespace tamberlo {

class MemoryVariablePanel : public QWidget {
    Q_OBJECT
public:
    explicit MemoryVariablePanel(QWidget* parent = nullptr);

    // The edited row becomes "set memory M0".
    void ResetPanelActieBewerkGehVar();
    // The panel shows the stored row and the cell is redrawn from it.
    void SetPanelActieBewerkGehVar();

    void OptionSRGeheugenVVSVariabele_Click(int index);
    void OptionSetOfResetGeheugen_Click(int index);
    void OptionActieSetResetGeheugen_Click(int index);
    void OptionActieVariabele_Click(int index);
    void OptionVariabeleUitGroterKleinerGelijk_Click(int index);
    void HScrollActieVariableABC_Change();

    void caption();

    Panel3D* SSPanel59;
    OptionGroup OptionSRGeheugenVVSVariabele{1, 2};
    Panel3D* SSPanel61;
    OptionGroup OptionSetOfResetGeheugen{1, 2};
    Panel3D* SSPanel63;
    OptionGroup OptionActieSetResetGeheugen{0, 7};
    Panel3D* SSPanel69;
    Panel3D* SSPanel65;
    OptionGroup OptionActieVariabele{1, 3};
    OptionGroup OptionVariabeleUitGroterKleinerGelijk{1, 3};
    ValueScrollBar* HScrollActieVariableABC;
    Panel3D* PanelHScrollActieVariableABC;

private:
    void enableMemoryFace(bool memory);
    // A row that is neither memory nor variable (a hand-edited file): no
    // choice shown, everything but that choice off.
    void showNothing();
};

}  // namespace tamberlo
