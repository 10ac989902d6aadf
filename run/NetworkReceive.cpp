// The receiving side of the network link: WinsockHost's events, the peer's
// images and lamps, and the failure report.
#include <QCoreApplication>

#include "Controls.h"
#include "Dialogs.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "NetworkLink.h"
#include "NetworkPeer.h"
#include "NetworkProtocol.h"
#include "PollTimers.h"
#include "PoweredDrawing.h"
#include "SharedState.h"
#include "Yielding.h"

namespace tamberlo {

namespace {

constexpr VbColor kLampRood = 0x8080FF;
constexpr VbColor kLampGroen = 0x80FF80;
constexpr VbColor kLampLichtGroen = 0xC0FFC0;
constexpr VbColor kLampGeel = 0xC0FFFF;
constexpr VbColor kGrijs = 0xD7D7D7;
constexpr int kMaxByte = 255;

NetwerkFramer framer;
QChar vorigTeken;           // last character of the previous receive: "cd" may be split
bool formaatBoxOpen = false;  // one "Unknown dataformat" box at a time
bool formaatGemeld = false;   // ... and at most one per receive

void flitsUit() {
    TimerNetwerkUitVertraag().SetEnabled(true);
    ladderView.netwerkUitColor = kLampGeel;
}

// Sends a reply of the receive handler. The first failure of an event goes to
// NetwerkFout; the rest of that event's replies are skipped.
bool antwoord(const QString& code, bool& mislukt) {
    if (mislukt) return false;
    if (NetwerkSocket().SendData(NetwerkBericht(code))) return true;
    mislukt = true;
    LaatsteNetwerkFout() = {40006, QStringLiteral("Wrong protocol or connection state for the requested transaction or request"),
                            QStringLiteral("WinsockHost")};
    NetwerkFout();
    return false;
}

void onbekendFormaat(const QString& tekst) {
    if (formaatBoxOpen || formaatGemeld) return;
    formaatBoxOpen = true;
    formaatGemeld = true;
    dialogs().MsgBox(OnbekendFormaatTekst(tekst), MsgButtons::Ok, OnbekendFormaatTitel());
    formaatBoxOpen = false;
}

void ontvangAnaloog(const QString& payload, bool& mislukt) {
    flitsUit();
    for (int i = 0; i <= 7; ++i) {
        const auto v = ZoekWaarde(payload, QStringLiteral("a%1-").arg(i));
        if (!v || *v > kMaxByte) continue;
        shared.IngangAnaloogNetw[i % 2 == 0 ? i / 2 : 4 + i / 2] = *v;
    }
    antwoord(QStringLiteral("ac"), mislukt);
}

void ontvangDigitaal(const QString& payload, bool& mislukt) {
    flitsUit();
    for (int i = 0; i <= 8; ++i) {
        const auto b = ZoekWaarde(payload, QStringLiteral("k%1-").arg(i));
        if (!b) continue;
        if (*b <= kMaxByte) {
            int eersteBit = 0, rijen = 5;
            if (i >= 4 && i <= 6) eersteBit = 3;
            if (i == 7) rijen = 6;
            for (int row = 1; row <= rijen; ++row)
                shared.IngangDigitaalNetw[i][row] = ((*b >> (eersteBit + row - 1)) & 1) ? -1 : 0;
        }
        if (i == 7 || i == 8) antwoord(QStringLiteral("dc"), mislukt);
    }
    antwoord(QStringLiteral("dc"), mislukt);
}

void ontvangKaarten(const QString& payload) {
    const qsizetype streep = payload.indexOf(QLatin1Char('-'));
    const auto b = LeesNetwerkGetal(streep >= 0 ? payload.mid(streep + 1, 16) : payload.left(16));
    if (b && *b > kMaxByte) return;
    const int bits = b.value_or(0);
    NetwerkPeerLampen& lampen = PeerLampen();
    for (int k = 0; k <= 3; ++k) lampen.vellemanGevonden[k] = (bits >> k) & 1 ? kLampGroen : kLampRood;
    ++lampen.revision;
}

void ontvangModule(const QString& payload) {
    qsizetype i = 0;
    while (i < payload.size() && payload.at(i) == QLatin1Char(' ')) ++i;
    const int v = LeesNetwerkGetal(payload.mid(i, 16)).value_or(0);
    NetwerkPeerLampen& lampen = PeerLampen();
    if (v == 0) lampen.braskGevonden = kLampRood;
    else if (v == 1) lampen.braskGevonden = kLampGroen;
    else return;
    ++lampen.revision;
}

// The peer stopped: the link and the run end; outputs keep their values.
void ontvangStop() {
    shared.Verbindingsstatus = 0;
    shared.ProgrammaStatus = 0;
    Yield();
    VoedingUIT();
    for (int i = 0; i <= 7; ++i) {
        shared.GeheugenToestand[i] = false;
        ladderView.geheugenColor[i] = 0xFFFFC0;
        ladderTimers().TimerT[i]->SetEnabled(false);
        shared.TimerResterend[i] = 0;
        shared.TimerUitgang[i] = false;
    }
    for (int v = 1; v <= 3; ++v) {
        shared.Variabelen[v] = 0;
        ladderView.varCaption[v] = QStringLiteral("0");
    }
    NetwerkSocket().Close();
    Yield();
    ladderView.status.caption = shared.TaalVlag ? QStringLiteral("Not Connected.") : QStringLiteral("Niet verbonden.");
    ladderView.status.backColor = kGrijs;
    ladderView.startStopColor = 0xC0C0C0;
    ladderView.changed();
    TimerLeesIngangen().SetEnabled(true);
    PeerLampen().braskGevonden = kLampRood;
    ++PeerLampen().revision;
}

void verwerkBericht(QString bericht, bool& mislukt) {
    // A peer that ends its messages with CR LF leaves the LF in front of the next one.
    if (bericht.startsWith(QLatin1Char('\n'))) bericht.remove(0, 1);
    // Acknowledgements sent without a frame stand in front of the next message;
    // they were honoured on arrival.
    while (bericht.startsWith(QLatin1String("cd")) || bericht.startsWith(QLatin1String("ca"))) {
        if (bericht.indexOf(kBerichtScheiding) == 2) break;  // a framed "cd" or "ca": ignored below
        bericht.remove(0, 2);
    }
    if (bericht.isEmpty()) return;
    if (bericht.indexOf(kBerichtScheiding) != 2) {
        onbekendFormaat(bericht + kBerichtEinde);
        return;
    }
    const QString code = bericht.left(2).toLower();
    const QString payload = bericht.mid(3);
    if (code == QLatin1String("an")) ontvangAnaloog(payload, mislukt);
    else if (code == QLatin1String("di")) ontvangDigitaal(payload, mislukt);
    else if (code == QLatin1String("kv")) ontvangKaarten(payload);
    else if (code == QLatin1String("kf")) ontvangModule(payload);
    else if (code == QLatin1String("qu")) ontvangStop();
    // "st" and unknown codes: nothing.
}

// A one-shot timer that greys a network lamp of the ladder view half a second
// after it was lit; it lives as long as the program.
VbTimer* GrijsNaVertraging(VbColor LadderView::*lamp) {
    auto* timer = new VbTimer(500, true);
    timer->onTimer = [timer, lamp] {
        timer->SetEnabled(false);
        ladderView.*lamp = kGrijs;
        ladderView.changed();
    };
    return timer;
}

}  // namespace

WinsockControl& NetwerkSocket() {
    static WinsockControl* socket = [] {
        WinsockControl* s = &WinsockHost();
        s->OnDataArrival = [](qint64) { WinsockHost_DataArrival(); };
        s->OnError = [](int n, const QString& d, const QString& b) { WinsockHost_Error(n, d, b); };
        return s;
    }();
    return *socket;
}

void WinsockHost_DataArrival() {
    TimerNetwerkInVertraag().SetEnabled(true);
    ladderView.netwerkInColor = kLampLichtGroen;
    ladderView.changed();

    const QString tekst = NetwerkSocket().GetData();
    if (tekst.isEmpty()) return;
    // The acknowledgements count wherever they stand, also split over two reads.
    const QString gezien = (vorigTeken.isNull() ? QString() : QString(vorigTeken)) + tekst;
    if (gezien.contains(QLatin1String("cd"))) shared.DuWacht = 0;
    if (gezien.contains(QLatin1String("ca"))) shared.AuWacht = 0;
    vorigTeken = tekst.back();

    bool mislukt = false;
    formaatGemeld = false;
    const QStringList berichten = framer.Feed(tekst);
    for (const QString& bericht : berichten) {
        verwerkBericht(bericht, mislukt);
        // A "qu" or a failure closed the link: the rest of the read is stale.
        if (NetwerkSocket().State() != WinsockControl::sckConnected) break;
    }
    ladderView.changed();
}

void WinsockHost_Error(int number, const QString& description, const QString& source) {
    LaatsteNetwerkFout() = {number, description, source};
    NetwerkFout();
}

NetwerkFoutInfo& LaatsteNetwerkFout() {
    static NetwerkFoutInfo info;
    return info;
}

QString NetwerkFoutTekst(const NetwerkFoutInfo& fout) {
    const QChar cr(13);
    return QStringLiteral("Er is een fout opgetreden.") + cr + cr + QStringLiteral("Foutnummer...") + cr +
           QString::number(fout.nummer) + cr + cr + QStringLiteral("Beschrijving...") + cr + fout.beschrijving + cr + cr +
           QStringLiteral("Bron...") + cr + fout.bron + cr + cr + QStringLiteral("De verbinding is verbroken.") + cr +
           QStringLiteral("Stop eerst het programma om daarna opnieuw te kunnen verbinden.");
}

QString OnbekendFormaatTekst(const QString& received) {
    return (shared.TaalVlag ? QStringLiteral("Unknown dataformat: ") : QStringLiteral("Onbekend gegevensformaat: ")) +
           QStringLiteral("\r\n") + received;
}

QString OnbekendFormaatTitel() {
    return shared.TaalVlag ? QStringLiteral("Error in recieving.") : QStringLiteral("Fout in het ontvangen.");
}

NetwerkPeerLampen& PeerLampen() {
    static NetwerkPeerLampen lampen;
    return lampen;
}

VbTimer& TimerNetwerkInVertraag() {
    static VbTimer* t = GrijsNaVertraging(&LadderView::netwerkInColor);
    return *t;
}

VbTimer& TimerNetwerkUitVertraag() {
    static VbTimer* t = GrijsNaVertraging(&LadderView::netwerkUitColor);
    return *t;
}

void ResetNetwerkLink() {
    framer.Reset();
    vorigTeken = QChar();
    formaatBoxOpen = false;
}

}  // namespace tamberlo
