#include "MemoryVariablePanel.h"

#include "ActionEditCell.h"
#include "ActionEditorLanguage.h"
#include "CellTexts.h"
#include "EditorHooks.h"
#include "ExplanatoryPictureSurfaces.h"
#include "LanguageText.h"
#include "SectionHeading.h"

namespace tamberlo {

namespace {

QString memoryName(int n) { return QStringLiteral("M") + QString::number(n); }
QString memoryText() { return T("Geheugen", "Memory"); }
QString variableText() { return T("Variabele", "Variable"); }

}  // namespace

MemoryVariablePanel::MemoryVariablePanel(QWidget* parent) : QWidget(parent) {
    setObjectName("PanelActieBewerkGehVar");
    OptionSRGeheugenVVSVariabele.create(1, QString(), this)->setGeometry(4, 0, 18, 18);
    SSPanel59 = sectionHeading(QStringLiteral("Set of Reset Geheugen"), this, 24, 0, 157);
    showsExplanatoryPicture(SSPanel59, 5, 1);
    SSPanel61 = sectionHeading(QStringLiteral("Actie"), this, 0, 22, 181);
    OptionSetOfResetGeheugen.create(1, QStringLiteral("Set"), this)->setGeometry(4, 42, 80, 18);
    OptionSetOfResetGeheugen.create(2, QStringLiteral("Reset"), this)->setGeometry(90, 42, 80, 18);
    SSPanel63 = sectionHeading(QStringLiteral("Geheugen M"), this, 0, 64, 181);
    for (int n = 0; n <= 7; ++n)
        OptionActieSetResetGeheugen.create(n, QString::number(n), this)->setGeometry(4 + 44 * (n % 4), 84 + 19 * (n / 4), 44, 18);

    const int y = 134;
    OptionSRGeheugenVVSVariabele.create(2, QString(), this)->setGeometry(4, y, 18, 18);
    SSPanel69 = sectionHeading(QStringLiteral("Aanpassen variable"), this, 24, y, 157);
    showsExplanatoryPicture(SSPanel69, 5, 2);
    SSPanel65 = sectionHeading(QStringLiteral("Variabele"), this, 0, y + 22, 181);
    for (int v = 1; v <= 3; ++v)
        OptionActieVariabele.create(v, QStringLiteral("Var. ") + QChar('A' + v - 1), this)
            ->setGeometry(4 + 58 * (v - 1), y + 42, 58, 18);
    const char* operations[] = {"Zet waarde op", "Vergroot waarde met", "Verklein waarde met"};
    for (int k = 1; k <= 3; ++k)
        OptionVariabeleUitGroterKleinerGelijk.create(k, QString::fromLatin1(operations[k - 1]), this)
            ->setGeometry(4, y + 44 + 19 * k, 175, 18);
    HScrollActieVariableABC = new ValueScrollBar(0, 255, 10, this);
    HScrollActieVariableABC->setObjectName("HScrollActieVariableABC");
    HScrollActieVariableABC->setGeometry(4, y + 124, 130, 18);
    PanelHScrollActieVariableABC = new Panel3D(QStringLiteral("0"), this);
    PanelHScrollActieVariableABC->setGeometry(138, y + 123, 42, 20);
    PanelHScrollActieVariableABC->SetBackColor(0xFFFFFF);
    HScrollActieVariableABC->showValueIn(PanelHScrollActieVariableABC);

    OptionSRGeheugenVVSVariabele.select(1, Handler::Skip);
    OptionSetOfResetGeheugen.select(1, Handler::Skip);
    OptionActieSetResetGeheugen.select(0, Handler::Skip);
    OptionActieVariabele.select(1, Handler::Skip);
    OptionVariabeleUitGroterKleinerGelijk.select(1, Handler::Skip);
    enableMemoryFace(true);

    OptionSRGeheugenVVSVariabele.onClick([this](int k) { OptionSRGeheugenVVSVariabele_Click(k); });
    OptionSetOfResetGeheugen.onClick([this](int k) { OptionSetOfResetGeheugen_Click(k); });
    OptionActieSetResetGeheugen.onClick([this](int k) { OptionActieSetResetGeheugen_Click(k); });
    OptionActieVariabele.onClick([this](int k) { OptionActieVariabele_Click(k); });
    OptionVariabeleUitGroterKleinerGelijk.onClick([this](int k) { OptionVariabeleUitGroterKleinerGelijk_Click(k); });
    HScrollActieVariableABC->onChange([this] { HScrollActieVariableABC_Change(); });
}

void MemoryVariablePanel::caption() {
    SSPanel59->SetCaption(actionEditorCaption("SSPanel59"));
    SSPanel61->SetCaption(actionEditorCaption("SSPanel61"));
    SSPanel63->SetCaption(actionEditorCaption("SSPanel63"));
    SSPanel69->SetCaption(actionEditorCaption("SSPanel69"));
    SSPanel65->SetCaption(actionEditorCaption("SSPanel65"));
    for (int k = 1; k <= 3; ++k)
        OptionVariabeleUitGroterKleinerGelijk.setCaption(
            k, actionEditorCaption(QStringLiteral("OptionVariabeleUitGroterKleinerGelijk(%1)").arg(k)));
}

void MemoryVariablePanel::enableMemoryFace(bool memory) {
    for (int k = 1; k <= 2; ++k) OptionSetOfResetGeheugen.setEnabled(k, memory);
    for (int n = 0; n <= 7; ++n) OptionActieSetResetGeheugen.setEnabled(n, memory);
    for (int v = 1; v <= 3; ++v) OptionActieVariabele.setEnabled(v, !memory);
    for (int k = 1; k <= 3; ++k) OptionVariabeleUitGroterKleinerGelijk.setEnabled(k, !memory);
    HScrollActieVariableABC->setEnabled(!memory);
}

void MemoryVariablePanel::ResetPanelActieBewerkGehVar() {
    OptionSRGeheugenVVSVariabele.select(1, Handler::RunIfChanged);
    OptionSetOfResetGeheugen.select(1, Handler::RunIfChanged);
    OptionActieSetResetGeheugen.select(0, Handler::RunIfChanged);
    enableMemoryFace(true);
    actionColumn(1) = 1;
    actionColumn(2) = 1;
    actionColumn(3) = 0;
    actionColumn(4) = 0;
    setLine(kActionInterface, memoryText());
    setLine(kActionNumber, QString());
    setLine(kActionSignal, QStringLiteral("Set"));
    setLine(kActionValue, memoryName(0));
}

void MemoryVariablePanel::SetPanelActieBewerkGehVar() {
    const int kind = actionColumn(1), c2 = actionColumn(2), c3 = actionColumn(3), c4 = actionColumn(4);
    if (kind == 1) {
        {
            FillGuard guard(shared.PanelVulBezig);
            OptionSRGeheugenVVSVariabele.select(1, Handler::RunIfChanged);
            OptionSetOfResetGeheugen.selectOrClear(c2, Handler::RunIfChanged);
            OptionActieSetResetGeheugen.selectOrClear(c3, Handler::RunIfChanged);
        }
        enableMemoryFace(true);
        setLine(kActionInterface, memoryText());
        setLine(kActionNumber, QString());
        if (c2 == 1) setLine(kActionSignal, QStringLiteral("Set"));
        else if (c2 == 2) setLine(kActionSignal, QStringLiteral("Reset"));
        setLine(kActionValue, memoryName(c3));
    } else if (kind == 2) {
        {
            FillGuard guard(shared.PanelVulBezig);
            OptionSRGeheugenVVSVariabele.select(2, Handler::RunIfChanged);
            OptionActieSetResetGeheugen.select(0, Handler::RunIfChanged);
            OptionSetOfResetGeheugen.select(1, Handler::RunIfChanged);
            OptionActieVariabele.selectOrClear(c2, Handler::RunIfChanged);
            // This handler has no guard: it writes column 3 again, with its own value.
            OptionVariabeleUitGroterKleinerGelijk.selectOrClear(c3, Handler::RunIfChanged);
        }
        enableMemoryFace(false);
        // A value the bar cannot show (a hand-edited file) shows no value and leaves the row alone.
        if (!HScrollActieVariableABC->setValueFromCode(c4, Handler::RunIfChanged)) HScrollActieVariableABC->showNoValue();
        setLine(kActionInterface, variableText());
        setLine(kActionNumber, variableLetter(c2));
        setLine(kActionSignal, variableOperationText(c3, shared.TaalVlag));
        setLine(kActionValue, QString::number(c4));
    } else {
        showNothing();
    }
}

void MemoryVariablePanel::showNothing() {
    for (OptionGroup* group : {&OptionSRGeheugenVVSVariabele, &OptionSetOfResetGeheugen, &OptionActieSetResetGeheugen,
                               &OptionActieVariabele, &OptionVariabeleUitGroterKleinerGelijk})
        group->clearAll();
    // Neither face: the variable choices go off with the memory face, then the memory choices too.
    enableMemoryFace(true);
    for (int k = 1; k <= 2; ++k) OptionSetOfResetGeheugen.setEnabled(k, false);
    for (int n = 0; n <= 7; ++n) OptionActieSetResetGeheugen.setEnabled(n, false);
    HScrollActieVariableABC->showNoValue();
}

void MemoryVariablePanel::OptionSRGeheugenVVSVariabele_Click(int index) {
    if (shared.PanelVulBezig) return;
    if (index == 1) {
        enableMemoryFace(true);
        OptionActieSetResetGeheugen.select(0, Handler::RunIfChanged);
        OptionSetOfResetGeheugen.select(1, Handler::RunIfChanged);
        setLine(kActionInterface, memoryText());
        setLine(kActionNumber, QString());
        setLine(kActionSignal, QStringLiteral("Set"));
        setLine(kActionValue, memoryName(0));
        actionColumn(1) = 1;
        actionColumn(2) = 1;
        actionColumn(3) = 0;
    } else if (index == 2) {
        enableMemoryFace(false);
        OptionActieVariabele.select(1, Handler::RunIfChanged);
        OptionVariabeleUitGroterKleinerGelijk.select(1, Handler::RunIfChanged);
        HScrollActieVariableABC->setValueFromCode(0, Handler::RunIfChanged);
        setLine(kActionInterface, variableText());
        setLine(kActionNumber, QStringLiteral("A"));
        setLine(kActionSignal, variableOperationText(1, shared.TaalVlag));
        setLine(kActionValue, QStringLiteral("0"));
        actionColumn(1) = 2;
        actionColumn(2) = 1;
        actionColumn(3) = 1;
        actionColumn(4) = 0;
    } else {
        return;
    }
    actionColumn(1) = Integer(index);
}

void MemoryVariablePanel::OptionSetOfResetGeheugen_Click(int index) {
    if (shared.PanelVulBezig || (index != 1 && index != 2)) return;
    setLine(kActionSignal, index == 1 ? QStringLiteral("Set") : QStringLiteral("Reset"));
    actionColumn(2) = Integer(index);
}

void MemoryVariablePanel::OptionActieSetResetGeheugen_Click(int index) {
    if (shared.PanelVulBezig) return;
    setLine(kActionValue, memoryName(index));
    actionColumn(3) = Integer(index);
}

void MemoryVariablePanel::OptionActieVariabele_Click(int index) {
    if (shared.PanelVulBezig) return;
    setLine(kActionNumber, variableLetter(index));
    actionColumn(2) = Integer(index);
}

void MemoryVariablePanel::OptionVariabeleUitGroterKleinerGelijk_Click(int index) {
    setLine(kActionSignal, variableOperationText(index, shared.TaalVlag));
    actionColumn(3) = Integer(index);
}

void MemoryVariablePanel::HScrollActieVariableABC_Change() {
    const int v = HScrollActieVariableABC->value();
    PanelHScrollActieVariableABC->SetCaption(QString::number(v));
    setLine(kActionValue, QString::number(v));
    actionColumn(4) = Integer(v);
}

}  // namespace tamberlo
