#pragma once
// The input panel `PanelConditieBewerkIngang` of the condition editor: a
// digital or analog input of an interface, local or from the network peer.
// Choices that the reset, the fill and the interface choice make from code
// run no handler unless a step says so; every handler writes the edited row
// and the cell's caption lines at once.

#include <QCheckBox>
#include <QWidget>

#include "OptionGroup.h"
#include "Panel3D.h"
#include "ValueScrollBar.h"

namespace tamberlo {

class InputConditionPanel : public QWidget {
    Q_OBJECT
public:
    explicit InputConditionPanel(QWidget* parent = nullptr);

    void ResetPanelConditieBewerkIngang();
    void SetPanelConditieBewerkIngang();
    // Re-captions the panel's fixed texts in the current language.
    void caption();

    Panel3D* SSPanel6;
    OptionGroup OptionWelkeInterfaceIn{0, 4};
    QCheckBox* CheckNetwerkIN;
    Panel3D* SSPanel10;
    OptionGroup OptionKaartnummerAdresIn{0, 3};
    Panel3D* SSPanel12;
    OptionGroup OptionDigInPoort{1, 8};
    Panel3D* SSPanel81;
    OptionGroup OptionWaarOnwaarIngang{1, 2};
    Panel3D* SSPanel14;
    OptionGroup OptionAnaloogA1A2In{1, 2};
    Panel3D* SSPanel15;
    OptionGroup OptionAnaloogInGroterKleiner{1, 2};
    ValueScrollBar* HScrollAnaloogIn;
    Panel3D* PanelAnaloogInWaarde;

private:
    // Handlers (InputConditionPanel.cpp).
    void trueOrInverted(int index);
    void analogChannel(int index);
    void comparison(int index);
    void threshold();
    void network();
    // The interface, card and input choices (InputInterfaceChoice.cpp).
    void interfaceChoice(int index);
    void digitalInterface(int index);
    void analogInterface();
    void cardChoice(int index);
    void inputChoice(int index);
    // The first selected input among 1..inputs, or 0.
    int selectedInput(int inputs) const;
    // The digital line D and column 2 for input n by the true/not choice.
    void writeInput(int n);
    void selectStoredInput(int column2, int inputs);
    // The true/not choice as the row's column 2 reads (above 10 inverted).
    void showSenseOf(int column2);
    // A row of an interface no option stands for (a hand-edited file): no
    // choice shown, everything but the interface choice off.
    void showNothing();
};

}  // namespace tamberlo
