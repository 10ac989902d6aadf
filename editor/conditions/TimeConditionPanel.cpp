#include "TimeConditionPanel.h"

#include "ConditionEditorLanguage.h"
#include "EditedCondition.h"
#include "ExplanatoryPictureSurfaces.h"
#include "LanguageText.h"
#include "WholeCaption.h"

namespace tamberlo {

using edited::row;
using edited::setLine;

namespace {

Panel3D* label(const QString& text, QWidget* parent, int x, int y, int w) {
    auto* p = new Panel3D(text, parent);
    p->setGeometry(x, y, w, 18);
    return p;
}

// The weekdays as the reset and the clock choice write them: one blank between.
QString spacedWeekdays() { return T("Zo Ma Di Wo Do Vr Za", "Su Mo Tu We Th Fr Sa"); }

}  // namespace

TimeConditionPanel::TimeConditionPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("PanelConditieBewerkTijd");
    OptionTijdTimer.create(1, {}, this)->setGeometry(6, 2, 18, 18);
    SSPanel20 = label({}, this, 26, 2, 153);
    SSPanel28 = label({}, this, 2, 24, 177);
    Panel3D** units[3] = {&SSPanel25, &SSPanel26, &SSPanel27};
    const char* unitText[3] = {"", "M", "S"};
    for (int n = 1; n <= 3; ++n) {
        const int x = 4 + 59 * (n - 1);
        *units[n - 1] = label(QString::fromLatin1(unitText[n - 1]), this, x, 46, 16);
        auto* shown = new Panel3D(QStringLiteral("0"), this);
        shown->setGeometry(x + 17, 44, 24, 22);
        shown->SetBackColor(0xFFFFFF);
        PanelTijd.set(n, shown);
        auto* spin = new UpDown(0, n == 1 ? 23 : 59, this);
        spin->setGeometry(x + 42, 44, 14, 22);
        spin->setObjectName(QStringLiteral("UpDownTijd%1").arg(n));
        UpDownTijd.set(n, spin);
        spin->onChange([this, n] { spinner(n); });
    }
    SSPanel29 = label({}, this, 2, 72, 177);
    for (int d = 1; d <= 7; ++d) {
        auto* box = new QCheckBox(this);
        box->setGeometry(6 + 43 * ((d - 1) % 4), 92 + 18 * ((d - 1) / 4), 43, 18);
        CheckDagen.set(d, box);
        connect(box, &QCheckBox::clicked, this, [this] { weekdays(); });
    }
    OptionTijdTimer.create(2, {}, this)->setGeometry(6, 136, 18, 18);
    SSPanel31 = label(QStringLiteral("Timer"), this, 26, 136, 153);
    SSPanel33 = label({}, this, 2, 158, 177);
    for (int t = 0; t <= 7; ++t) {
        OptionTimer.create(t, QString::number(t), this)->setGeometry(6 + 43 * (t % 4), 178 + 18 * (t / 4), 43, 18);
        OptionTimer.setEnabled(t, false);
    }
    SSPanel73 = label({}, this, 2, 220, 177);
    for (int k = 1; k <= 2; ++k) {
        OptionWaarOfOnwaarTimer.create(k, {}, this)->setGeometry(6 + 86 * (k - 1), 240, 86, 18);
        OptionWaarOfOnwaarTimer.setEnabled(k, false);
    }
    OptionTijdTimer.select(1, Handler::Skip);
    OptionWaarOfOnwaarTimer.select(1, Handler::Skip);

    OptionTijdTimer.onClick([this](int k) { clockOrTimer(k); });
    OptionTimer.onClick([this](int t) { timerNumber(t); });
    OptionWaarOfOnwaarTimer.onClick([this](int k) { trueOrFalse(k); });
    // Headings that explain the clock and the timer condition.
    for (auto [heading, item] : {std::pair{SSPanel20, 1}, std::pair{SSPanel31, 2}}) showsExplanatoryPicture(heading, 2, item);
    caption();
}

void TimeConditionPanel::caption() {
    SSPanel20->SetCaption(conditionEditorCaption("SSPanel20"));
    SSPanel28->SetCaption(conditionEditorCaption("SSPanel28"));
    SSPanel25->SetCaption(conditionEditorCaption("SSPanel25"));
    SSPanel29->SetCaption(conditionEditorCaption("SSPanel29"));
    SSPanel33->SetCaption(conditionEditorCaption("SSPanel33"));
    SSPanel73->SetCaption(conditionEditorCaption("SSPanel73"));
    for (int d = 1; d <= 7; ++d) SetButtonCaption(CheckDagen(d), conditionEditorCaption("CheckDagen(" + std::to_string(d) + ")"));
    for (int k = 1; k <= 2; ++k)
        OptionWaarOfOnwaarTimer.setCaption(k, conditionEditorCaption("OptionWaarOfOnwaarTimer(" + std::to_string(k) + ")"));
}

