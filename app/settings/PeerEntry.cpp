#include "PeerEntry.h"

#include <cfenv>
#include <cmath>

#include "Controls.h"
#include "Dialogs.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "SettingsFile.h"

namespace tamberlo {

namespace {

constexpr char kCR = '\r';

// Connected: names the peer to disconnect first. Connecting: nothing.
// Returns true when the entry may go on.
bool mayEdit() {
    if (shared.Verbindingsstatus == 1) {
        dialogs().MsgBox(T("Verbreek eerst de verbinding met:", "First break connection with:") + WinsockHost().RemoteHostIP(),
                         MsgButtons::Ok);
        return false;
    }
    return shared.Verbindingsstatus == 0;
}

void showPeer() {
    ladderView.panelIpAddress = WinsockHost().RemoteHost();
    ladderView.panelPort = QString::number(WinsockHost().RemotePort());
    ladderView.changed();
}

}  // namespace

std::optional<Long> PortFromEntry(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    int i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    QString number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool digits = false;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits) return 0;
    const double value = number.toDouble();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (rounded < 0 || rounded > 65535) return std::nullopt;
    return static_cast<Long>(rounded);
}

void PanelIPadres_Click() {
    if (!mayEdit()) return;
    const QString prompt = T("Handmatig invoeren IP adres.", "Manual input IP adres.") + kCR + kCR +
                           T("Op de andere computer (Server) vindt u het in te voeren IP-adres.",
                             "On the other computer (Server) you can find the IP-adres to input.");
    const QString answer = dialogs().InputBox(prompt, QString(), QString());
    const QString host = answer.isEmpty() ? shared.NetwerkAdres : answer;
    if (!TakePeerAddress(host)) return;
    showPeer();
    if (SettingsWriteFailure why; !WriteSettingsFromWinsock(&why))
        dialogs().MsgBox(TextSettingsNotWritten(TextAddressForSession(), why), MsgButtons::Ok);
}

void PanelPoort_Click() {
    if (!mayEdit()) return;
    const QString prompt =
        T("Handmatig invoeren Poort nummer.", "Manual input Port number.") + kCR + kCR +
        T("De andere computer (Server) moet dezelfde poort gebruiken.", "The other computer (Server) should use the same port.");
    const std::optional<Long> port = PortFromEntry(dialogs().InputBox(prompt, QString(), QString()));
    WinsockHost().SetRemotePort(port.value_or(shared.NetwerkPoort));
    showPeer();
    if (SettingsWriteFailure why; !WriteSettingsFromWinsock(&why))
        dialogs().MsgBox(TextSettingsNotWritten(TextPortForSession(), why), MsgButtons::Ok);
}

}  // namespace tamberlo
