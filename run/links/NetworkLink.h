#pragma once
// The network link as the run commands and the action executor use it.
// The link itself (socket, frames, acknowledgements) lives in its own unit,
// which makes networkLink() return it; tests install a fake.

namespace tamberlo {

class NetworkLink {
public:
    virtual ~NetworkLink() = default;

    // Opens the link to the peer and greets it; returns when the link is up
    // or the attempt failed. The outcome is in shared.Verbindingsstatus (1 or
    // 0). Yields to the event loop while it waits.
    virtual void MaakVerbinding() = 0;

    // WinsockHost's state: 0 closed, 6 connecting, 7 connected (other values: under way).
    virtual int WinsockState() = 0;

    // End of every action pass while Verbindingsstatus is 1: sends the
    // changed network outputs ("du", "au") as far as no acknowledgement is awaited.
    virtual void SendChangedNetworkOutputs() = 0;

    // Pause and Stop with the link up: Verbindingsstatus := 0, sends the quit
    // message "qu", closes the link and shows "Niet verbonden." on
    // PanelStatus. A failure goes to NetwerkFout.
    virtual void QuitNetworkLink() = 0;

    // Stop while the link is still connecting: closes it without a quit
    // message and shows "Niet verbonden." on PanelStatus. Verbindingsstatus
    // is left to MaakVerbinding.
    virtual void CloseConnectingLink() = 0;
};

// The link in use.
NetworkLink& networkLink();
// Installs `link` (not owned) in place of the program's link; nullptr restores it.
void SetNetworkLink(NetworkLink* link);

// Reports a failure of the link in a message box and closes the link.
void NetwerkFout();

// Shorthands for the calls the run engine makes.
inline void MaakVerbinding() { networkLink().MaakVerbinding(); }

}  // namespace tamberlo
