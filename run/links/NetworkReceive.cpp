// The receiving side of the network link: WinsockHost's events, the peer's
// images and lamps, and the failure report.
#include <QCoreApplication>

#include "Controls.h"
#include "Dialogs.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "NetworkLink.h"
#include "NetworkPeer.h"
#include "NetworkProtocol.h"
#include "SharedState.h"
#include "Yielding.h"

namespace tamberlo {

PeerStopHooks& peerStopHooks() {
    static PeerStopHooks hooks;
    return hooks;
}

namespace {

constexpr VbColor kLampLightGreen = 0xC0FFC0;
constexpr int kMaxByte = 255;

NetworkFramer framer;
QChar previousChar;           // last character of the previous receive: "cd" may be split
bool formatBoxOpen = false;   // one "Unknown dataformat" box at a time
bool formatReported = false;  // ... and at most one per receive

// Sends a reply of the receive handler. The first failure of an event goes to
// NetwerkFout; the rest of that event's replies are skipped.
bool reply(const QString& code, bool& failed) {
    if (failed) return false;
    if (NetworkSocket().SendData(NetwerkBericht(code))) return true;
    failed = true;
    LastNetworkError() = {40006, QStringLiteral("Wrong protocol or connection state for the requested transaction or request"),
                          QStringLiteral("WinsockHost")};
    NetwerkFout();
    return false;
}

void unknownFormat(const QString& text) {
    if (formatBoxOpen || formatReported) return;
    formatBoxOpen = true;
    formatReported = true;
    dialogs().MsgBoxWithIcon(UnknownFormatText(text), MsgButtons::Ok, UnknownFormatTitle(), MsgIcon::Critical);
    formatBoxOpen = false;
}

void receiveAnalog(const QString& payload, bool& failed) {
    FlashNetworkOut();
    for (int i = 0; i <= 7; ++i) {
        const auto v = FindValue(payload, QStringLiteral("a%1-").arg(i));
        if (!v || *v > kMaxByte) continue;
        shared.IngangAnaloogNetw[i % 2 == 0 ? i / 2 : 4 + i / 2] = *v;
    }
    reply(QStringLiteral("ac"), failed);
}

void receiveDigital(const QString& payload, bool& failed) {
    FlashNetworkOut();
    for (int i = 0; i <= 8; ++i) {
        const auto b = FindValue(payload, QStringLiteral("k%1-").arg(i));
        if (!b) continue;
        if (*b <= kMaxByte) {
            int firstBit = 0, rows = 5;
            if (i >= 4 && i <= 6) firstBit = 3;
            if (i == 7) rows = 6;
            for (int row = 1; row <= rows; ++row) shared.IngangDigitaalNetw[i][row] = ((*b >> (firstBit + row - 1)) & 1) ? -1 : 0;
        }
        if (i == 7 || i == 8) reply(QStringLiteral("dc"), failed);
    }
    reply(QStringLiteral("dc"), failed);
}

void receiveCards(const QString& payload) {
    const qsizetype dash = payload.indexOf(QLatin1Char('-'));
    const auto b = ReadNetworkNumber(dash >= 0 ? payload.mid(dash + 1, 16) : payload.left(16));
    if (b && *b > kMaxByte) return;
    const int bits = b.value_or(0);
    NetworkPeerLamps& lamps = PeerLamps();
    for (int k = 0; k <= 3; ++k) lamps.vellemanFound[k] = (bits >> k) & 1 ? kLampGreen : kLampRed;
    ++lamps.revision;
}

void receiveModule(const QString& payload) {
    qsizetype i = 0;
    while (i < payload.size() && payload.at(i) == QLatin1Char(' ')) ++i;
    const int v = ReadNetworkNumber(payload.mid(i, 16)).value_or(0);
    NetworkPeerLamps& lamps = PeerLamps();
    if (v == 0) lamps.braskFound = kLampRed;
    else if (v == 1) lamps.braskFound = kLampGreen;
    else return;
    ++lamps.revision;
}

// The peer stopped: the link and the run end; outputs keep their values.
void receiveStop() {
    shared.Verbindingsstatus = 0;
    if (peerStopHooks().endRun) peerStopHooks().endRun();
    NetworkSocket().Close();
    Yield();
    ladderView.status.caption = T("Niet verbonden.", "Not Connected.");
    ladderView.status.backColor = kPanelGrey;
    ladderView.startStopColor = 0xC0C0C0;
    ladderView.changed();
    PeerLamps().braskFound = kLampRed;
    ++PeerLamps().revision;
}

void handleMessage(QString message, bool& failed) {
    // A peer that ends its messages with CR LF leaves the LF in front of the next one.
    if (message.startsWith(QLatin1Char('\n'))) message.remove(0, 1);
    // Acknowledgements sent without a frame stand in front of the next message;
    // they were honoured on arrival.
    while (message.startsWith(QLatin1String("cd")) || message.startsWith(QLatin1String("ca"))) {
        if (message.indexOf(kMessageSeparator) == 2) break;  // a framed "cd" or "ca": ignored below
        message.remove(0, 2);
    }
    if (message.isEmpty()) return;
    if (message.indexOf(kMessageSeparator) != 2) {
        unknownFormat(message + kMessageEnd);
        return;
    }
    const QString code = message.left(2).toLower();
    const QString payload = message.mid(3);
    if (code == QLatin1String("an")) receiveAnalog(payload, failed);
    else if (code == QLatin1String("di")) receiveDigital(payload, failed);
    else if (code == QLatin1String("kv")) receiveCards(payload);
    else if (code == QLatin1String("kf")) receiveModule(payload);
    else if (code == QLatin1String("qu")) receiveStop();
    // "st" and unknown codes: nothing.
}

// A one-shot timer that greys a network lamp of the ladder view half a second
// after it was lit; it lives as long as the program.
VbTimer* GreyAfterDelay(VbColor LadderView::*lamp) {
    auto* timer = new VbTimer(500, true);
    timer->onTimer = [timer, lamp] {
        timer->SetEnabled(false);
        ladderView.*lamp = kPanelGrey;
        ladderView.changed();
    };
    return timer;
}

}  // namespace

WinsockControl& NetworkSocket() {
    static WinsockControl* socket = [] {
        WinsockControl* s = &WinsockHost();
        s->OnDataArrival = [](qint64) { WinsockHost_DataArrival(); };
        s->OnError = [](int n, const QString& d, const QString& b) { WinsockHost_Error(n, d, b); };
        s->OnClose = [] { WinsockHost_Close(); };
        return s;
    }();
    return *socket;
}

void WinsockHost_DataArrival() {
    TimerNetwerkInVertraag().SetEnabled(true);
    ladderView.networkInColor = kLampLightGreen;
    ladderView.changed();

    const QString text = NetworkSocket().GetData();
    if (text.isEmpty()) return;
    // The acknowledgements count wherever they stand, also split over two reads.
    const QString seen = (previousChar.isNull() ? QString() : QString(previousChar)) + text;
    if (seen.contains(QLatin1String("cd"))) shared.DuWacht = 0;
    if (seen.contains(QLatin1String("ca"))) shared.AuWacht = 0;
    previousChar = text.back();

    bool failed = false;
    formatReported = false;
    const QStringList messages = framer.Feed(text);
    for (const QString& message : messages) {
        handleMessage(message, failed);
        // A "qu" or a failure closed the link: the rest of the read is stale.
        if (NetworkSocket().State() != WinsockControl::sckConnected) break;
    }
    ladderView.changed();
}

void WinsockHost_Error(int number, const QString& description, const QString& source) {
    LastNetworkError() = {number, description, source};
    NetwerkFout();
}

void WinsockHost_Close() {
    // While connecting, MaakVerbinding sees the closed state; after a quit
    // ("qu" either way) the link is no longer in use.
    if (shared.Verbindingsstatus != 1) return;
    shared.Verbindingsstatus = 0;
    NetworkSocket().Close();
    ladderView.status.caption = T("Niet verbonden.", "Not Connected.");
    ladderView.status.backColor = kPanelGrey;
    ladderView.changed();
    // Nothing of the peer is found any more.
    NetworkPeerLamps& lamps = PeerLamps();
    lamps.vellemanFound.fill(kLampRed);
    lamps.braskFound = kLampRed;
    ++lamps.revision;
    LastNetworkError() = {WinsockControl::sckConnectionReset, QStringLiteral("The connection was closed by the peer"),
                          QStringLiteral("WinsockHost")};
    dialogs().MsgBox(NetworkErrorText(LastNetworkError()), MsgButtons::Ok);
}

NetworkErrorInfo& LastNetworkError() {
    static NetworkErrorInfo info;
    return info;
}

QString NetworkErrorText(const NetworkErrorInfo& error) {
    const QChar cr(13);
    return QStringLiteral("Er is een fout opgetreden.") + cr + cr + QStringLiteral("Foutnummer...") + cr +
           QString::number(error.number) + cr + cr + QStringLiteral("Beschrijving...") + cr + error.description + cr + cr +
           QStringLiteral("Bron...") + cr + error.source + cr + cr + QStringLiteral("De verbinding is verbroken.") + cr +
           QStringLiteral("Stop eerst het programma om daarna opnieuw te kunnen verbinden.");
}

QString UnknownFormatText(const QString& received) {
    return T("Onbekend gegevensformaat: ", "Unknown dataformat: ") + QStringLiteral("\r\n") + received;
}

QString UnknownFormatTitle() { return T("Fout in het ontvangen.", "Error in recieving."); }

NetworkPeerLamps& PeerLamps() {
    static NetworkPeerLamps lamps;
    return lamps;
}

VbTimer& TimerNetwerkInVertraag() {
    static VbTimer* t = GreyAfterDelay(&LadderView::networkInColor);
    return *t;
}

void FlashNetworkOut() {
    TimerNetwerkUitVertraag().SetEnabled(true);
    ladderView.networkOutColor = kLampYellow;
    ladderView.changed();
}

VbTimer& TimerNetwerkUitVertraag() {
    static VbTimer* t = GreyAfterDelay(&LadderView::networkOutColor);
    return *t;
}

void ResetNetworkLink() {
    framer.Reset();
    previousChar = QChar();
    formatBoxOpen = false;
}

}  // namespace tamberlo