void TimeConditionPanel::ResetPanelConditieBewerkTijd() {
    {
        FillGuard guard(shared.TijdVulBezig);
        for (int n = 1; n <= 3; ++n) {
            UpDownTijd(n)->setValue(0, Handler::RunIfChanged);
            UpDownTijd(n)->setEnabled(true);
            PanelTijd(n)->SetCaption(QStringLiteral("0"));
        }
    }
    {
        FillGuard guard(shared.DagenVulBezig);
        for (int d = 1; d <= 7; ++d) {
            setCheck(*CheckDagen(d), true, Handler::RunIfChanged);
            CheckDagen(d)->setEnabled(true);
        }
    }
    setLine(kLineInterface, spacedWeekdays());
    setLine(kLineNumber, T("Dag", "Day"));
    setLine(kLineValue, T("Uur", "Hour"));
    setLine(kLineSignal, QStringLiteral("00:00:00"));
    OptionTijdTimer.select(1, Handler::Skip);
    OptionTijdTimer.raiseClick(1);
    row() = ConditionRow{2, 1, 0, 0, 0, 127};
}

void TimeConditionPanel::SetPanelConditieBewerkTijd() {
    const ConditionRow stored = row();
    if (stored[1] == 1) {
        for (int d = 1; d <= 7; ++d) CheckDagen(d)->setEnabled(true);
        for (int t = 0; t <= 7; ++t) OptionTimer.setEnabled(t, false);
        for (int k = 1; k <= 2; ++k) OptionWaarOfOnwaarTimer.setEnabled(k, false);
        for (int n = 1; n <= 3; ++n) UpDownTijd(n)->setEnabled(true);
        {
            FillGuard guard(shared.PanelVulBezig);
            OptionTijdTimer.select(1, Handler::RunIfChanged);
        }
        {
            FillGuard guard(shared.TijdVulBezig);
            for (int n = 1; n <= 3; ++n) {
                // A time the spinner cannot hold (a hand-edited file) shows no
                // number, not the one an earlier cell left.
                if (UpDownTijd(n)->setValue(stored[std::size_t(n + 1)], Handler::RunIfChanged)) {
                    PanelTijd(n)->SetCaption(QString::number(UpDownTijd(n)->value()));
                } else {
                    UpDownTijd(n)->setValue(0, Handler::RunIfChanged);
                    PanelTijd(n)->SetCaption(QString());
                }
            }
        }
        FillGuard guard(shared.DagenVulBezig);
        for (int d = 1; d <= 7; ++d) setCheck(*CheckDagen(d), (stored[5] >> (d - 1)) & 1, Handler::RunIfChanged);
    } else if (stored[1] == 2) {
        for (int d = 1; d <= 7; ++d) CheckDagen(d)->setEnabled(false);
        for (int t = 0; t <= 7; ++t) OptionTimer.setEnabled(t, true);
        {
            FillGuard guard(shared.TijdVulBezig);
            for (int n = 1; n <= 3; ++n) {
                UpDownTijd(n)->setValue(0, Handler::RunIfChanged);
                PanelTijd(n)->SetCaption(QStringLiteral("0"));
                UpDownTijd(n)->setEnabled(false);
            }
        }
        {
            FillGuard guard(shared.PanelVulBezig);
            OptionTijdTimer.select(2, Handler::RunIfChanged);
            for (int k = 1; k <= 2; ++k) OptionWaarOfOnwaarTimer.setEnabled(k, true);
        }
        // A sense or timer the options lack shows no choice at all.
        OptionWaarOfOnwaarTimer.selectOrClear(stored[2], Handler::RunIfChanged);
        OptionTimer.selectOrClear(stored[3], Handler::RunIfChanged);
        if (stored[2] == 1) setLine(kLineInterface, T("Waar", "True"));
        else if (stored[2] == 2) setLine(kLineInterface, T("OnWaar", "False"));
        setLine(kLineNumber, QString());
        setLine(kLineSignal, QStringLiteral("Timer"));
        setLine(kLineValue, QStringLiteral("T") + QString::number(stored[3]));
    } else {
        showNothing();
    }
}

