#include "TimersPanel.h"

#include "ActionEditCell.h"
#include "ActionEditorLanguage.h"
#include "EditorHooks.h"
#include "ExplanatoryPictureSurfaces.h"
#include "SectionHeading.h"

namespace tamberlo {

namespace {

QString timerName(int i) { return QStringLiteral("T") + QString::number(i); }

}  // namespace

QString timerPresetText(int hundredths) {
    if (hundredths < 0 || hundredths > 5999) return QStringLiteral("1 Min.");
    return presetText(hundredths);
}

TimersPanel::TimersPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("PanelActieBewerkTimers");
    SSPanel50 = sectionHeading(QStringLiteral("Preset Timers"), this, 0, 0, 181);
    showsExplanatoryPicture(SSPanel50, 4, 1);
    OptionPresetSetResetTimer.create(1, QString(), this)->setGeometry(4, 26, 18, 18);
    SSPanel58 = sectionHeading(QStringLiteral("Stel de tijd per timer in"), this, 24, 20, 157);
    SSPanel58->resize(157, 30);  // the English caption takes two lines
    for (int i = 0; i <= 7; ++i) {
        const int y = 54 + 22 * i;
        sectionHeading(timerName(i), this, 0, y, 22);
        auto* bar = new ValueScrollBar(0, 6000, 100, this);
        bar->setObjectName(QStringLiteral("HScrollPresetTimer%1").arg(i));
        bar->setGeometry(24, y, 76, 18);
        HScrollPresetTimer.set(i, bar);
        auto* text = new Panel3D(timerPresetText(0), this);
        text->setGeometry(102, y - 1, 79, 20);  // room for "59,99 sec."
        text->SetBackColor(0xFFFFFF);
        PanelPresetTimer.set(i, text);
        bar->showValueIn(text, timerPresetText);
        bar->onChange([this, i] { HScrollPresetTimer_Change(i); });
        connect(bar, &QScrollBar::valueChanged, this, [i](int v) { ladderView.presetTimerValue[std::size_t(i)] = v; });
    }

    const int y = 54 + 22 * 8 + 8;
    OptionPresetSetResetTimer.create(2, QString(), this)->setGeometry(4, y, 18, 18);
    SSPanel53 = sectionHeading(QStringLiteral("Set of Reset Timer"), this, 24, y, 157);
    showsExplanatoryPicture(SSPanel53, 4, 2);
    SSPanel55 = sectionHeading(QStringLiteral("Actie"), this, 0, y + 22, 181);
    OptionActieSetOfResetTimer.create(1, QStringLiteral("Set"), this)->setGeometry(4, y + 42, 80, 18);
    OptionActieSetOfResetTimer.create(2, QStringLiteral("Reset"), this)->setGeometry(90, y + 42, 80, 18);
    sectionHeading(QStringLiteral("Timer"), this, 0, y + 64, 181);
    for (int i = 0; i <= 7; ++i)
        OptionActieTimerNummer.create(i, QString::number(i), this)->setGeometry(4 + 44 * (i % 4), y + 84 + 19 * (i / 4), 44, 18);

    OptionPresetSetResetTimer.select(1, Handler::Skip);
    OptionActieSetOfResetTimer.select(1, Handler::Skip);
    OptionActieTimerNummer.select(0, Handler::Skip);
    for (int i = 0; i <= 7; ++i) OptionActieTimerNummer.setEnabled(i, false);
    for (int k = 1; k <= 2; ++k) OptionActieSetOfResetTimer.setEnabled(k, false);

    OptionPresetSetResetTimer.onClick([this](int k) { OptionPresetSetResetTimer_Click(k); });
    OptionActieSetOfResetTimer.onClick([this](int k) { OptionActieSetOfResetTimer_Click(k); });
    OptionActieTimerNummer.onClick([this](int k) { OptionActieTimerNummer_Click(k); });
}

void TimersPanel::caption() {
    SSPanel58->SetCaption(actionEditorCaption("SSPanel58"));
    SSPanel53->SetCaption(actionEditorCaption("SSPanel53"));
    SSPanel55->SetCaption(actionEditorCaption("SSPanel55"));
}

void TimersPanel::takeBarsFromView() {
    for (int i = 0; i <= 7; ++i)
        HScrollPresetTimer(i)->setValueFromCode(ladderView.presetTimerValue[std::size_t(i)], Handler::Skip);
}

void TimersPanel::ResetPanelActieBewerkTimers() {
    takeBarsFromView();
    for (int i = 0; i <= 7; ++i) {
        HScrollPresetTimer(i)->setEnabled(true);
        HScrollPresetTimer(i)->setValueFromCode(0, Handler::RunIfChanged);
        OptionActieTimerNummer.setEnabled(i, false);
    }
    OptionPresetSetResetTimer.select(1, Handler::RunIfChanged);
    for (int k = 1; k <= 2; ++k) OptionActieSetOfResetTimer.setEnabled(k, false);
    OptionActieSetOfResetTimer.select(1, Handler::RunIfChanged);
    setLine(kActionInterface, timerPresetText(0));
    setLine(kActionNumber, QString());
    setLine(kActionSignal, QStringLiteral("Preset Timer"));
    setLine(kActionValue, QStringLiteral("T0"));
    actionColumn(0) = 2;
    actionColumn(1) = 1;
    for (int c = 2; c <= 9; ++c) actionColumn(c) = 0;
}

