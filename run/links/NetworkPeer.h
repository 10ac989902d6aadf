#pragma once
// The rest of the network link beside the run engine's calls (NetworkLink.h):
// WinsockHost's event handlers, the failure details NetwerkFout shows, the
// peer's search lamps and the two activity lamp timers.

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

#include "LadderView.h"
#include "VbTimer.h"
#include "WinsockControl.h"

namespace tamberlo {

// WinsockHost with the link's handlers installed (at first use).
WinsockControl& NetworkSocket();

// WinsockHost's data arrival: handles every whole message received.
void WinsockHost_DataArrival();
// WinsockHost's error event: keeps the details, then NetwerkFout.
void WinsockHost_Error(int number, const QString& description, const QString& source);
// WinsockHost's close event: the peer closed the connection. A link in use
// is lost: shown at once, then reported once like any lost connection.
void WinsockHost_Close();

// What NetwerkFout shows: the last failure of the link.
struct NetworkErrorInfo {
    int number = 0;
    QString description;
    QString source;
};
NetworkErrorInfo& LastNetworkError();
// The text of NetwerkFout's message box for a failure.
QString NetworkErrorText(const NetworkErrorInfo& error);
// The message for a received text that is no message, and its title.
QString UnknownFormatText(const QString& received);
QString UnknownFormatTitle();

// The peer's search lamps on the dashboard: PanelVellemanGevondenNetw(0..3)
// and PanelBraskGevondenNetw; red &H8080FF not found, green &H80FF80 found.
struct NetworkPeerLamps {
    std::array<VbColor, 4> vellemanFound{kLampRed, kLampRed, kLampRed, kLampRed};
    VbColor braskFound = kLampRed;
    std::uint64_t revision = 0;
};
NetworkPeerLamps& PeerLamps();

// The 500 ms timers that end the flash of PanelNetwerkIn and PanelNetwerkUit.
VbTimer& TimerNetwerkInVertraag();
VbTimer& TimerNetwerkUitVertraag();
// A message went out: PanelNetwerkUit lights yellow until TimerNetwerkUitVertraag greys it.
void FlashNetworkOut();

// How long MaakVerbinding waits for the peer (10 s); tests shorten it.
void SetConnectTimeoutMs(int ms);

// What the run does when the peer sends its stop, before the link closes.
// Empty here, so the link needs nothing above it; the run engine fills it
// (InstallRunHooks in RunCommands.h).
struct PeerStopHooks {
    std::function<void()> endRun;
};
PeerStopHooks& peerStopHooks();

// Tests: forgets half-received text and the open message flag.
void ResetNetworkLink();

}  // namespace tamberlo
