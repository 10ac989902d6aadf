#include "NetworkLink.h"

#include <QElapsedTimer>

#include "Dialogs.h"
#include "LadderView.h"
#include "NetworkPeer.h"
#include "NetworkProtocol.h"
#include "SharedState.h"
#include "Yielding.h"

namespace tamberlo {

namespace {

constexpr VbColor kStatusGrijs = 0xD7D7D7;
constexpr VbColor kStatusOranje = 0x80FF;
constexpr VbColor kStatusGroen = 0x80FF80;
constexpr VbColor kLampGeel = 0xC0FFFF;
constexpr int kSendFailedNumber = 40006;  // the control's "wrong state for the request"

int verbindingsTimeoutMs = 10000;

void zetStatus(const QString& nl, const QString& en, VbColor kleur) {
    ladderView.status.caption = shared.TaalVlag ? en : nl;
    ladderView.status.backColor = kleur;
    ladderView.changed();
}

void statusNietVerbonden() { zetStatus(QStringLiteral("Niet verbonden."), QStringLiteral("Not Connected."), kStatusGrijs); }

// A failed write: the details for NetwerkFout's box.
void noteerSendFout() {
    LaatsteNetwerkFout() = {kSendFailedNumber,
                            QStringLiteral("Wrong protocol or connection state for the requested transaction or request"),
                            QStringLiteral("WinsockHost")};
}

bool verstuur(const QString& code, const QString& payload) {
    if (NetwerkSocket().SendData(NetwerkBericht(code, payload))) return true;
    noteerSendFout();
    return false;
}

void flitsUit() {
    TimerNetwerkUitVertraag().SetEnabled(true);
    ladderView.netwerkUitColor = kLampGeel;
    ladderView.changed();
}

// The attempt failed or was ended from outside: the link is closed.
void pogingMislukt() {
    NetwerkSocket().Close();
    shared.Verbindingsstatus = 0;
    statusNietVerbonden();
}

}  // namespace

void SetVerbindingsTimeoutMs(int ms) { verbindingsTimeoutMs = ms; }

namespace {

// The link over WinsockHost.
class TcpNetworkLink final : public NetworkLink {
public:
    void MaakVerbinding() override;
    int WinsockState() override { return NetwerkSocket().State(); }
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
    WinsockControl& socket = NetwerkSocket();
    zetStatus(QStringLiteral("Zoeken..."), QStringLiteral("Searching..."), kStatusOranje);
    if (!socket.Connect()) {
        // No host, a bad port or a socket still busy: a failed attempt.
        pogingMislukt();
        return;
    }
    shared.Verbindingsstatus = 3;

    QElapsedTimer clock;
    clock.start();
    bool timedOut = false;
    WaitWhile([&] {
        if (shared.Verbindingsstatus != 3) return false;  // a "qu" or a failure ended it
        const int state = socket.State();
        if (state == WinsockControl::sckConnected || state == WinsockControl::sckClosed ||
            state == WinsockControl::sckError || state == WinsockControl::sckClosing)
            return false;
        if (clock.elapsed() >= verbindingsTimeoutMs) {
            timedOut = true;
            return false;
        }
        return true;
    });
    if (timedOut && shared.Verbindingsstatus == 3) {
        // The peer never answered: reported like a refusal.
        LaatsteNetwerkFout() = {WinsockControl::sckTimedout, QStringLiteral("Connection timed out"),
                                QStringLiteral("WinsockHost")};
        NetwerkFout();
    }
    // Each step of the greeting fails the attempt when the link went away
    // meanwhile (a handler at a yield may have closed it) or a send failed.
    auto nogVerbonden = [&] {
        if (shared.Verbindingsstatus == 3 && socket.State() == WinsockControl::sckConnected) return true;
        pogingMislukt();
        return false;
    };
    auto groet = [](const char* code) {
        if (verstuur(QString::fromLatin1(code), {})) return true;
        NetwerkFout();
        pogingMislukt();
        return false;
    };

    if (!nogVerbonden() || !groet("ve")) return;
    zetStatus(QStringLiteral("Verbonden."), QStringLiteral("Connected."), kStatusGroen);
    shared.AuWacht = 0;
    shared.DuWacht = 0;
    Yield();
    if (!nogVerbonden() || !groet("dc")) return;
    Yield();
    if (!nogVerbonden()) return;
    shared.Verbindingsstatus = 1;
}

void NetwerkFout() {
    dialogs().MsgBox(NetwerkFoutTekst(LaatsteNetwerkFout()), MsgButtons::Ok);
    if (shared.Verbindingsstatus == 1) {
        shared.Verbindingsstatus = 0;
        NetwerkSocket().Close();
        Yield();
        statusNietVerbonden();
    } else if (shared.Verbindingsstatus == 3) {
        NetwerkSocket().Close();
        statusNietVerbonden();
    }
}

void TcpNetworkLink::SendChangedNetworkOutputs() {
    if (shared.Verbindingsstatus != 1) return;

    if (shared.DuWacht == 0) {
        QString s;
        std::array<bool, 9> veranderd{};
        for (int i = 0; i <= 8; ++i) {
            if (shared.NetwUitgangenVerzonden[i] != shared.NetwUitgangen[i]) {
                s += QLatin1Char('k') + QString::number(i) + QLatin1Char('-') + QString::number(shared.NetwUitgangen[i]);
                veranderd[i] = true;
            }
        }
        if (!s.isEmpty()) {
            shared.DuWacht = -1;
            if (verstuur(QStringLiteral("du"), s)) {
                // Only what went out counts as sent; a failed send is sent again
                // after the next connect.
                for (int i = 0; i <= 8; ++i)
                    if (veranderd[i]) shared.NetwUitgangenVerzonden[i] = shared.NetwUitgangen[i];
            } else {
                NetwerkFout();
            }
            flitsUit();
        }
    }

    if (shared.AuWacht == 0) {
        QString s;
        std::array<std::array<bool, 3>, 4> veranderd{};
        for (int card = 0; card <= 3; ++card) {
            for (int ch = 1; ch <= 2; ++ch) {
                if (shared.NetwAnaUitgangenVerzonden[card][ch] != shared.NetwAnaUitgangen[card][ch]) {
                    s += QLatin1Char('a') + QString::number(2 * card + ch) + QString::number(shared.NetwAnaUitgangen[card][ch]);
                    veranderd[card][ch] = true;
                }
            }
        }
        if (!s.isEmpty()) {
            if (verstuur(QStringLiteral("au"), s)) {
                for (int card = 0; card <= 3; ++card)
                    for (int ch = 1; ch <= 2; ++ch)
                        if (veranderd[card][ch]) shared.NetwAnaUitgangenVerzonden[card][ch] = shared.NetwAnaUitgangen[card][ch];
            } else {
                NetwerkFout();
            }
            flitsUit();
            shared.AuWacht = -1;
        }
    }
}

void TcpNetworkLink::QuitNetworkLink() {
    shared.Verbindingsstatus = 0;
    if (!verstuur(QStringLiteral("qu"), {})) {
        NetwerkFout();
        // Never leave the socket half open after a failed quit.
        NetwerkSocket().Close();
        statusNietVerbonden();
        return;
    }
    Yield();
    NetwerkSocket().Close();
    Yield();
    statusNietVerbonden();
}

void TcpNetworkLink::CloseConnectingLink() {
    NetwerkSocket().Close();
    statusNietVerbonden();
}

}  // namespace tamberlo
