#include "LadderStore.h"

#include "LadderTimers.h"
#include "LadderView.h"
#include "SharedState.h"
#include "UnsavedLadder.h"

namespace tamberlo {

QString FixedTitle() { return QStringLiteral("Tamberlo - Ladder programmeren 2009-2026 Tamberlo"); }

void WisLadderProgramma() {
    for (int i = 1; i <= kConditions; ++i) {
        shared.Condities[i].fill(0);
        ConditionCellView& c = ladderView.cell[i];
        c.addButtonVisible = true;
        c.wireVisible = true;
        c.frameVisible = false;
        c.frameColor = kColorCellGreen;
        for (auto& l : c.lines) {
            l.caption.clear();
            l.backColor = kColorCellGrey;
        }
        if (i <= 267) c.linkLineVisible = false;
    }
    for (int r = 0; r <= kRungs; ++r) {
        shared.Acties[r].fill(0);
        ActionRowView& a = ladderView.action[r];
        a.frameVisible = false;
        a.frameColor = kColorActionBlue;
        for (auto& l : a.lines) {
            l.caption.clear();
            l.backColor = kColorActionGrey;
        }
        a.lines[0].foreColor = kColorButtonText;
        if (r >= 1) {
            a.addButtonVisible = true;
            a.orWireVisible = false;
            a.supplyVisible = true;
        }
    }
    ladderView.windowCaption = FixedTitle();
    for (int n = 0; n < 8; ++n) {
        shared.GeheugenToestand[n] = false;
        ladderView.memoryColor[n] = 0xFFFFC0;
        ladderTimers().TimerT[n]->SetEnabled(false);
        shared.TimerUitgang[n] = false;
        ladderView.presetTimerValue[n] = 0;
    }
    for (int v = 1; v <= 3; ++v) {
        shared.Variabelen[v] = 0;
        ladderView.varCaption[v] = QStringLiteral("0");
    }
    RememberLadderAsSaved();  // an empty ladder holds no work to lose
    ladderView.changed();
}

}  // namespace tamberlo
