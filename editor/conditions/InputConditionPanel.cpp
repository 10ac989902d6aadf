#include "InputConditionPanel.h"

#include "CellTexts.h"
#include "ConditionEditorLanguage.h"
#include "EditedCondition.h"
#include "FontSize.h"
#include "LanguageText.h"
#include "SectionHeading.h"
#include "WholeCaption.h"

namespace tamberlo {

using edited::row;
using edited::setLine;

namespace {

Panel3D* heading(const QString& text, QWidget* parent, int y) { return sectionHeading(text, parent, 2, y, 177); }

}  // namespace

InputConditionPanel::InputConditionPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("PanelConditieBewerkIngang");
    SSPanel6 = heading({}, this, 2);
    const char* interfaces[5] = {"", "", "", "Brask Ember USB", "Arduino NANO"};
    for (int k = 0; k <= 4; ++k)
        OptionWelkeInterfaceIn.create(k, QString::fromLatin1(interfaces[k]), this)->setGeometry(6, 22 + 18 * k, 170, 18);
    CheckNetwerkIN = new QCheckBox(this);
    CheckNetwerkIN->setGeometry(6, 113, 170, 18);
    SSPanel10 = heading({}, this, 134);
    for (int j = 0; j <= 3; ++j) {
        auto* option = OptionKaartnummerAdresIn.create(j, QString::number(j), this);
        option->setGeometry(6 + 48 * j, 153, j < 3 ? 48 : 28, 18);
        // Options 0 to 2 name a card or a port address of up to four hexadecimal digits,
        // the widest (DDDD) clear of the next option's circle; 3 only ever a card.
        SetFontPointSize(option, 6);
    }
    SSPanel12 = heading({}, this, 174);
    for (int n = 1; n <= 8; ++n)
        OptionDigInPoort.create(n, QString::number(n), this)
            ->setGeometry(6 + 43 * ((n - 1) % 4), 193 + 18 * ((n - 1) / 4), 43, 18);
    SSPanel81 = heading({}, this, 234);
    for (int k = 1; k <= 2; ++k) OptionWaarOnwaarIngang.create(k, {}, this)->setGeometry(6 + 86 * (k - 1), 253, 86, 18);
    SSPanel14 = heading({}, this, 274);
    for (int k = 1; k <= 2; ++k)
        OptionAnaloogA1A2In.create(k, QStringLiteral("In A%1").arg(k), this)->setGeometry(6 + 86 * (k - 1), 293, 86, 18);
    SSPanel15 = heading({}, this, 314);
    for (int k = 1; k <= 2; ++k) OptionAnaloogInGroterKleiner.create(k, {}, this)->setGeometry(6, 333 + 18 * (k - 1), 170, 18);
    HScrollAnaloogIn = new ValueScrollBar(0, 255, 10, this);
    HScrollAnaloogIn->setGeometry(4, 374, 130, 18);
    PanelAnaloogInWaarde = new Panel3D(QStringLiteral("0"), this);
    PanelAnaloogInWaarde->setGeometry(138, 372, 40, 22);
    PanelAnaloogInWaarde->SetBackColor(0xFFFFFF);
    HScrollAnaloogIn->showValueIn(PanelAnaloogInWaarde);

    // The state before any cell was edited.
    OptionWelkeInterfaceIn.select(0, Handler::Skip);
    OptionKaartnummerAdresIn.select(0, Handler::Skip);
    OptionDigInPoort.select(1, Handler::Skip);
    for (int n = 6; n <= 8; ++n) OptionDigInPoort.setEnabled(n, false);
    OptionAnaloogA1A2In.select(1, Handler::Skip);
    OptionAnaloogInGroterKleiner.select(1, Handler::Skip);
    for (int k = 1; k <= 2; ++k) {
        OptionAnaloogA1A2In.setEnabled(k, false);
        OptionAnaloogInGroterKleiner.setEnabled(k, false);
    }

    OptionWelkeInterfaceIn.onClick([this](int k) { interfaceChoice(k); });
    OptionKaartnummerAdresIn.onClick([this](int k) { cardChoice(k); });
    OptionDigInPoort.onClick([this](int n) { inputChoice(n); });
    OptionWaarOnwaarIngang.onClick([this](int k) { trueOrInverted(k); });
    OptionAnaloogA1A2In.onClick([this](int k) { analogChannel(k); });
    OptionAnaloogInGroterKleiner.onClick([this](int k) { comparison(k); });
    HScrollAnaloogIn->onChange([this] { threshold(); });
    connect(CheckNetwerkIN, &QCheckBox::clicked, this, [this] { network(); });
    caption();
}

