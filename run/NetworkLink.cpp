#include "NetworkLink.h"

namespace tamberlo {

namespace {

// Until the link's unit is in, the program runs with a link that never connects.
class NoNetworkLink final : public NetworkLink {
public:
    void MaakVerbinding() override {}
    int WinsockState() override { return 0; }
    void SendChangedNetworkOutputs() override {}
    void QuitNetworkLink() override {}
    void CloseConnectingLink() override {}
};

NetworkLink* installed = nullptr;

}  // namespace

NetworkLink& networkLink() {
    static NoNetworkLink none;
    return installed ? *installed : static_cast<NetworkLink&>(none);
}

void SetNetworkLink(NetworkLink* link) { installed = link; }

void NetwerkFout() {}

}  // namespace tamberlo
