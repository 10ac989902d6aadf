#pragma once
// The panel `PanelConditieBewerkGehToetsVar` of the condition editor: a
// memory M0..M7 (plain or inverted), a function key F1..F8 held down, or a
// variable A..C compared with a value. A control set from code runs its
// handler as a user's change would, unless PanelVulBezig guards it.

#include <QWidget>

#include "OptionGroup.h"
#include "Panel3D.h"
#include "ValueScrollBar.h"

namespace tamberlo {

class TimeConditionPanel;

class MemoryKeyVariablePanel : public QWidget {
    Q_OBJECT
public:
    MemoryKeyVariablePanel(TimeConditionPanel& timePanel, QWidget* parent = nullptr);

    void ResetPanelConditieBewerkGehToetsVar();
    void SetPanelConditieBewerkGehToetsVar();
    void caption();

    OptionGroup OptionGeheugenToetsenVariabele{1, 3};
    Panel3D* SSPanel35;
    Panel3D* SSPanel36;
    Panel3D* SSPanel41;
    Panel3D* SSPanel38;
    OptionGroup OptionGeheugen{0, 7};
    Panel3D* SSPanel87;
    OptionGroup OptionWaarOfOnwaarGeheugen{0, 1};
    Panel3D* SSPanel40;
    OptionGroup OptionToetsen{1, 8};
    Panel3D* SSPanel43;
    OptionGroup OptionVariabele{1, 3};
    Panel3D* SSPanel46;
    OptionGroup OptionVarGroterKleiner{1, 3};
    ValueScrollBar* HScrollVariabele;
    Panel3D* PanelWaardeVariabele;

private:
    // None: a sub-kind the panel cannot show; every choice but the sub-kind is off.
    enum class Mode { None = 0, Memory = 1, Key = 2, Variable = 3 };
    void setMode(Mode mode);
    // A row of a sub-kind no option stands for (a hand-edited file): no choice shown.
    void showNothing();
    void subKind(int index);
    void memory(int index);
    void plainOrInverted(int index);
    void key(int index);
    void variable(int index);
    void comparison(int index);
    void value();

    TimeConditionPanel& timePanel_;
};

}  // namespace tamberlo
