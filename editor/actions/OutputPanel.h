#pragma once
// The output panel `PanelActieBewerkUitgang` of the action editor (tab 0): a
// digital output (set, reset or invert one output or all eight) or an analog
// output (set, raise or lower A1 or A2) of one interface, local or on the
// network peer. Every handler writes at once into the edited row and its
// cell. Choices set from code run no handler here.

#include <QCheckBox>
#include <QWidget>

#include "OptionGroup.h"
#include "Panel3D.h"
#include "ValueScrollBar.h"

namespace tamberlo {

class OutputPanel : public QWidget {
    Q_OBJECT
public:
    explicit OutputPanel(QWidget* parent = nullptr);

    // The edited row becomes the default output action (Velleman card 0,
    // digital, set output 1, local) and the panel follows.
    void ResetPanelActieBewerkUitgang();
    // The panel shows the stored output row; neither the row nor the cell changes.
    void SetPanelActieBewerkUitgang();

    // The user's choices.
    void OptionWelkeInterfaceUit_Click(int k);
    void OptionKaartnummerAdresUit_Click(int j);
    void OptionDigUitPoort_Click(int n);
    void OptionSetResetDigUitPoort_Click(int k);
    void OptionAnaloogA1A2Uit_Click(int k);
    void OptionAnaloogUitGroterKleinerGelijk_Click(int k);
    void HScrollAnaloogUit_Change();
    void CheckNetwerkUIT_Click();
    void CheckWOL_Click();

    // The fixed captions in the current language.
    void caption();

    Panel3D* SSPanel3;
    OptionGroup OptionWelkeInterfaceUit{0, 4};
    QCheckBox* CheckNetwerkUIT;
    Panel3D* SSPanel18;
    OptionGroup OptionKaartnummerAdresUit{0, 3};
    Panel3D* SSPanel49;
    OptionGroup OptionSetResetDigUitPoort{1, 3};
    Panel3D* SSPanel22;
    OptionGroup OptionDigUitPoort{1, 9};
    Panel3D* SSPanel24;
    OptionGroup OptionAnaloogA1A2Uit{1, 2};
    Panel3D* SSPanel47;
    OptionGroup OptionAnaloogUitGroterKleinerGelijk{1, 3};
    Panel3D* SSPanel68;
    ValueScrollBar* HScrollAnaloogUit;
    Panel3D* PanelAnaloogUitWaarde;
    QCheckBox* CheckWOL;

private:
    // The interface choice for option k. With `write` false only the panel
    // is set up (enables, captions, selections, the scroll bar and its
    // panel); the row and the cell stay as they are.
    void chooseInterface(int k, bool write);
    void chooseDigitalInterface(int k, bool write);
    void chooseAnalogInterface(bool write);
    // The first selected interface option, or -1.
    int selectedInterface() const;
    // The analog value line and column 3 from the mode and the scroll bar.
    void writeAnalogValue(int mode);
    void setWaitForNotBox(bool enabled);
    // A row of an interface no option stands for (a hand-edited file): no
    // choice shown, everything but the interface choice off.
    void showNothing();
};

}  // namespace tamberlo
