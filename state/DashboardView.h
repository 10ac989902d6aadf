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
constexpr VbColor kSearchRed = kLampRed;
constexpr VbColor kSearchGreen = kLampGreen;
constexpr VbColor kSearchOrange = 0xC0E0FF;

struct DashboardView {
    // PanelTimer(0..7): gauge of a ladder timer's remaining time (flood
    // percentage 0..100) and its caption (written by the start-only row).
    std::array<double, 8> timerFlood{};
    std::array<QString, 8> timerCaption;
    // PanelTijdTimer(0..7): a timer's interval in seconds; light red while
    // started, light blue after a reset.
    std::array<QString, 8> timeTimerCaption;
    std::array<VbColor, 8> timeTimerColor{};

    // DigUitVelPar: local output lamps, index group * 10 + output 1..8
    // (groups 0..3 cards, 4..6 parallel ports, 7 the Kelvanor module, 10 the
    // Arduino); true = lit (fill style 0).
    std::array<bool, 110> digOutVelPar{};
    // DigInVelPar: local input lamps alike (group 7 the module's inputs 1..8).
    std::array<bool, 110> digInVelPar{};
    // The peer's lamps, groups 0..7 as above and 8 the Arduino.
    std::array<bool, 90> digInVelParNetwork{};
    std::array<bool, 90> digOutVelParNetwork{};

    // Analog panels, item = 2 * card + channel (1..8): the value as a caption
    // (PanelAnaInDecimaal, PanelAnaUitDecimaal) and as a gauge in flood
    // percent (PanelAnaloogIn, PanelAnaloogUit), local and the peer's.
    std::array<QString, 9> analogInDecimal;
    std::array<double, 9> analogIn{};
    std::array<QString, 9> analogOutDecimal;
    std::array<double, 9> analogOut{};
    std::array<QString, 9> analogInDecimalNetwork;
    std::array<double, 9> analogInNetwork{};
    std::array<QString, 9> analogOutDecimalNetwork;
    std::array<double, 9> analogOutNetwork{};

    // Labels Brask and iCP: the Kelvanor module's and the Arduino's output byte.
    QString brask = QStringLiteral("0");
    QString icp = QStringLiteral("0");

    // Search lamps: PanelVellemanGevonden(0..3), PanelBraskGevonden(1),
    // SSPaneliCP12USBstickGevonden.
    std::array<VbColor, 4> vellemanFound{kSearchRed, kSearchRed, kSearchRed, kSearchRed};
    VbColor braskFound = kSearchRed;
    VbColor icp12Found = kSearchRed;

    std::uint64_t revision = 0;
    void changed() { ++revision; }

    DashboardView();
};

extern DashboardView dashboardView;

// Sets one lamp of an array; items outside it are ignored.
template <std::size_t N>
void SetLamp(std::array<bool, N>& lamps, int item, bool on) {
    if (item >= 0 && item < static_cast<int>(N)) lamps[item] = on;
}

}  // namespace tamberlo
