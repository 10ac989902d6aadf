#include "OutputPanel.h"

#include "ActionEditCell.h"
#include "ActionEditorLanguage.h"
#include "CellTexts.h"
#include "EditorHooks.h"
#include "ExplanatoryPictureSurfaces.h"
#include "FontSize.h"
#include "LanguageText.h"
#include "SectionHeading.h"
#include "WholeCaption.h"

namespace tamberlo {

using celltext::between;

namespace {

Panel3D* heading(const QString& caption, QWidget* parent, int y) { return sectionHeading(caption, parent, 0, y, 181); }

}  // namespace

OutputPanel::OutputPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("PanelActieBewerkUitgang");
    SSPanel3 = heading(QStringLiteral("Actie Uitgang Interface"), this, 0);
    const char* interfaces[] = {"Velleman Digitaal", "Velleman Analoog", "Parallel Digitaal", "Brask Ember USB", "Arduino NANO"};
    for (int k = 0; k <= 4; ++k) {
        QRadioButton* b = OptionWelkeInterfaceUit.create(k, QString::fromLatin1(interfaces[k]), this);
        b->setGeometry(4, 20 + 19 * k, 150, 18);
        showsExplanatoryPicture(b, 1, k);
    }
    CheckNetwerkUIT = new QCheckBox(QStringLiteral("Netwerk"), this);
    CheckNetwerkUIT->setGeometry(4, 116, 150, 18);

    SSPanel18 = heading(QStringLiteral("Nummer"), this, 138);
    for (int j = 0; j <= 3; ++j) {
        auto* option = OptionKaartnummerAdresUit.create(j, QString::number(j), this);
        option->setGeometry(4 + 48 * j, 157, j < 3 ? 48 : 30, 18);
        // Options 0 to 2 name a card or a port address of up to four hexadecimal digits,
        // the widest (DDDD) clear of the next option's circle; 3 only ever a card.
        SetFontPointSize(option, 6);
    }

    SSPanel49 = heading(QStringLiteral("Actie"), this, 179);
    const char* operations[] = {"Set", "Reset", "Impuls"};
    const int left[] = {4, 52, 112}, width[] = {48, 60, 69};
    for (int k = 1; k <= 3; ++k)
        OptionSetResetDigUitPoort.create(k, QString::fromLatin1(operations[k - 1]), this)
            ->setGeometry(left[k - 1], 198, width[k - 1], 18);

    SSPanel22 = heading(QStringLiteral("Digitale uitgang nr."), this, 220);
    for (int n = 1; n <= 9; ++n) {
        const int row = (n - 1) / 5, col = (n - 1) % 5;
        OptionDigUitPoort.create(n, n == 9 ? QStringLiteral("All") : QString::number(n), this)
            ->setGeometry(4 + 35 * col, 239 + 19 * row, n == 9 ? 40 : 35, 18);
    }

    SSPanel24 = heading(QStringLiteral("Kanaal"), this, 281);
    OptionAnaloogA1A2Uit.create(1, QStringLiteral("Uit A1"), this)->setGeometry(4, 300, 80, 18);
    OptionAnaloogA1A2Uit.create(2, QStringLiteral("Uit A2"), this)->setGeometry(90, 300, 80, 18);

    SSPanel47 = heading(QStringLiteral("Analoog UIT"), this, 322);
    const char* modes[] = {"Zet waarde op", "Vergroot waarde met", "Verklein waarde met"};
    for (int k = 1; k <= 3; ++k)
        OptionAnaloogUitGroterKleinerGelijk.create(k, QString::fromLatin1(modes[k - 1]), this)
            ->setGeometry(4, 322 + 19 * k, 175, 18);
    SSPanel68 = heading(QStringLiteral("Analoog UIT"), this, 403);
    HScrollAnaloogUit = new ValueScrollBar(0, 255, 10, this);
    HScrollAnaloogUit->setObjectName("HScrollAnaloogUit");
    HScrollAnaloogUit->setGeometry(4, 424, 130, 18);
    PanelAnaloogUitWaarde = new Panel3D(QStringLiteral("0"), this);
    PanelAnaloogUitWaarde->setGeometry(138, 423, 42, 20);
    PanelAnaloogUitWaarde->SetBackColor(0xFFFFFF);
    HScrollAnaloogUit->showValueIn(PanelAnaloogUitWaarde);
    CheckWOL = new QCheckBox(QStringLiteral("Wacht Op Niet"), this);
    CheckWOL->setGeometry(4, 448, 170, 18);

    // The state of a new window: Velleman digital, card 0, set output 1; the analog part greyed.
    OptionWelkeInterfaceUit.select(0, Handler::Skip);
    OptionKaartnummerAdresUit.select(0, Handler::Skip);
    OptionSetResetDigUitPoort.select(1, Handler::Skip);
    OptionDigUitPoort.select(1, Handler::Skip);
    OptionAnaloogA1A2Uit.select(1, Handler::Skip);
    OptionAnaloogUitGroterKleinerGelijk.select(1, Handler::Skip);
    for (int k = 1; k <= 2; ++k) OptionAnaloogA1A2Uit.setEnabled(k, false);
    for (int k = 1; k <= 3; ++k) OptionAnaloogUitGroterKleinerGelijk.setEnabled(k, false);
    HScrollAnaloogUit->setEnabled(false);
    CheckWOL->setEnabled(false);

