#include "ActionExecutor.h"

#include "DashboardView.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "NetworkLink.h"
#include "OutputActions.h"
#include "RunColours.h"
#include "SetIfChanged.h"
#include "SharedState.h"
#include "SoundPlayer.h"

namespace tamberlo {

namespace {

constexpr VbColor kActieHoudt = 0xFFDCDC;
constexpr VbColor kActieRust = 0xFFC0C0;
constexpr VbColor kTimerGestart = 0x8080FF;
constexpr VbColor kTimerGereset = 0xFFC0C0;
// Increases stop at 1001 (a rung) so a ladder can count to 1000 and one past it.
constexpr int kVariabeleMax = 1001;

bool GeldigeIndex(int x, int laagste, int hoogste) { return x >= laagste && x <= hoogste; }

// Presets, start and reset of the ladder timers; acts on every pass.
void TimerActie(int r) {
    const auto& A = shared.Acties[r];
    LadderTimers& timers = ladderTimers();
    bool gewijzigd = false;
    if (A[1] == 1) {
        for (int i = 0; i < 8; ++i) {
            const int ms = A[i + 2] > 0 ? A[i + 2] * 10 : 0;  // hundredths of a second
            VbTimer& t = *timers.TimerT[i];
            // An unchanged preset leaves a running timer's period alone.
            if (t.Interval() == ms) continue;
            t.SetInterval(ms);
            shared.TimerResterend[i] = ms;
            gewijzigd |= SetIfChanged(dashboardView.tijdTimerCaption[i], IntervalInSeconden(ms));
        }
    } else if (A[1] == 2) {
        const int n = A[3];
        if (!GeldigeIndex(n, 0, 7)) return;
        VbTimer& t = *timers.TimerT[n];
        if (A[2] == 1) {
            t.SetEnabled(true);  // a running timer keeps its period
            gewijzigd |= SetIfChanged(dashboardView.tijdTimerColor[n], kTimerGestart);
            gewijzigd |= SetIfChanged(dashboardView.tijdTimerCaption[n], IntervalInSeconden(t.Interval()));
            timers.TimerStopwatch->SetEnabled(true);
        } else if (A[2] == 2) {
            t.SetEnabled(false);
            shared.TimerUitgang[n] = false;
            gewijzigd |= SetIfChanged(dashboardView.tijdTimerColor[n], kTimerGereset);
            gewijzigd |= SetIfChanged(dashboardView.tijdTimerCaption[n], IntervalInSeconden(t.Interval()));
        }
    }
    if (gewijzigd) dashboardView.changed();
}

// Memory set or reset, variable set (every pass) or increase and decrease
// (once per activation, only within bounds).
void GeheugenOfVariabeleActie(int r) {
    const auto& A = shared.Acties[r];
    if (A[1] == 1) {
        const int m = A[3];
        if (!GeldigeIndex(m, 0, 7)) return;
        if (A[2] == 1) {
            shared.GeheugenToestand[m] = true;
            if (SetIfChanged(ladderView.geheugenColor[m], kGeheugenAan)) ladderView.changed();
        } else if (A[2] == 2) {
            shared.GeheugenToestand[m] = false;
            if (SetIfChanged(ladderView.geheugenColor[m], kGeheugenUit)) ladderView.changed();
        }
    } else if (A[1] == 2) {
        const int v = VariabeleActie(r, kVariabeleMax);
        if (v != 0 && SetIfChanged(ladderView.varCaption[v], QString::number(shared.Variabelen[v])))
            ladderView.changed();
    }
}

// Plays the rung's sound once per activation, without waiting for it.
void GeluidActie(int r) {
    if (shared.ActieUitgevoerd[r]) return;
    shared.ActieUitgevoerd[r] = true;
    if (shared.GeluidBestanden[r].isEmpty()) return;
    soundPlayer().PlayAsync(SoundPath(shared.GeluidMappen[r], shared.GeluidBestanden[r]));
}

// The activity gauge moves one step per pass, to and fro between 0 and 1000.
void ActiviteitStap() {
    Integer& niveau = shared.ActiviteitNiveau;
    int& richting = ladderView.floodType;
    if (richting == 1) {
        if (niveau < 1000) ++niveau;
        else richting = 2;
    } else if (richting == 2) {
        if (niveau >= 1) --niveau;
        else richting = 1;
    }
    ladderView.floodPercent = niveau / 10.0;
    ladderView.changed();
}

}  // namespace

int VariabeleActie(int r, int max) {
    const auto& A = shared.Acties[r];
    const int v = A[2];
    if (!GeldigeIndex(v, 1, 3)) return 0;
    Integer& x = shared.Variabelen[v];
    const int w = A[4];
    const int op = A[3];
    if (op == 1) {
        x = static_cast<Integer>(w);
    } else if ((op == 2 || op == 3) && !shared.ActieUitgevoerd[r]) {
        const int nieuw = op == 2 ? x + w : x - w;
        // A skipped step leaves the flag clear and is tried again next pass.
        const bool binnen = op == 2 ? nieuw <= max && nieuw >= -32768 : nieuw >= 0 && nieuw <= 32767;
        if (binnen) {
            x = static_cast<Integer>(nieuw);
            shared.ActieUitgevoerd[r] = true;
        }
    }
    return v;
}

QString IntervalInSeconden(int ms) { return QString::number(ms / 1000.0); }

void LoopActies() {
    const auto& R = shared.ConditieResultaat;
    bool gewijzigd = false;
    for (int r = 1; r <= kRungs; ++r) {
        ActionRowView& cel = ladderView.actie[r];
        if (!(R[3 * r - 2] && R[3 * r - 1] && R[3 * r])) {
            gewijzigd |= SetIfChanged(cel.frameColor, kActieRust);
            continue;
        }
        gewijzigd |= SetIfChanged(cel.frameColor, kActieHoudt);
        switch (shared.Acties[r][0]) {
        case 1: UitgangActie(r); break;
        case 2: TimerActie(r); break;
        case 3: GeheugenOfVariabeleActie(r); break;
        case 4: GeluidActie(r); break;
        default: break;
        }
    }
    if (gewijzigd) ladderView.changed();
    if (shared.Verbindingsstatus == 1) networkLink().SendChangedNetworkOutputs();
    ActiviteitStap();
}

}  // namespace tamberlo
