#include "MemoryKeyVariablePanel.h"

#include "CellTexts.h"
#include "ConditionEditorLanguage.h"
#include "EditedCondition.h"
#include "ExplanatoryPictureSurfaces.h"
#include "LanguageText.h"
#include "TimeConditionPanel.h"

namespace tamberlo {

using edited::row;
using edited::setLine;

namespace {

Panel3D* label(QWidget* parent, int x, int y, int w) {
    auto* p = new Panel3D(parent);
    p->setGeometry(x, y, w, 18);
    return p;
}

QString number(int n) { return QString::number(n); }

}  // namespace

MemoryKeyVariablePanel::MemoryKeyVariablePanel(TimeConditionPanel& timePanel, QWidget* parent)
    : QWidget(parent), timePanel_(timePanel) {
    setObjectName("PanelConditieBewerkGehToetsVar");
    OptionGeheugenToetsenVariabele.create(1, {}, this)->setGeometry(6, 2, 18, 18);
    SSPanel35 = label(this, 26, 2, 153);
    SSPanel38 = label(this, 2, 24, 177);
    for (int m = 0; m <= 7; ++m)
        OptionGeheugen.create(m, number(m), this)->setGeometry(6 + 43 * (m % 4), 44 + 18 * (m / 4), 43, 18);
    SSPanel87 = label(this, 2, 86, 177);
    for (int k = 0; k <= 1; ++k) OptionWaarOfOnwaarGeheugen.create(k, {}, this)->setGeometry(6 + 86 * k, 106, 86, 18);
    OptionGeheugenToetsenVariabele.create(2, {}, this)->setGeometry(6, 132, 18, 18);
    SSPanel36 = label(this, 26, 132, 153);
    SSPanel40 = label(this, 2, 154, 177);
    for (int f = 1; f <= 8; ++f)
        OptionToetsen.create(f, QStringLiteral("F%1").arg(f), this)
            ->setGeometry(6 + 43 * ((f - 1) % 4), 174 + 18 * ((f - 1) / 4), 43, 18);
    OptionGeheugenToetsenVariabele.create(3, {}, this)->setGeometry(6, 220, 18, 18);
    SSPanel41 = label(this, 26, 220, 153);
    SSPanel43 = label(this, 2, 242, 177);
    for (int v = 1; v <= 3; ++v)
        OptionVariabele.create(v, QStringLiteral("Var. ") + QChar('A' + v - 1), this)->setGeometry(6 + 58 * (v - 1), 262, 58, 18);
    SSPanel46 = label(this, 2, 284, 177);
    for (int k = 1; k <= 3; ++k) OptionVarGroterKleiner.create(k, {}, this)->setGeometry(6, 304 + 18 * (k - 1), 170, 18);
    HScrollVariabele = new ValueScrollBar(0, 255, 10, this);
    HScrollVariabele->setGeometry(4, 362, 130, 18);
    PanelWaardeVariabele = new Panel3D(QStringLiteral("0"), this);
    PanelWaardeVariabele->setGeometry(138, 360, 40, 22);
    PanelWaardeVariabele->SetBackColor(0xFFFFFF);
    HScrollVariabele->showValueIn(PanelWaardeVariabele);

    OptionGeheugenToetsenVariabele.select(1, Handler::Skip);
    OptionWaarOfOnwaarGeheugen.select(0, Handler::Skip);
    OptionVariabele.select(1, Handler::Skip);
    OptionVarGroterKleiner.select(1, Handler::Skip);
    setMode(Mode::Memory);

    OptionGeheugenToetsenVariabele.onClick([this](int k) { subKind(k); });
    OptionGeheugen.onClick([this](int n) { memory(n); });
    OptionWaarOfOnwaarGeheugen.onClick([this](int k) { plainOrInverted(k); });
    OptionToetsen.onClick([this](int n) { key(n); });
    OptionVariabele.onClick([this](int n) { variable(n); });
    OptionVarGroterKleiner.onClick([this](int k) { comparison(k); });
    HScrollVariabele->onChange([this] { value(); });
    for (auto [heading, item] : {std::pair{SSPanel35, 1}, std::pair{SSPanel36, 2}, std::pair{SSPanel41, 3}})
        showsExplanatoryPicture(heading, 3, item);
    caption();
}

void MemoryKeyVariablePanel::caption() {
    for (auto [panel, control] : {std::pair{SSPanel35, "SSPanel35"},
                                  {SSPanel36, "SSPanel36"},
                                  {SSPanel41, "SSPanel41"},
                                  {SSPanel38, "SSPanel38"},
                                  {SSPanel87, "SSPanel87"},
                                  {SSPanel40, "SSPanel40"},
                                  {SSPanel43, "SSPanel43"},
                                  {SSPanel46, "SSPanel46"}})
        panel->SetCaption(conditionEditorCaption(control));
    for (int k = 0; k <= 1; ++k)
        OptionWaarOfOnwaarGeheugen.setCaption(k, conditionEditorCaption("OptionWaarOfOnwaarGeheugen(" + std::to_string(k) + ")"));
    for (int k = 1; k <= 3; ++k)
        OptionVarGroterKleiner.setCaption(k, conditionEditorCaption("OptionVarGroterKleiner(" + std::to_string(k) + ")"));
}

void MemoryKeyVariablePanel::setMode(Mode mode) {
    for (int m = 0; m <= 7; ++m) OptionGeheugen.setEnabled(m, mode == Mode::Memory);
    for (int k = 0; k <= 1; ++k) OptionWaarOfOnwaarGeheugen.setEnabled(k, mode == Mode::Memory);
    for (int f = 1; f <= 8; ++f) OptionToetsen.setEnabled(f, mode == Mode::Key);
    for (int v = 1; v <= 3; ++v) {
        OptionVariabele.setEnabled(v, mode == Mode::Variable);
        OptionVarGroterKleiner.setEnabled(v, mode == Mode::Variable);
    }
    HScrollVariabele->setEnabled(mode == Mode::Variable);
}

void MemoryKeyVariablePanel::ResetPanelConditieBewerkGehToetsVar() {
    OptionGeheugenToetsenVariabele.select(1, Handler::RunIfChanged);
    OptionGeheugen.select(0, Handler::RunIfChanged);
    setMode(Mode::Memory);
    OptionWaarOfOnwaarGeheugen.select(0, Handler::RunIfChanged);
    setLine(kLineInterface, QString());
    setLine(kLineNumber, QString());
    setLine(kLineSignal, T("Geheugen", "Memory"));
    setLine(kLineValue, QStringLiteral("M0"));
    {
        FillGuard guard(shared.PanelVulBezig);
        timePanel_.OptionTijdTimer.select(1, Handler::Skip);
    }
    row() = ConditionRow{3, 1, 0, 0, 0, 0};
}

void MemoryKeyVariablePanel::SetPanelConditieBewerkGehToetsVar() {
    const ConditionRow stored = row();
    const int sub = stored[1], c2 = stored[2], c3 = stored[3];
    if (sub < 1 || sub > 3) {
        showNothing();
        return;
    }
    {
        FillGuard guard(shared.PanelVulBezig);
        OptionGeheugenToetsenVariabele.select(sub, Handler::RunIfChanged);
    }
    setMode(Mode(sub));
    // A value the options lack (a hand-edited file) shows no choice at all.
    if (sub == 1) {
        OptionGeheugen.selectOrClear(c2, Handler::RunIfChanged);
        OptionWaarOfOnwaarGeheugen.selectOrClear(c3, Handler::RunIfChanged);
    } else if (sub == 2) {
        OptionToetsen.selectOrClear(c2, Handler::RunIfChanged);
    } else {
        OptionVariabele.selectOrClear(c2, Handler::RunIfChanged);
        int comparisonOption = 0;
        if (celltext::between(c3, 0, 255)) comparisonOption = 1;
        else if (celltext::between(c3, 1000, 1255)) comparisonOption = 2;
        else if (celltext::between(c3, 2000, 2255)) comparisonOption = 3;
        if (comparisonOption == 0) {
            OptionVarGroterKleiner.clearAll();
            HScrollVariabele->showNoValue();
            return;
        }
        HScrollVariabele->setValueFromCode(c3 - 1000 * (comparisonOption - 1), Handler::RunIfChanged);
        OptionVarGroterKleiner.select(comparisonOption, Handler::RunIfChanged);
    }
}

void MemoryKeyVariablePanel::showNothing() {
    for (OptionGroup* group : {&OptionGeheugenToetsenVariabele, &OptionGeheugen, &OptionWaarOfOnwaarGeheugen, &OptionToetsen,
                               &OptionVariabele, &OptionVarGroterKleiner})
        group->clearAll();
    setMode(Mode::None);
    HScrollVariabele->showNoValue();
}

void MemoryKeyVariablePanel::subKind(int index) {
    if (shared.PanelVulBezig) return;
    ConditionRow& r = row();
    switch (index) {
    case 1:
        r[2] = r[3] = 0;
        setMode(Mode::Memory);
        OptionWaarOfOnwaarGeheugen.select(0, Handler::RunIfChanged);
        setLine(kLineInterface, QString());
        setLine(kLineNumber, QString());
        setLine(kLineSignal, T("Geheugen", "Memory"));
        setLine(kLineValue, QStringLiteral("M0"));
        r[1] = 1;
        OptionGeheugen.select(r[2], Handler::RunIfChanged);
        break;
    case 2:
        r[2] = 1;
        r[3] = 0;
        setMode(Mode::Key);
        setLine(kLineInterface, QString());
        setLine(kLineNumber, QString());
        setLine(kLineSignal, T("Toetsenbord", "Keyboard"));
        setLine(kLineValue, QStringLiteral("F1"));
        r[1] = 2;
        OptionToetsen.select(r[2], Handler::RunIfChanged);
        break;
    case 3: {
        r[2] = 1;
        setMode(Mode::Variable);
        OptionVariabele.select(1, Handler::RunIfChanged);
        // Column 3 (0 or 1 after a memory or key) becomes the value compared with.
        HScrollVariabele->setValueFromCode(r[3], Handler::RunIfChanged);
        OptionVarGroterKleiner.select(1, Handler::RunIfChanged);
        setLine(kLineInterface, QString());
        setLine(kLineNumber, QString());
        setLine(kLineSignal, T("Variabele A", "Variable A"));
        setLine(kLineValue, QStringLiteral(">= ") + number(HScrollVariabele->value()));
        r[1] = 3;
        OptionVariabele.select(r[2], Handler::RunIfChanged);
        break;
    }
    default: break;
    }
}

void MemoryKeyVariablePanel::memory(int index) {
    ConditionRow& r = row();
    if (r[3] == 0) setLine(kLineValue, QStringLiteral("M") + number(index));
    else if (r[3] == 1) setLine(kLineValue, QStringLiteral("Not M") + number(index));
    r[2] = Integer(index);
}

void MemoryKeyVariablePanel::plainOrInverted(int index) {
    if (shared.PanelVulBezig) return;
    ConditionRow& r = row();
    if (index == 0) setLine(kLineValue, QStringLiteral("M") + number(r[2]));
    else if (index == 1) setLine(kLineValue, QStringLiteral("Not M") + number(r[2]));
    r[3] = Integer(index);
}

void MemoryKeyVariablePanel::key(int index) {
    setLine(kLineValue, QStringLiteral("F") + number(index));
    row()[2] = Integer(index);
}

void MemoryKeyVariablePanel::variable(int index) {
    if (auto letter = variableLetter(index)) setLine(kLineSignal, T("Variabele ", "Variable ") + *letter);
    row()[2] = Integer(index);
}

void MemoryKeyVariablePanel::comparison(int index) {
    const int v = HScrollVariabele->value();
    static const char* const signs[4] = {"", ">= ", "<= ", "= "};
    if (index < 1 || index > 3) return;
    setLine(kLineValue, QString::fromLatin1(signs[index]) + number(v));
    row()[3] = Integer(v + 1000 * (index - 1));
}

void MemoryKeyVariablePanel::value() {
    PanelWaardeVariabele->SetCaption(number(HScrollVariabele->value()));
    for (int k = 1; k <= 3; ++k)
        if (OptionVarGroterKleiner.isSelected(k)) return comparison(k);
}

}  // namespace tamberlo
