#pragma once
// What the main window shows of the ladder, as plain data. The store, the
// file reader, the caption writers and the scan write here; the ladder
// widget paints from it. Writers never touch widgets, so a scan cycle costs
// no restyling and the code runs in tests without a screen. When `revision`
// moved on, the widget repaints (at most once per frame) the cells and rows
// that differ from what it last painted.

#include <QString>

#include <array>
#include <cstdint>

#include "SharedState.h"

namespace tamberlo {

// Colours are the toolkit's 24-bit values with red in the low byte (&HBBGGRR).
using VbColor = std::uint32_t;

// Colours every window and the run share, named once.
constexpr VbColor kLampRed = 0x8080FF;     // not found, set, running
constexpr VbColor kLampGreen = 0x80FF80;   // found, connected
constexpr VbColor kLampYellow = 0xC0FFFF;  // a network message just went out or came in
constexpr VbColor kPanelGrey = 0xD7D7D7;   // a lamp that shows nothing

constexpr VbColor kColorCellGreen = 0xC0FFC0;     // condition frame
constexpr VbColor kColorCellGrey = 0xE0E0E0;      // empty condition caption
constexpr VbColor kColorActionBlue = 0xFFC0C0;    // action frame
constexpr VbColor kColorActionGrey = 0xC0C0C0;    // empty action caption
constexpr VbColor kColorButtonText = 0x80000012;  // system colour: button text
constexpr VbColor kColorBlack = 0x000000;
constexpr VbColor kColorRed = 0x0000FF;  // 255: a conducting wire

struct CaptionPanel {
    QString caption;
    VbColor backColor = kColorCellGrey;
    VbColor foreColor = kColorButtonText;
    bool operator==(const CaptionPanel&) const = default;
};

struct ConditionCellView {
    bool frameVisible = false;  // PanelConditie(i)
    VbColor frameColor = kColorCellGreen;
    std::array<CaptionPanel, 4> lines;  // PanelConditieA..D(i)
    bool addButtonVisible = true;       // CommandVoegConditieToe(i)
    bool wireVisible = true;            // LineConditie(i)
    VbColor wireColor = kColorBlack;
    bool linkLineVisible = false;  // LijnConditieVertikaal(i), i <= 267
    VbColor linkLineColor = kColorBlack;
    bool linkButtonVisible = false;  // CommandVoegConditieToeVertikaal(i), i <= 267
    bool operator==(const ConditionCellView&) const = default;
};

struct ActionRowView {
    bool frameVisible = false;  // PanelActie(r)
    VbColor frameColor = kColorActionBlue;
    std::array<CaptionPanel, 4> lines;  // PanelActieA..D(r)
    bool addButtonVisible = true;       // CommandVoegActieToe(r), r >= 1
    bool orWireVisible = false;         // LineHorOr(r)
    VbColor orWireColor = kColorBlack;
    bool supplyVisible = true;  // LineVoeding(r)
    VbColor supplyColor = kColorBlack;
    bool operator==(const ActionRowView&) const = default;
};

struct LadderView {
    std::array<ConditionCellView, kConditions + 1> cell;  // 1..270
    std::array<ActionRowView, kRungs + 1> action;         // 0..90
    VbColor leftRailColor = kColorBlack;                  // LineLadderLinks

    QString windowCaption;                                        // the main window's caption
    QString startNote;                                            // the start-only row's note, printed at (150, 20)
    bool rungNumbers = false;                                     // the rung numbers 1..90 are printed
    QString changeCaption = QStringLiteral("Wijzig");             // CommandPanelConditie / CommandPanelActie
    QString addActionCaption = QStringLiteral("Voeg actie toe");  // CommandVoegActieToe
    QString fileDialogName;                                       // CommonDialog's file name
    QString fileDialogFolder;                                     // CommonDialog's starting folder (the work folder)
    QString clearPicture = "BtnWissenLeeg.bmp";                   // picture of CommandWissen

    // ---- main-window panels around the ladder (the run engine writes them) ----
    CaptionPanel status{QStringLiteral("Niet verbonden."), kPanelGrey, kColorBlack};  // PanelStatus
    QString cycleTime;                                                                // PanelCyclustijd caption
    VbColor startStopColor = 0xC0C0C0;                                                // PanelStartStop: run lamp
    int floodType = 1;        // SSPanelFlood: 1 fills from the left, 2 from the right
    double floodPercent = 0;  // SSPanelFlood: activity gauge 0..100
    std::array<VbColor, 4> braskFound{kPanelGrey, kPanelGrey, kPanelGrey, kPanelGrey};     // PanelBraskGevonden(1..3)
    std::array<VbColor, 4> vellemanFound{kPanelGrey, kPanelGrey, kPanelGrey, kPanelGrey};  // PanelVellemanGevonden(0..3)
    VbColor vellemanFoundLamp = kPanelGrey;                                                // SSPanelVellemanGevonden (any card)
    VbColor braskEmberFoundLamp = kPanelGrey;                                              // SSPanelBraskEmberGevonden
    VbColor icp12FoundLamp = kPanelGrey;                                                   // SSPaneliCP12USBstickGevonden
    std::array<VbColor, 3> searchButtonColor{kPanelGrey, kPanelGrey, kPanelGrey};  // CMDZoekVelleman, CMDZoekBrask, CMDZoekiCP12
    VbColor networkInColor = kPanelGrey;                                           // PanelNetwerkIn
    VbColor networkOutColor = kPanelGrey;                                          // PanelNetwerkUit

    std::array<VbColor, 8> memoryColor{};   // PanelGeheugen(0..7)
    std::array<QString, 4> varCaption;      // PanelVarABC(1..3)
    std::array<int, 8> presetTimerValue{};  // HScrollPresetTimer(0..7)

    // The peer's host and port as the settings window's panels PanelIPadres
    // and PanelPoort show them; a ladder file that is read sets both.
    QString panelIpAddress;
    QString panelPort;

    std::uint64_t revision = 0;  // moves on with every change the widget must show
    void changed() { ++revision; }

    LadderView();
};

extern LadderView ladderView;

}  // namespace tamberlo
