// The output panel's interface choice, its card, port or module choice and
// its output number choice.
#include "ActionEditCell.h"
#include "CellTexts.h"
#include "LanguageText.h"
#include "OutputPanel.h"

namespace tamberlo {

using celltext::between;

namespace {

QString portText(int j) { return portAddressText(shared.ParallellePoortAdressen[std::size_t(j)]); }

}  // namespace

void OutputPanel::OptionWelkeInterfaceUit_Click(int k) {
    if (shared.PanelVulBezig || k < 0 || k > 4) return;
    chooseInterface(k, true);
}

void OutputPanel::chooseInterface(int k, bool write) {
    // Ports have three addresses: the fourth option's room widens them.
    OptionKaartnummerAdresUit.shareLastItemsRoom(k == 2);
    if (k == 1) chooseAnalogInterface(write);
    else chooseDigitalInterface(k, write);
}

void OutputPanel::setWaitForNotBox(bool enabled) {
    CheckWOL->setEnabled(enabled);
    setCheck(*CheckWOL, false, Handler::Skip);
}

void OutputPanel::chooseDigitalInterface(int k, bool write) {
    const bool english = shared.TaalVlag;
    for (int n = 1; n <= 3; ++n) OptionSetResetDigUitPoort.setEnabled(n, true);
    for (int n = 1; n <= 9; ++n) OptionDigUitPoort.setEnabled(n, true);
    if (write && (between(actionColumn(1), 20, 23) || actionColumn(3) == 0)) actionColumn(3) = 1;

    for (int n = 1; n <= 2; ++n) OptionAnaloogA1A2Uit.setEnabled(n, false);
    OptionAnaloogA1A2Uit.select(1, Handler::Skip);
    setWaitForNotBox(false);
    if (write) {
        actionColumn(5) = 0;
        setWaitForNotLook(false);
    }
    for (int n = 1; n <= 3; ++n) OptionAnaloogUitGroterKleinerGelijk.setEnabled(n, false);
    HScrollAnaloogUit->setEnabled(false);
    HScrollAnaloogUit->setValueFromCode(0, Handler::Skip);
    OptionAnaloogUitGroterKleinerGelijk.select(1, Handler::Skip);
    PanelAnaloogUitWaarde->SetCaption(QStringLiteral("0"));

    OptionGroup& card = OptionKaartnummerAdresUit;
    const int network = actionColumn(4);
    switch (k) {
    case 0:
        for (int j = 0; j <= 3; ++j) {
            card.setCaption(j, QString::number(j));
            card.setEnabled(j, true);
        }
        if (!write) break;
        setLine(kActionInterface, outputInterfaceText(10, network, english));
        if (auto j = card.selected()) {
            setLine(kActionNumber, QString::number(*j));
            actionColumn(1) = Integer(10 + *j);
        }
        break;
    case 2:
        for (int j = 0; j <= 2; ++j) {
            card.setCaption(j, portText(j));
            card.setEnabled(j, true);
        }
        card.setCaption(3, QString());
        card.setEnabled(3, false);
        if (card.isSelected(3)) {
            card.select(0, Handler::Skip);
            if (write) {
                setLine(kActionNumber, portText(0));
                actionColumn(1) = 31;
            }
        }
        if (!write) break;
        setLine(kActionInterface, outputInterfaceText(31, network, english));
        if (auto j = card.selected()) {
            setLine(kActionNumber, portText(*j));
            actionColumn(1) = Integer(31 + *j);
        }
        break;
    case 3:
        for (int j = 0; j <= 2; ++j) {
            card.setCaption(j, QString::number(j));
            card.setEnabled(j, true);
        }
        card.setCaption(3, QStringLiteral("3"));
        card.setEnabled(3, false);
        if (!write) break;
        // The row becomes module 0; the module choice shows that too.
        card.select(0, Handler::Skip);
        setLine(kActionInterface, outputInterfaceText(40, network, english));
        setLine(kActionNumber, QStringLiteral("0"));
        actionColumn(1) = 40;
        break;
    case 4:
        card.setCaption(0, QStringLiteral("0"));
        card.setEnabled(0, true);
        for (int j = 1; j <= 3; ++j) {
            card.setCaption(j, QString::number(j));
            card.setEnabled(j, false);
        }
        if (!write) break;
        card.select(0, Handler::Skip);  // the Arduino has only output group 0
        setLine(kActionInterface, outputInterfaceText(50, network, english));
        setLine(kActionNumber, QStringLiteral("0"));
        actionColumn(1) = 50;
        break;
    default: break;
    }
    if (!write) return;
    setLine(kActionSignal, outputSignalText(10, 0, english));
    if (auto op = OptionSetResetDigUitPoort.selected()) {
        actionColumn(2) = Integer(*op);
        if (auto n = OptionDigUitPoort.selected()) setLine(kActionValue, digitalOutputValueText(*op, *n));
    }
}

void OutputPanel::chooseAnalogInterface(bool write) {
    for (int n = 1; n <= 3; ++n) OptionSetResetDigUitPoort.setEnabled(n, false);
    OptionSetResetDigUitPoort.select(1, Handler::Skip);
    for (int n = 1; n <= 9; ++n) OptionDigUitPoort.setEnabled(n, false);
    OptionDigUitPoort.select(1, Handler::Skip);

    for (int n = 1; n <= 2; ++n) OptionAnaloogA1A2Uit.setEnabled(n, true);
    setWaitForNotBox(true);
    if (write) {
        actionColumn(5) = 0;
        setWaitForNotLook(false);
    }
    for (int n = 1; n <= 3; ++n) OptionAnaloogUitGroterKleinerGelijk.setEnabled(n, true);
    const int c3 = actionColumn(3);
    if (between(c3, 0, 255)) OptionAnaloogUitGroterKleinerGelijk.select(1, Handler::Skip);
    else if (between(c3, 1000, 1255)) OptionAnaloogUitGroterKleinerGelijk.select(2, Handler::Skip);
    else if (between(c3, 2000, 2255)) OptionAnaloogUitGroterKleinerGelijk.select(3, Handler::Skip);
    HScrollAnaloogUit->setEnabled(true);
    for (int j = 0; j <= 3; ++j) {
        OptionKaartnummerAdresUit.setCaption(j, QString::number(j));
        OptionKaartnummerAdresUit.setEnabled(j, true);
    }
    if (!write) return;

    setLine(kActionInterface, outputInterfaceText(20, actionColumn(4), shared.TaalVlag));
    if (auto j = OptionKaartnummerAdresUit.selected()) {
        setLine(kActionNumber, QString::number(*j));
        actionColumn(1) = Integer(20 + *j);
    }
    if (auto ch = OptionAnaloogA1A2Uit.selected()) {
        setLine(kActionSignal, outputSignalText(20, *ch, shared.TaalVlag));
        actionColumn(2) = Integer(*ch);
    }
    if (auto mode = OptionAnaloogUitGroterKleinerGelijk.selected()) writeAnalogValue(*mode);
}

void OutputPanel::OptionKaartnummerAdresUit_Click(int j) {
    if (shared.PanelVulBezig || j < 0 || j > 3) return;
    const int k = selectedInterface();
    if (k == 0 || k == 1) {
        setLine(kActionNumber, QString::number(j));
        actionColumn(1) = Integer((k == 0 ? 10 : 20) + j);
    } else if (k == 2) {
        if (j > 2) return;  // port option 3 is never offered
        setLine(kActionNumber, portText(j));
        actionColumn(1) = Integer(31 + j);
    } else if (k == 3) {
        setLine(kActionNumber, QString::number(j));
        actionColumn(1) = Integer(40 + j);
    }
}

void OutputPanel::OptionDigUitPoort_Click(int n) {
    actionColumn(3) = Integer(n);
    setLine(kActionValue, digitalOutputValueText(actionColumn(2), n));
}

}  // namespace tamberlo
