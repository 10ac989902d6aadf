#include "InputReading.h"

#include <array>

#include "DashboardView.h"
#include "Detection.h"
#include "FunctionKeys.h"
#include "ParallelPorts.h"
#include "ReentryGuard.h"
#include "SharedState.h"
#include "VellemanCards.h"
#include "Yielding.h"

namespace tamberlo {

namespace {

bool inYield = false;  // a call is inside its event point

Integer bitOn(int word, int mask) { return (word & mask) ? -1 : 0; }

QString number(long v) { return QString::number(v); }

// Spreads `count` bits of `word` (from `firstBit` on) into image column `col`, inputs 1..count.
void spread(int col, int word, int firstBit, int count) {
    for (int k = 1; k <= count; ++k) shared.IngangDigitaal[col][k] = bitOn(word, 1 << (firstBit + k - 1));
    for (int k = 1; k <= count; ++k) SetLamp(dashboardView.digInVelPar, 10 * col + k, shared.IngangDigitaal[col][k] != 0);
    dashboardView.changed();
}

void showAnalog(int item, long value) {
    dashboardView.analogInDecimal[item] = number(value);
    dashboardView.analogIn[item] = value / 2.55;
    dashboardView.changed();
}

void readVellemanCards() {
    const int mask = shared.VellemanKaartMasker;
    if (mask <= 0) return;
    struct ReadValues {
        Long digital = 0, a1 = 0, a2 = 0;
    };
    std::array<ReadValues, 4> readValues{};
    for (int card = 0; card <= 3; ++card) {
        if (!(mask & (1 << card))) continue;
        velleman::SetCurrentDevice(card);
        readValues[card].digital = velleman::ReadAllDigital();
        velleman::ReadAllAnalog(readValues[card].a1, readValues[card].a2);
    }
    // A card that failed while it was read is dropped, not read as all inputs off.
    const int alive = velleman::Connected() & 0xFFFF;
    for (int card = 0; card <= 3; ++card) {
        if (!(mask & (1 << card)) || !(alive & (1 << card))) continue;
        const ReadValues& g = readValues[card];
        Integer x = static_cast<Integer>(g.digital);
        if (x != shared.InterfaceWoord[card]) {
            spread(card, x, 0, 5);
            shared.InterfaceWoord[card] = x;
        }
        shared.IngangAnaloog[card] = g.a1;
        shared.IngangAnaloog[4 + card] = g.a2;
        if (g.a1 != shared.AnaloogVorige[card]) {
            showAnalog(2 * card + 1, g.a1);
            shared.AnaloogVorige[card] = static_cast<Integer>(g.a1);
        }
        if (g.a2 != shared.AnaloogVorige[card + 5]) {
            showAnalog(2 * card + 2, g.a2);
            shared.AnaloogVorige[card + 5] = static_cast<Integer>(g.a2);
        }
    }
    if (int lost = mask & 0x0F & ~alive) VellemanCardsLost(lost);
}

void readParallelPorts() {
    for (int p = 1; p <= 3; ++p) {
        // The status register is at base + 1; the address goes as a 16-bit integer.
        auto adres = static_cast<std::int16_t>((shared.ParallellePoortAdressen[p - 1] + 1) & 0xFFFF);
        int x = 255 - (Inp32(adres) & 0xFF);  // the status lines are active low
        if (x != shared.InterfaceWoord[p + 3]) {
            spread(p + 3, x, 3, 5);
            shared.InterfaceWoord[p + 3] = static_cast<Integer>(x);
        }
    }
}

void readModule() {
    if (shared.ModuleIngangWoord == shared.InterfaceWoord[kGroupKelvanor]) return;
    spread(kGroupKelvanor, shared.ModuleIngangWoord, 0, 8);
    shared.InterfaceWoord[kGroupKelvanor] = shared.ModuleIngangWoord;
}

void readFunctionKeys() {
    for (int k = 1; k <= 8; ++k) shared.ToetsToestand[k - 1] = functionKeys().Held(k);
}

}  // namespace

void InitialiseerIngangen() { ReadInputsWaitingAtMost(0); }

void ReadInputsWaitingAtMost(int maxWaitMs) {
    // The event point of the run: timers, links, clicks and the Kelvanor
    // control's events are handled here. A call from a handler inside this
    // yield returns at once; the outer call reads the inputs next.
    {
        ReentryGuard guard(inYield);
        if (!guard.entered()) return;
        YieldWaitingAtMost(maxWaitMs);
    }
    readVellemanCards();
    readParallelPorts();
    readModule();
    readFunctionKeys();
}

VbTimer& TimerLeesIngangen() {
    static VbTimer* t = [] {
        auto* timer = new VbTimer(10, false);  // lives as long as the program
        timer->onTimer = [] { InitialiseerIngangen(); };
        return timer;
    }();
    return *t;
}

void InitialiseerInterfaces() {
    for (int p = 0; p < 3; ++p) Out32(static_cast<std::int16_t>(shared.ParallellePoortAdressen[p] & 0xFFFF), 0);
    AangeslotenVelleman();
    for (int card = 3; card >= 0; --card) {
        if (!(shared.VellemanKaartMasker & (1 << card))) continue;
        velleman::SetCurrentDevice(card);
        velleman::WriteAllDigital(0);
        velleman::OutputAllAnalog(0, 0);
    }
}

}  // namespace tamberlo