void InputConditionPanel::caption() {
    SSPanel6->SetCaption(conditionEditorCaption("SSPanel6"));
    for (int k = 0; k <= 2; ++k)
        OptionWelkeInterfaceIn.setCaption(k, conditionEditorCaption("OptionWelkeInterfaceIn(" + std::to_string(k) + ")"));
    SetButtonCaption(CheckNetwerkIN, conditionEditorCaption("CheckNetwerkIN"));
    SSPanel10->SetCaption(conditionEditorCaption("SSPanel10"));
    SSPanel12->SetCaption(conditionEditorCaption("SSPanel12"));
    SSPanel81->SetCaption(conditionEditorCaption("SSPanel81"));
    OptionWaarOnwaarIngang.setCaption(1, conditionEditorCaption("OptionWaarOnwaarIngang(1)"));
    OptionWaarOnwaarIngang.setCaption(2, conditionEditorCaption("OptionWaarOnwaarIngang(2)"));
    SSPanel14->SetCaption(conditionEditorCaption("SSPanel14"));
    SSPanel15->SetCaption(conditionEditorCaption("SSPanel15"));
    OptionAnaloogInGroterKleiner.setCaption(1, conditionEditorCaption("OptionAnaloogInGroterKleiner(1)"));
    OptionAnaloogInGroterKleiner.setCaption(2, conditionEditorCaption("OptionAnaloogInGroterKleiner(2)"));
}

void InputConditionPanel::ResetPanelConditieBewerkIngang() {
    OptionWelkeInterfaceIn.select(0, Handler::Skip);
    interfaceChoice(0);
    setLine(kLineInterface, T("Velleman. Kaart Nr.", "Velleman. Card Nr."));
    setLine(kLineSignal, T("Digitaal IN", "Digital IN"));
    setCheck(*CheckNetwerkIN, false, Handler::RunIfChanged);
    OptionKaartnummerAdresIn.select(0, Handler::Skip);
    setLine(kLineNumber, QStringLiteral("0"));
    OptionDigInPoort.select(1, Handler::Skip);
    OptionWaarOnwaarIngang.select(1, Handler::Skip);
    setLine(kLineValue, QStringLiteral("1"));
    OptionAnaloogA1A2In.select(1, Handler::Skip);
    OptionAnaloogInGroterKleiner.select(1, Handler::Skip);
    HScrollAnaloogIn->setValueFromCode(0, Handler::Skip);
    // The whole row: an empty row read from a hand-edited file may carry a
    // network flag, and clearing a box that is already clear runs no handler.
    row() = ConditionRow{1, 10, 1, 0, 0, 0};
}

void InputConditionPanel::selectStoredInput(int column2, int inputs) {
    if (column2 >= 1 && column2 <= inputs) {
        OptionDigInPoort.select(column2, Handler::Skip);
        OptionWaarOnwaarIngang.select(1, Handler::Skip);
    } else if (column2 >= 11 && column2 <= 10 + inputs) {
        OptionDigInPoort.select(column2 - 10, Handler::Skip);
        OptionWaarOnwaarIngang.select(2, Handler::Skip);
    } else {
        // A hand-edited file: show no input rather than one the row does not hold.
        OptionDigInPoort.clearAll();
        showSenseOf(column2);
    }
}

void InputConditionPanel::showSenseOf(int column2) {
    // Never an earlier cell's sense; and with none chosen a later input click would write nothing.
    OptionWaarOnwaarIngang.select(column2 > 10 ? 2 : 1, Handler::Skip);
}

void InputConditionPanel::showNothing() {
    for (OptionGroup* group : {&OptionWelkeInterfaceIn, &OptionKaartnummerAdresIn, &OptionDigInPoort, &OptionAnaloogA1A2In,
                               &OptionAnaloogInGroterKleiner})
        group->clearAll();
    for (int j = 0; j <= 3; ++j) OptionKaartnummerAdresIn.setEnabled(j, false);
    for (int n = 1; n <= 8; ++n) OptionDigInPoort.setEnabled(n, false);
    for (int k = 1; k <= 2; ++k) {
        OptionWaarOnwaarIngang.setEnabled(k, false);  // the interface choice turns it on again
        OptionAnaloogA1A2In.setEnabled(k, false);
        OptionAnaloogInGroterKleiner.setEnabled(k, false);
    }
    HScrollAnaloogIn->setEnabled(false);
    HScrollAnaloogIn->showNoValue();
}

