#pragma once
// The rest of the network link beside the run engine's calls (NetworkLink.h):
// WinsockHost's event handlers, the failure details NetwerkFout shows, the
// peer's search lamps and the two activity lamp timers.

#include <QString>

#include <array>
#include <cstdint>

#include "VbTimer.h"
#include "WinsockControl.h"

namespace tamberlo {

// WinsockHost with the link's handlers installed (at first use).
WinsockControl& NetwerkSocket();

// WinsockHost's data arrival: handles every whole message received.
void WinsockHost_DataArrival();
// WinsockHost's error event: keeps the details, then NetwerkFout.
void WinsockHost_Error(int number, const QString& description, const QString& source);

// What NetwerkFout shows: the last failure of the link.
struct NetwerkFoutInfo {
    int nummer = 0;
    QString beschrijving;
    QString bron;
};
NetwerkFoutInfo& LaatsteNetwerkFout();
// The text of NetwerkFout's message box for a failure.
QString NetwerkFoutTekst(const NetwerkFoutInfo& fout);
// The message for a received text that is no message, and its title.
QString OnbekendFormaatTekst(const QString& received);
QString OnbekendFormaatTitel();

// The peer's search lamps on the dashboard: PanelVellemanGevondenNetw(0..3)
// and PanelBraskGevondenNetw; red &H8080FF not found, green &H80FF80 found.
struct NetwerkPeerLampen {
    std::array<std::uint32_t, 4> vellemanGevonden{0x8080FF, 0x8080FF, 0x8080FF, 0x8080FF};
    std::uint32_t braskGevonden = 0x8080FF;
    std::uint64_t revision = 0;
};
NetwerkPeerLampen& PeerLampen();

// The 500 ms timers that end the flash of PanelNetwerkIn and PanelNetwerkUit.
VbTimer& TimerNetwerkInVertraag();
VbTimer& TimerNetwerkUitVertraag();

// How long MaakVerbinding waits for the peer (10 s); tests shorten it.
void SetVerbindingsTimeoutMs(int ms);

// Tests: forgets half-received text and the open message flag.
void ResetNetwerkLink();

}  // namespace tamberlo
