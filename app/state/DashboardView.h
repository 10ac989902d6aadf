#pragma once
// What the dashboard window shows, as plain data, in the same way as the
// ladder view: the run engine, the output actions and the input reading write
// here; the dashboard paints from it when `revision` moved on.

#include <QString>

#include <array>
#include <cstdint>

#include "LadderView.h"

namespace tamberlo {

// Search lamp colours: not found, found, searching.
constexpr VbColor kZoekRood = 0x8080FF;
constexpr VbColor kZoekGroen = 0x80FF80;
constexpr VbColor kZoekOranje = 0xC0E0FF;

struct DashboardView {
    // PanelTimer(0..7): gauge of a ladder timer's remaining time (flood
    // percentage 0..100) and its caption (written by the start-only row).
    std::array<double, 8> timerFlood{};
    std::array<QString, 8> timerCaption;
    // PanelTijdTimer(0..7): a timer's interval in seconds; light red while
    // started, light blue after a reset.
    std::array<QString, 8> tijdTimerCaption;
    std::array<VbColor, 8> tijdTimerColor{};

    // DigUitVelPar: local output lamps, index group * 10 + output 1..8
    // (groups 0..3 cards, 4..6 parallel ports, 7 the Kelvanor module, 10 the
    // Arduino); true = lit (fill style 0).
    std::array<bool, 110> digUitVelPar{};
    // PanelAnaUitDecimaal(2 * card + channel): the local analog output value
    // last written to the card (or shown, while the card is not found). The
    // output actions compare against it; the gauges follow AnaloogUitA1/A2.
    std::array<QString, 9> anaUitDecimaal;

    std::uint64_t revision = 0;
    void changed() { ++revision; }

    DashboardView();
};

extern DashboardView dashboardView;

}  // namespace tamberlo