void TimersPanel::SetPanelActieBewerkTimers() {
    takeBarsFromView();
    const int kind = actionColumn(1);
    if (kind == 1) {
        for (int i = 0; i <= 7; ++i) {
            const int preset = actionColumn(i + 2);
            HScrollPresetTimer(i)->setEnabled(true);
            // A preset the bar cannot show (a hand-edited file) shows no value,
            // and the row is not clamped.
            if (!HScrollPresetTimer(i)->setValueFromCode(preset, Handler::RunIfChanged)) HScrollPresetTimer(i)->showNoValue();
            OptionActieTimerNummer.setEnabled(i, false);
        }
        for (int k = 1; k <= 2; ++k) OptionActieSetOfResetTimer.setEnabled(k, false);
        {
            FillGuard guard(shared.PanelVulBezig);
            OptionPresetSetResetTimer.select(1, Handler::RunIfChanged);
        }
        const QString text = timerPresetText(actionColumn(2));
        setLine(kActionInterface, text);
        setLine(kActionNumber, QString());
        setLine(kActionSignal, QStringLiteral("Preset Timer"));
        setLine(kActionValue, QStringLiteral("T0"));
    } else if (kind == 2) {
        const int operation = actionColumn(2), timer = actionColumn(3);
        for (int i = 0; i <= 7; ++i) {
            HScrollPresetTimer(i)->setEnabled(false);
            OptionActieTimerNummer.setEnabled(i, true);
        }
        {
            FillGuard guard(shared.PanelVulBezig);
            for (int k = 1; k <= 2; ++k) OptionActieSetOfResetTimer.setEnabled(k, true);
            OptionActieSetOfResetTimer.selectOrClear(operation, Handler::RunIfChanged);
            OptionPresetSetResetTimer.select(2, Handler::RunIfChanged);
            OptionActieTimerNummer.selectOrClear(timer, Handler::RunIfChanged);
        }
        setLine(kActionInterface, QString());
        setLine(kActionNumber, QString());
        if (operation == 1) setLine(kActionSignal, QStringLiteral("Set Timer"));
        else if (operation == 2) setLine(kActionSignal, QStringLiteral("Reset Timer"));
        setLine(kActionValue, timerName(timer));
    } else {
        showNothing();
    }
}

void TimersPanel::showNothing() {
    for (OptionGroup* group : {&OptionPresetSetResetTimer, &OptionActieSetOfResetTimer, &OptionActieTimerNummer})
        group->clearAll();
    // The bars keep the places all rows share; like every other choice they stay off until a face is chosen.
    for (int i = 0; i <= 7; ++i) {
        HScrollPresetTimer(i)->setEnabled(false);
        OptionActieTimerNummer.setEnabled(i, false);
    }
    for (int k = 1; k <= 2; ++k) OptionActieSetOfResetTimer.setEnabled(k, false);
}

void TimersPanel::OptionPresetSetResetTimer_Click(int index) {
    if (shared.PanelVulBezig) return;
    if (index == 1) {
        takeBarsFromView();
        for (int i = 0; i <= 7; ++i) {
            HScrollPresetTimer(i)->setEnabled(true);
            OptionActieTimerNummer.setEnabled(i, false);
            actionColumn(i + 2) = Integer(HScrollPresetTimer(i)->value());
        }
        for (int k = 1; k <= 2; ++k) OptionActieSetOfResetTimer.setEnabled(k, false);
        const QString text = timerPresetText(HScrollPresetTimer(0)->value());
        PanelPresetTimer(0)->SetCaption(text);
        setLine(kActionInterface, text);
        setLine(kActionNumber, QString());
        setLine(kActionSignal, QStringLiteral("Preset Timer"));
        setLine(kActionValue, QStringLiteral("T0"));
        actionColumn(1) = 1;
    } else if (index == 2) {
        for (int i = 0; i <= 7; ++i) {
            HScrollPresetTimer(i)->setEnabled(false);
            OptionActieTimerNummer.setEnabled(i, true);
        }
        OptionActieTimerNummer.select(0, Handler::RunIfChanged);
        for (int k = 1; k <= 2; ++k) OptionActieSetOfResetTimer.setEnabled(k, true);
        OptionActieSetOfResetTimer.select(1, Handler::RunIfChanged);
        setLine(kActionInterface, QString());
        setLine(kActionNumber, QString());
        setLine(kActionSignal, QStringLiteral("Set Timer"));
        setLine(kActionValue, QStringLiteral("T0"));
        actionColumn(1) = 2;
        actionColumn(2) = 1;
        actionColumn(3) = 0;
    }
}

void TimersPanel::OptionActieSetOfResetTimer_Click(int index) {
    if (shared.PanelVulBezig || (index != 1 && index != 2)) return;
    actionColumn(2) = Integer(index);
    setLine(kActionSignal, index == 1 ? QStringLiteral("Set Timer") : QStringLiteral("Reset Timer"));
}

void TimersPanel::OptionActieTimerNummer_Click(int index) {
    if (shared.PanelVulBezig) return;
    actionColumn(3) = Integer(index);
    setLine(kActionValue, timerName(index));
}

void TimersPanel::HScrollPresetTimer_Change(int index) {
    const int v = HScrollPresetTimer(index)->value();
    const QString text = timerPresetText(v);
    PanelPresetTimer(index)->SetCaption(text);
    setLine(kActionInterface, text);
    setLine(kActionValue, timerName(index));
    actionColumn(index + 2) = Integer(v);
}

}  // namespace tamberlo
