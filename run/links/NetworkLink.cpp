#include "NetworkLink.h"

#include <QElapsedTimer>

#include "Dialogs.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "NetworkPeer.h"
#include "NetworkProtocol.h"
#include "SharedState.h"
#include "Yielding.h"

namespace tamberlo {

namespace {

constexpr VbColor kStatusOrange = 0x80FF;
constexpr int kSendFailedNumber = 40006;  // the control's "wrong state for the request"

int connectTimeoutMs = 10000;

void setStatus(const char* dutch, const char* english, VbColor color) {
    ladderView.status.caption = T(dutch, english);
    ladderView.status.backColor = color;
    ladderView.changed();
}

void statusNotConnected() { setStatus("Niet verbonden.", "Not Connected.", kPanelGrey); }

// A failed write: the details for NetwerkFout's box.
void noteSendFailure() {
    LastNetworkError() = {kSendFailedNumber,
                          QStringLiteral("Wrong protocol or connection state for the requested transaction or request"),
                          QStringLiteral("WinsockHost")};
}

bool sendMessage(const QString& code, const QString& payload) {
    if (NetworkSocket().SendData(NetwerkBericht(code, payload))) return true;
    noteSendFailure();
    return false;
}

// The attempt failed or was ended from outside: the link is closed.
void attemptFailed() {
    NetworkSocket().Close();
    shared.Verbindingsstatus = 0;
    statusNotConnected();
}

}  // namespace

void SetConnectTimeoutMs(int ms) { connectTimeoutMs = ms; }

namespace {

// The link over WinsockHost.
class TcpNetworkLink final : public NetworkLink {
public:
    void MaakVerbinding() override;
    int WinsockState() override { return NetworkSocket().State(); }
    void SendChangedNetworkOutputs() override;
    void QuitNetworkLink() override;
    void CloseConnectingLink() override;
};

NetworkLink* installed = nullptr;

}  // namespace

NetworkLink& networkLink() {
    static TcpNetworkLink tcp;
    return installed ? *installed : static_cast<NetworkLink&>(tcp);
}

void SetNetworkLink(NetworkLink* link) { installed = link; }

void TcpNetworkLink::MaakVerbinding() {
    WinsockControl& socket = NetworkSocket();
    setStatus("Zoeken...", "Searching...", kStatusOrange);
    if (!socket.Connect()) {
        // No host, a bad port or a socket still busy: a failed attempt.
        attemptFailed();
        return;
    }
    shared.Verbindingsstatus = 3;

    QElapsedTimer clock;
    clock.start();
    bool timedOut = false;
    WaitWhile([&] {
        if (shared.Verbindingsstatus != 3) return false;  // a "qu" or a failure ended it
        const int state = socket.State();
        if (state == WinsockControl::sckConnected || state == WinsockControl::sckClosed || state == WinsockControl::sckError ||
            state == WinsockControl::sckClosing)
            return false;
        if (clock.elapsed() >= connectTimeoutMs) {
            timedOut = true;
            return false;
        }
        return true;
    });
    if (timedOut && shared.Verbindingsstatus == 3) {
        // The peer never answered: reported like a refusal.
        LastNetworkError() = {WinsockControl::sckTimedout, QStringLiteral("Connection timed out"), QStringLiteral("WinsockHost")};
        NetwerkFout();
    }
    // Each step of the greeting fails the attempt when the link went away
    // meanwhile (a handler at a yield may have closed it) or a send failed.
    auto stillConnected = [&] {
        if (shared.Verbindingsstatus == 3 && socket.State() == WinsockControl::sckConnected) return true;
        attemptFailed();
        return false;
    };
    auto greeting = [](const char* code) {
        if (sendMessage(QString::fromLatin1(code), {})) return true;
        NetwerkFout();
        attemptFailed();
        return false;
    };

    if (!stillConnected() || !greeting("ve")) return;
    setStatus("Verbonden.", "Connected.", kLampGreen);
    shared.AuWacht = 0;
    shared.DuWacht = 0;
    Yield();
    if (!stillConnected() || !greeting("dc")) return;
    Yield();
    if (!stillConnected()) return;
    shared.Verbindingsstatus = 1;
}

void NetwerkFout() {
    dialogs().MsgBox(NetworkErrorText(LastNetworkError()), MsgButtons::Ok);
    if (shared.Verbindingsstatus == 1) {
        shared.Verbindingsstatus = 0;
        NetworkSocket().Close();
        Yield();
        statusNotConnected();
    } else if (shared.Verbindingsstatus == 3) {
        NetworkSocket().Close();
        statusNotConnected();
    }
}

void TcpNetworkLink::SendChangedNetworkOutputs() {
    if (shared.Verbindingsstatus != 1) return;

    if (shared.DuWacht == 0) {
        QString s;
        std::array<bool, 9> changed{};
        for (int i = 0; i <= 8; ++i) {
            if (shared.NetwUitgangenVerzonden[i] != shared.NetwUitgangen[i]) {
                s += QLatin1Char('k') + QString::number(i) + QLatin1Char('-') + QString::number(shared.NetwUitgangen[i]);
                changed[i] = true;
            }
        }
        if (!s.isEmpty()) {
            shared.DuWacht = -1;
            if (sendMessage(QStringLiteral("du"), s)) {
                // Only what went out counts as sent; a failed send is sent again
                // after the next connect.
                for (int i = 0; i <= 8; ++i)
                    if (changed[i]) shared.NetwUitgangenVerzonden[i] = shared.NetwUitgangen[i];
            } else {
                NetwerkFout();
            }
            FlashNetworkOut();
        }
    }

    if (shared.AuWacht == 0) {
        QString s;
        std::array<std::array<bool, 3>, 4> changed{};
        for (int card = 0; card <= 3; ++card) {
            for (int ch = 1; ch <= 2; ++ch) {
                if (shared.NetwAnaUitgangenVerzonden[card][ch] != shared.NetwAnaUitgangen[card][ch]) {
                    s += QLatin1Char('a') + QString::number(2 * card + ch) + QString::number(shared.NetwAnaUitgangen[card][ch]);
                    changed[card][ch] = true;
                }
            }
        }
        if (!s.isEmpty()) {
            if (sendMessage(QStringLiteral("au"), s)) {
                for (int card = 0; card <= 3; ++card)
                    for (int ch = 1; ch <= 2; ++ch)
                        if (changed[card][ch]) shared.NetwAnaUitgangenVerzonden[card][ch] = shared.NetwAnaUitgangen[card][ch];
            } else {
                NetwerkFout();
            }
            FlashNetworkOut();
            shared.AuWacht = -1;
        }
    }
}

void TcpNetworkLink::QuitNetworkLink() {
    shared.Verbindingsstatus = 0;
    if (!sendMessage(QStringLiteral("qu"), {})) {
        NetwerkFout();
        // Never leave the socket half open after a failed quit.
        NetworkSocket().Close();
        statusNotConnected();
        return;
    }
    Yield();
    NetworkSocket().Close();
    Yield();
    statusNotConnected();
}

void TcpNetworkLink::CloseConnectingLink() {
    NetworkSocket().Close();
    statusNotConnected();
}

}  // namespace tamberlo