    OptionWelkeInterfaceUit.onClick([this](int k) { OptionWelkeInterfaceUit_Click(k); });
    OptionKaartnummerAdresUit.onClick([this](int j) { OptionKaartnummerAdresUit_Click(j); });
    OptionDigUitPoort.onClick([this](int n) { OptionDigUitPoort_Click(n); });
    OptionSetResetDigUitPoort.onClick([this](int k) { OptionSetResetDigUitPoort_Click(k); });
    OptionAnaloogA1A2Uit.onClick([this](int k) { OptionAnaloogA1A2Uit_Click(k); });
    OptionAnaloogUitGroterKleinerGelijk.onClick([this](int k) { OptionAnaloogUitGroterKleinerGelijk_Click(k); });
    HScrollAnaloogUit->onChange([this] { HScrollAnaloogUit_Change(); });
    connect(CheckNetwerkUIT, &QCheckBox::clicked, this, [this] { CheckNetwerkUIT_Click(); });
    connect(CheckWOL, &QCheckBox::clicked, this, [this] { CheckWOL_Click(); });
    hidesExplanatoryPicture(this);
}

void OutputPanel::caption() {
    SSPanel3->SetCaption(actionEditorCaption("SSPanel3"));
    for (int k = 0; k <= 2; ++k)
        OptionWelkeInterfaceUit.setCaption(k, actionEditorCaption(QStringLiteral("OptionWelkeInterfaceUit(%1)").arg(k)));
    SetButtonCaption(CheckNetwerkUIT, actionEditorCaption("CheckNetwerkUIT"));
    SSPanel18->SetCaption(actionEditorCaption("SSPanel18"));
    SSPanel49->SetCaption(actionEditorCaption("SSPanel49"));
    SSPanel22->SetCaption(actionEditorCaption("SSPanel22"));
    OptionSetResetDigUitPoort.setCaption(3, actionEditorCaption("OptionSetResetDigUitPoort(3)"));
    SSPanel24->SetCaption(actionEditorCaption("SSPanel24"));
    for (int k = 1; k <= 2; ++k)
        OptionAnaloogA1A2Uit.setCaption(k, actionEditorCaption(QStringLiteral("OptionAnaloogA1A2Uit(%1)").arg(k)));
    SSPanel47->SetCaption(actionEditorCaption("SSPanel47"));
    SSPanel68->SetCaption(actionEditorCaption("SSPanel68"));
    for (int k = 1; k <= 3; ++k)
        OptionAnaloogUitGroterKleinerGelijk.setCaption(
            k, actionEditorCaption(QStringLiteral("OptionAnaloogUitGroterKleinerGelijk(%1)").arg(k)));
    SetButtonCaption(CheckWOL, actionEditorCaption("CheckWOL"));
}

void OutputPanel::ResetPanelActieBewerkUitgang() {
    OptionWelkeInterfaceUit.select(0, Handler::Skip);
    chooseInterface(0, true);
    shared.PanelVulBezig = false;
    setLine(kActionInterface, outputInterfaceText(10, 0, shared.TaalVlag));
    setLine(kActionSignal, outputSignalText(10, 0, shared.TaalVlag));
    setCheck(*CheckNetwerkUIT, false, Handler::Skip);
    OptionKaartnummerAdresUit.select(0, Handler::Skip);
    setLine(kActionNumber, QStringLiteral("0"));
    OptionDigUitPoort.select(1, Handler::Skip);
    setLine(kActionValue, QStringLiteral("Set 1"));
    OptionSetResetDigUitPoort.setEnabled(1, true);
    OptionSetResetDigUitPoort.setEnabled(2, true);
    OptionSetResetDigUitPoort.select(1, Handler::Skip);
    OptionAnaloogA1A2Uit.select(1, Handler::Skip);
    OptionAnaloogUitGroterKleinerGelijk.select(1, Handler::Skip);
    HScrollAnaloogUit->setValueFromCode(0, Handler::Skip);
    actionColumn(0) = 1;
    actionColumn(1) = 10;
    actionColumn(2) = 1;
    actionColumn(3) = 1;
}

