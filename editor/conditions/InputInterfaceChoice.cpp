// The input panel's interface, card or port, and digital input choices.
#include "CellTexts.h"
#include "EditedCondition.h"
#include "InputConditionPanel.h"
#include "LanguageText.h"

namespace tamberlo {

using edited::row;
using edited::setLine;

namespace {

QString portText(int port) { return portAddressText(shared.ParallellePoortAdressen[std::size_t(port)]); }

// Line A of interface code `code` for the row's network flag (left as it is for another flag).
void interfaceLine(int code) {
    if (auto text = celltext::interfaceText(code, row()[4], shared.TaalVlag, false)) setLine(kLineInterface, *text);
}

}  // namespace

int InputConditionPanel::selectedInput(int inputs) const {
    for (int n = 1; n <= inputs; ++n)
        if (OptionDigInPoort.isSelected(n)) return n;
    return 0;
}

void InputConditionPanel::writeInput(int n) {
    if (OptionWaarOnwaarIngang.isSelected(1)) {
        setLine(kLineValue, QString::number(n));
        row()[2] = Integer(n);
    } else if (OptionWaarOnwaarIngang.isSelected(2)) {
        setLine(kLineValue, QStringLiteral("Not ") + QString::number(n));
        row()[2] = Integer(n + 10);
    }
}

void InputConditionPanel::interfaceChoice(int index) {
    if (shared.PanelVulBezig || index < 0 || index > 4) return;
    // Ports have three addresses: the fourth option's room widens them.
    OptionKaartnummerAdresIn.shareLastItemsRoom(index == 2);
    if (index == 1) analogInterface();
    else digitalInterface(index);
}

void InputConditionPanel::digitalInterface(int k) {
    const int inputs = k == 3 ? 8 : 5;
    for (int n = 1; n <= 8; ++n) OptionDigInPoort.setEnabled(n, n <= inputs);
    // Inputs 6 to 8 exist only on the module: a five-input interface takes input 1 instead.
    if (OptionDigInPoort.selected().value_or(0) > inputs) OptionDigInPoort.select(1, Handler::Skip);
    for (int o = 1; o <= 2; ++o) {
        OptionWaarOnwaarIngang.setEnabled(o, true);
        OptionAnaloogA1A2In.setEnabled(o, false);
        OptionAnaloogInGroterKleiner.setEnabled(o, false);
    }
    OptionAnaloogA1A2In.select(1, Handler::Skip);
    OptionAnaloogInGroterKleiner.select(1, Handler::Skip);
    HScrollAnaloogIn->setEnabled(false);

    ConditionRow& r = row();
    const std::optional<int> card = OptionKaartnummerAdresIn.selected();
    switch (k) {
    case 0:
        for (int j = 0; j <= 3; ++j) {
            OptionKaartnummerAdresIn.setCaption(j, QString::number(j));
            OptionKaartnummerAdresIn.setEnabled(j, true);
        }
        interfaceLine(10);
        if (card) {
            setLine(kLineNumber, QString::number(*card));
            r[1] = Integer(10 + *card);
        }
        r[3] = 0;
        break;
    case 2:
        for (int j = 0; j <= 2; ++j) {
            OptionKaartnummerAdresIn.setCaption(j, portText(j));
            OptionKaartnummerAdresIn.setEnabled(j, true);
        }
        OptionKaartnummerAdresIn.setCaption(3, QString());
        OptionKaartnummerAdresIn.setEnabled(3, false);
        interfaceLine(31);
        if (card == 3) {
            OptionKaartnummerAdresIn.select(0, Handler::Skip);
            setLine(kLineNumber, portText(0));
            r[1] = 31;
        } else if (card) {
            setLine(kLineNumber, portText(*card));
            r[1] = Integer(31 + *card);
        }
        break;
    case 3:
        for (int j = 0; j <= 2; ++j) {
            OptionKaartnummerAdresIn.setCaption(j, QString::number(j));
            OptionKaartnummerAdresIn.setEnabled(j, true);
        }
        OptionKaartnummerAdresIn.setCaption(3, QStringLiteral("3"));
        OptionKaartnummerAdresIn.setEnabled(3, false);
        OptionKaartnummerAdresIn.clear(3);
        interfaceLine(40);
        setLine(kLineNumber, QStringLiteral("0"));
        r[1] = 40;
        break;
    case 4:
        for (int j = 1; j <= 3; ++j) {
            OptionKaartnummerAdresIn.setCaption(j, QString::number(j));
            OptionKaartnummerAdresIn.setEnabled(j, false);
        }
        OptionKaartnummerAdresIn.setCaption(0, QStringLiteral("0"));
        OptionKaartnummerAdresIn.setEnabled(0, true);
        OptionKaartnummerAdresIn.select(0, Handler::Skip);
        interfaceLine(50);
        setLine(kLineNumber, QStringLiteral("0"));
        r[1] = 50;
        break;
    default: return;
    }
    setLine(kLineSignal, T("Digitaal IN", "Digital IN"));
    if (const int n = selectedInput(inputs)) writeInput(n);
}

void InputConditionPanel::analogInterface() {
    for (int j = 0; j <= 3; ++j) {
        OptionKaartnummerAdresIn.setCaption(j, QString::number(j));
        OptionKaartnummerAdresIn.setEnabled(j, true);
    }
    for (int n = 1; n <= 8; ++n) OptionDigInPoort.setEnabled(n, false);
    for (int o = 1; o <= 2; ++o) OptionWaarOnwaarIngang.setEnabled(o, false);
    OptionWaarOnwaarIngang.select(1, Handler::Skip);
    OptionDigInPoort.select(1, Handler::Skip);
    for (int o = 1; o <= 2; ++o) {
        OptionAnaloogA1A2In.setEnabled(o, true);
        OptionAnaloogInGroterKleiner.setEnabled(o, true);
    }
    HScrollAnaloogIn->setEnabled(true);
    interfaceLine(20);

    ConditionRow& r = row();
    if (const std::optional<int> card = OptionKaartnummerAdresIn.selected()) {
        setLine(kLineNumber, QString::number(*card));
        r[1] = Integer(20 + *card);
    }
    const int v = HScrollAnaloogIn->value();
    // With no comparison chosen (a damaged row was shown) the stored code stays.
    if (OptionAnaloogInGroterKleiner.isSelected(1)) r[3] = Integer(v);
    else if (OptionAnaloogInGroterKleiner.isSelected(2)) r[3] = Integer(v + 1000);
    if (const std::optional<int> channel = OptionAnaloogA1A2In.selected()) {
        setLine(kLineSignal, T("Analoog IN A", "Analog IN A") + QString::number(*channel));
        r[2] = Integer(*channel);
    }
    if (OptionAnaloogInGroterKleiner.isSelected(1)) setLine(kLineValue, QStringLiteral(">= ") + QString::number(v));
    else if (OptionAnaloogInGroterKleiner.isSelected(2)) setLine(kLineValue, QStringLiteral("<= ") + QString::number(v));
}

void InputConditionPanel::cardChoice(int k) {
    ConditionRow& r = row();
    if (OptionWelkeInterfaceIn.isSelected(2)) {
        if (k < 0 || k > 2) return;
        setLine(kLineNumber, portText(k));
        r[1] = Integer(31 + k);
        return;
    }
    setLine(kLineNumber, QString::number(k));
    if (OptionWelkeInterfaceIn.isSelected(0)) r[1] = Integer(10 + k);
    else if (OptionWelkeInterfaceIn.isSelected(1)) r[1] = Integer(20 + k);
}

void InputConditionPanel::inputChoice(int n) { writeInput(n); }

}  // namespace tamberlo