void InputConditionPanel::SetPanelConditieBewerkIngang() {
    const ConditionRow stored = row();
    const int c1 = stored[1], c2 = stored[2], c3 = stored[3], c4 = stored[4];
    using namespace celltext;
    int option = -1;
    {
        FillGuard guard(shared.PanelVulBezig);
        if (isVellemanDigital(c1)) {
            option = 0;
            OptionKaartnummerAdresIn.select(c1 - 10, Handler::Skip);
            selectStoredInput(c2, 5);
        } else if (isVellemanAnalog(c1)) {
            option = 1;
            OptionKaartnummerAdresIn.select(c1 - 20, Handler::Skip);
            OptionAnaloogA1A2In.selectOrClear(c2, Handler::Skip);
            if (between(c3, 0, 255)) {
                HScrollAnaloogIn->setValueFromCode(c3, Handler::Skip);
                OptionAnaloogInGroterKleiner.select(1, Handler::Skip);
            } else if (between(c3, 1000, 1255)) {
                HScrollAnaloogIn->setValueFromCode(c3 - 1000, Handler::Skip);
                OptionAnaloogInGroterKleiner.select(2, Handler::Skip);
            } else {
                OptionAnaloogInGroterKleiner.clearAll();
                HScrollAnaloogIn->showNoValue();
            }
        } else if (isParallelPort(c1)) {
            option = 2;
            OptionKaartnummerAdresIn.select(c1 - 31, Handler::Skip);
            selectStoredInput(c2, 5);
        } else if (isKelvanor(c1)) {
            option = 3;
            OptionKaartnummerAdresIn.select(c1 - 40, Handler::Skip);
            selectStoredInput(c2, 8);
        } else if (isArduino(c1)) {
            option = 4;
            OptionKaartnummerAdresIn.select(0, Handler::Skip);
            selectStoredInput(c2, 5);
        }
    }
    if (option >= 0) {
        OptionWelkeInterfaceIn.select(option, Handler::Skip);
        interfaceChoice(option);
    } else {
        showNothing();
        showSenseOf(c2);
    }
    // A flag that is neither local nor network shows neither: the box is cleared without its handler.
    if (c4 == 0 || c4 == 1) setCheck(*CheckNetwerkIN, c4 == 1, Handler::RunIfChanged);
    else setCheck(*CheckNetwerkIN, false, Handler::Skip);
}

void InputConditionPanel::trueOrInverted(int index) {
    ConditionRow& r = row();
    const int c2 = r[2];
    if (index == 1 && c2 >= 11 && c2 <= 18) {
        r[2] = Integer(c2 - 10);
        setLine(kLineValue, QString::number(r[2]));
    } else if (index == 2 && c2 >= 1 && c2 <= 8) {
        r[2] = Integer(c2 + 10);
        setLine(kLineValue, QStringLiteral("Not ") + QString::number(c2));
    }
}

void InputConditionPanel::analogChannel(int index) {
    setLine(kLineSignal, T("Analoog IN A", "Analog IN A") + QString::number(index));
    row()[2] = Integer(index);
}

void InputConditionPanel::comparison(int index) {
    const int v = HScrollAnaloogIn->value();
    if (index == 1) {
        setLine(kLineValue, QStringLiteral(">= ") + QString::number(v));
        row()[3] = Integer(v);
    } else if (index == 2) {
        setLine(kLineValue, QStringLiteral("<= ") + QString::number(v));
        row()[3] = Integer(v + 1000);
    }
}

void InputConditionPanel::threshold() {
    if (OptionAnaloogInGroterKleiner.isSelected(1)) comparison(1);
    else if (OptionAnaloogInGroterKleiner.isSelected(2)) comparison(2);
}

void InputConditionPanel::network() {
    const int flag = CheckNetwerkIN->isChecked() ? 1 : 0;
    row()[4] = Integer(flag);
    const std::optional<int> option = OptionWelkeInterfaceIn.selected();
    if (!option) return;
    static const int codes[5] = {10, 20, 31, 40, 50};
    if (*option == 3 && flag == 0) {
        setLine(kLineInterface, T("Brask Ember USB", "Brask Kelvanor Ember"));
        return;
    }
    if (auto text = celltext::interfaceText(codes[*option], flag, shared.TaalVlag, false)) setLine(kLineInterface, *text);
}

}  // namespace tamberlo