void OutputPanel::SetPanelActieBewerkUitgang() {
    const int c1 = actionColumn(1), c2 = actionColumn(2), c3 = actionColumn(3);
    const int c4 = actionColumn(4), c5 = actionColumn(5);
    auto digital = [&](int card, int interfaceOption) {
        {
            FillGuard guard(shared.PanelVulBezig);
            OptionKaartnummerAdresUit.select(card, Handler::Skip);
            OptionSetResetDigUitPoort.selectOrClear(c2, Handler::Skip);
        }
        OptionWelkeInterfaceUit.select(interfaceOption, Handler::Skip);
        chooseInterface(interfaceOption, false);
        OptionDigUitPoort.selectOrClear(c3, Handler::Skip);
    };
    if (between(c1, 10, 13)) {
        digital(c1 - 10, 0);
    } else if (between(c1, 20, 23)) {
        {
            FillGuard guard(shared.PanelVulBezig);
            OptionKaartnummerAdresUit.select(c1 - 20, Handler::Skip);
            OptionAnaloogA1A2Uit.selectOrClear(c2, Handler::Skip);
        }
        OptionWelkeInterfaceUit.select(1, Handler::Skip);
        chooseInterface(1, false);
        OptionGroup& mode = OptionAnaloogUitGroterKleinerGelijk;
        if (between(c3, 0, 255)) {
            HScrollAnaloogUit->setValueFromCode(c3, Handler::Skip);
            mode.select(1, Handler::Skip);
        } else if (between(c3, 1000, 1255)) {
            HScrollAnaloogUit->setValueFromCode(c3 - 1000, Handler::Skip);
            mode.select(2, Handler::Skip);
        } else if (between(c3, 2000, 2255)) {
            mode.select(3, Handler::Skip);
            HScrollAnaloogUit->setValueFromCode(c3 - 2000, Handler::Skip);
        } else {
            mode.clearAll();  // nothing to show: a later bar move leaves the row alone
        }
        if (!mode.selected()) HScrollAnaloogUit->showNoValue();
    } else if (between(c1, 31, 33)) {
        digital(c1 - 31, 2);
    } else if (between(c1, 40, 43)) {
        digital(c1 - 40, 3);
    } else if (c1 == 50) {
        digital(0, 4);
    } else {
        showNothing();
    }
    // A flag other than 0 or 1 shows a cleared box, not an earlier row's.
    setCheck(*CheckNetwerkUIT, c4 == 1, Handler::Skip);
    if (c5 == 0 || c5 == 1) setCheck(*CheckWOL, c5 == 1, Handler::Skip);
}

void OutputPanel::showNothing() {
    for (OptionGroup* group : {&OptionWelkeInterfaceUit, &OptionKaartnummerAdresUit, &OptionSetResetDigUitPoort,
                               &OptionDigUitPoort, &OptionAnaloogA1A2Uit, &OptionAnaloogUitGroterKleinerGelijk}) {
        group->clearAll();
        // Off until an interface is chosen, which turns on what it offers.
        if (group != &OptionWelkeInterfaceUit)
            for (int k = group->lower(); k <= group->upper(); ++k) group->setEnabled(k, false);
    }
    HScrollAnaloogUit->setEnabled(false);
    HScrollAnaloogUit->showNoValue();
    setWaitForNotBox(false);
}

void OutputPanel::OptionSetResetDigUitPoort_Click(int k) {
    actionColumn(2) = Integer(k);
    setLine(kActionValue, digitalOutputValueText(k, actionColumn(3)));
}

void OutputPanel::OptionAnaloogA1A2Uit_Click(int k) {
    if (k != 1 && k != 2) return;
    setLine(kActionSignal, outputSignalText(20, k, shared.TaalVlag));
    actionColumn(2) = Integer(k);
}

void OutputPanel::writeAnalogValue(int mode) {
    const int v = HScrollAnaloogUit->value();
    switch (mode) {
    case 1: actionColumn(3) = Integer(v); break;
    case 2: actionColumn(3) = Integer(v + 1000); break;
    case 3: actionColumn(3) = Integer(v + 2000); break;
    default: return;
    }
    setLine(kActionValue, analogOutputValueText(actionColumn(3)));
}

void OutputPanel::OptionAnaloogUitGroterKleinerGelijk_Click(int k) { writeAnalogValue(k); }

void OutputPanel::HScrollAnaloogUit_Change() {
    PanelAnaloogUitWaarde->SetCaption(QString::number(HScrollAnaloogUit->value()));
    if (auto mode = OptionAnaloogUitGroterKleinerGelijk.selected()) writeAnalogValue(*mode);
}

int OutputPanel::selectedInterface() const { return OptionWelkeInterfaceUit.selected().value_or(-1); }

void OutputPanel::CheckNetwerkUIT_Click() {
    actionColumn(4) = CheckNetwerkUIT->isChecked() ? 1 : 0;
    static constexpr int kCodeOfOption[] = {10, 20, 31, 40, 50};
    const int k = selectedInterface();
    if (k >= 0) setLine(kActionInterface, outputInterfaceText(kCodeOfOption[k], actionColumn(4), shared.TaalVlag));
}

void OutputPanel::CheckWOL_Click() {
    const bool on = CheckWOL->isChecked();
    actionColumn(5) = on ? 1 : 0;
    setWaitForNotLook(on);
}

}  // namespace tamberlo
