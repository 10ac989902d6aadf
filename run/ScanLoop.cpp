#include "ScanLoop.h"

#include <QString>

#include <limits>

#include "ActionExecutor.h"
#include "ConditionEvaluation.h"
#include "InputReading.h"
#include "LadderView.h"
#include "RunClock.h"
#include "RunColours.h"
#include "SetIfChanged.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

constexpr VbColor kCelWaar = 0xE6FFE6;
constexpr VbColor kCelOnwaar = 0xC0FFC0;
// The cycle time is shown at a rate a person can read.
constexpr double kTijdVerversen = 0.25;

bool lusBezig = false;
bool cyclusBezig = false;
unsigned long long cycles = 0;
double tijdGetoondOp = -std::numeric_limits<double>::infinity();

struct Bezig {
    bool& vlag;
    explicit Bezig(bool& v) : vlag(v) { vlag = true; }
    ~Bezig() { vlag = false; }
};

bool Leeg(int i) { return shared.Condities[i][0] == 0; }

// Colours cell n by its result; the red wires run from the rail up to the
// first false cell of the rung. A false cell ends its rung's activation.
bool KleurCel(int n) {
    auto& R = shared.ConditieResultaat;
    auto& cel = ladderView.cel;
    bool gewijzigd = false;
    const int kolom = KolomVanCel(n);
    if (R[n]) {
        gewijzigd |= SetIfChanged(cel[n].frameColor, kCelWaar);
        if (kolom == 0) {
            gewijzigd |= SetIfChanged(cel[n].wireColor, kKleurRood);
            if (Leeg(n + 1)) {
                gewijzigd |= SetIfChanged(cel[n + 1].wireColor, kKleurRood);
                R[n + 1] = true;
                if (Leeg(n + 2)) gewijzigd |= SetIfChanged(cel[n + 2].wireColor, kKleurRood);
            }
        } else if (kolom == 1) {
            if (R[n - 1]) {
                gewijzigd |= SetIfChanged(cel[n].wireColor, kKleurRood);
                if (Leeg(n + 1)) {
                    gewijzigd |= SetIfChanged(cel[n + 1].wireColor, kKleurRood);
                    R[n + 1] = true;
                }
            }
        } else if (R[n - 2] && R[n - 1]) {
            gewijzigd |= SetIfChanged(cel[n].wireColor, kKleurRood);
        }
    } else {
        shared.ActieUitgevoerd[RungVanCel(n)] = false;
        gewijzigd |= SetIfChanged(cel[n].frameColor, kCelOnwaar);
        for (int k = n; k <= n + 2 - kolom; ++k) gewijzigd |= SetIfChanged(cel[k].wireColor, kKleurZwart);
    }
    return gewijzigd;
}

// A vertical link in the first cell n of rung r joins r to the rung above:
// the rung's three results follow the three results of the rung above.
bool Verbinding(int n) {
    auto& R = shared.ConditieResultaat;
    const int r = RungVanCel(n);
    const bool boven = R[n - 3] && R[n - 2] && R[n - 1];
    const VbColor kleur = boven ? kKleurRood : kKleurZwart;
    bool gewijzigd = SetIfChanged(ladderView.cel[n - 1].linkLineColor, kleur);
    gewijzigd |= SetIfChanged(ladderView.actie[r].orWireColor, kleur);
    R[n] = R[n + 1] = R[n + 2] = boven;
    return gewijzigd;
}

}  // namespace

void EvalueerCellen() {
    KlokLezer klok;
    bool gewijzigd = false;
    auto& R = shared.ConditieResultaat;
    for (int n = 1; n <= kCondities; ++n) {
        const int soort = shared.Condities[n][0];
        if (soort == 4) {
            // Only the first cell of rung 2 or later can link to a rung above.
            if (KolomVanCel(n) == 0 && n > 3) {
                gewijzigd |= Verbinding(n);
                n += 2;  // the rung's other two cells belong to the link
            } else {
                R[n] = false;
            }
        } else if (soort >= 1 && soort <= 3) {
            if (const auto uitkomst = EvalueerConditie(n, klok)) R[n] = *uitkomst;
        }
        gewijzigd |= KleurCel(n);
    }
    if (gewijzigd) ladderView.changed();
}

void ScanCyclus() {
    if (cyclusBezig) return;
    Bezig bezig(cyclusBezig);
    RunClock& klok = runClock();
    const double begin = klok.Seconden();
    EvalueerCellen();
    LoopActies();
    InitialiseerIngangen();
    ++cycles;
    // Stop clears the shown time; a cycle that ended in a stop leaves it so.
    if (shared.ProgrammaStatus != 1) return;
    const double einde = klok.Seconden();
    if (einde - tijdGetoondOp >= kTijdVerversen) {
        tijdGetoondOp = einde;
        if (SetIfChanged(ladderView.cyclustijd, QString::number(einde - begin, 'f', 3))) ladderView.changed();
    }
}

bool ScanLoopRunning() { return lusBezig; }
unsigned long long ScanCycles() { return cycles; }

void LoopConditie() {
    if (lusBezig) return;
    Bezig bezig(lusBezig);
    tijdGetoondOp = -std::numeric_limits<double>::infinity();
    InitialiseerIngangen();
    for (;;) {
        if (shared.ProgrammaStatus == 2) {
            if (SetIfChanged(ladderView.startStopColor, kLampGepauzeerd)) ladderView.changed();
            return;
        }
        if (shared.ProgrammaStatus != 1) return;
        ScanCyclus();
    }
}

}  // namespace tamberlo