void TimeConditionPanel::showNothing() {
    for (OptionGroup* group : {&OptionTijdTimer, &OptionTimer, &OptionWaarOfOnwaarTimer}) group->clearAll();
    for (int t = 0; t <= 7; ++t) OptionTimer.setEnabled(t, false);
    for (int k = 1; k <= 2; ++k) OptionWaarOfOnwaarTimer.setEnabled(k, false);
    {
        FillGuard guard(shared.TijdVulBezig);
        for (int n = 1; n <= 3; ++n) {
            UpDownTijd(n)->setValue(0, Handler::RunIfChanged);
            UpDownTijd(n)->setEnabled(false);
            PanelTijd(n)->SetCaption(QString());
        }
    }
    FillGuard guard(shared.DagenVulBezig);
    for (int d = 1; d <= 7; ++d) {
        setCheck(*CheckDagen(d), false, Handler::RunIfChanged);
        CheckDagen(d)->setEnabled(false);
    }
}

void TimeConditionPanel::clockOrTimer(int index) {
    if (shared.PanelVulBezig) return;
    if (index == 1) clockChoice();
    else if (index == 2) timerChoice();
}

void TimeConditionPanel::timeToZero(Handler handler) {
    for (int n = 1; n <= 3; ++n) {
        UpDownTijd(n)->setValue(0, handler);
        PanelTijd(n)->SetCaption(QStringLiteral("0"));
    }
}

void TimeConditionPanel::clockChoice() {
    for (int k = 1; k <= 2; ++k) OptionWaarOfOnwaarTimer.setEnabled(k, false);
    OptionWaarOfOnwaarTimer.select(1, Handler::RunIfChanged);
    for (int t = 0; t <= 7; ++t) {
        OptionTimer.clear(t);
        OptionTimer.setEnabled(t, false);
    }
    for (int d = 1; d <= 7; ++d) {
        CheckDagen(d)->setEnabled(true);
        setCheck(*CheckDagen(d), true, Handler::RunIfChanged);
    }
    for (int n = 1; n <= 3; ++n) UpDownTijd(n)->setEnabled(true);
    timeToZero(Handler::RunIfChanged);
    setLine(kLineInterface, spacedWeekdays());
    setLine(kLineNumber, T("Dag", "Day"));
    setLine(kLineSignal, QStringLiteral("00:00:00"));
    setLine(kLineValue, T("Uur", "Hour"));
    ConditionRow& r = row();
    r[1] = 1;
    r[2] = r[3] = r[4] = 0;
    r[5] = 127;
}

void TimeConditionPanel::timerChoice() {
    for (int d = 1; d <= 7; ++d) {
        CheckDagen(d)->setEnabled(false);
        OptionTimer.setEnabled(d - 1, true);
    }
    OptionTimer.setEnabled(7, true);
    timeToZero(Handler::RunIfChanged);
    for (int n = 1; n <= 3; ++n) UpDownTijd(n)->setEnabled(false);
    OptionTimer.select(0, Handler::RunIfChanged);
    for (int k = 1; k <= 2; ++k) OptionWaarOfOnwaarTimer.setEnabled(k, true);
    OptionWaarOfOnwaarTimer.select(1, Handler::RunIfChanged);
    setLine(kLineInterface, T("Waar", "True"));
    setLine(kLineNumber, QString());
    setLine(kLineSignal, QStringLiteral("Timer"));
    setLine(kLineValue, QStringLiteral("T0"));
    ConditionRow& r = row();
    r[1] = 2;
    r[2] = 1;
    r[3] = r[4] = r[5] = 0;
}

void TimeConditionPanel::spinner(int index) {
    if (shared.TijdVulBezig) return;
    PanelTijd(index)->SetCaption(QString::number(UpDownTijd(index)->value()));
    int hms[3];
    for (int n = 1; n <= 3; ++n) hms[n - 1] = PanelTijd(n)->Caption().toInt();
    setLine(kLineSignal, clockTimeText(hms[0], hms[1], hms[2]));
    ConditionRow& r = row();
    for (int n = 0; n < 3; ++n) r[std::size_t(n + 2)] = Integer(hms[n]);
}

void TimeConditionPanel::weekdays() {
    if (shared.DagenVulBezig) return;
    QString text;
    int mask = 0;
    for (int d = 1; d <= 7; ++d) {
        if (!CheckDagen(d)->isChecked()) continue;
        text += CheckDagen(d)->text();
        mask += 1 << (d - 1);
    }
    setLine(kLineInterface, text);
    row()[5] = Integer(mask);
}

void TimeConditionPanel::timerNumber(int index) {
    setLine(kLineValue, QStringLiteral("T") + QString::number(index));
    row()[3] = Integer(index);
}

void TimeConditionPanel::trueOrFalse(int index) {
    if (shared.PanelVulBezig) return;
    if (index == 1) setLine(kLineInterface, T("Waar", "True"));
    else if (index == 2) setLine(kLineInterface, T("Onwaar", "False"));
    row()[2] = Integer(index);
}

}  // namespace tamberlo
