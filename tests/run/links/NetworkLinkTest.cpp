// The network link against an emulated peer on 127.0.0.1: connecting and the
// greeting, every received message, the acknowledgement rules of "du" and
// "au", split and merged frames, refusal, time-out, a peer that quits, and
// garbage from the peer.
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "Controls.h"
#include "DashboardView.h"
#include "FakeDialogs.h"
#include "InputReading.h"
#include "InstalledServices.h"
#include "LadderTimers.h"
#include "LadderView.h"
#include "NetworkLink.h"
#include "NetworkPeer.h"
#include "NetworkPeerEmulator.h"
#include "NetworkProtocol.h"
#include "RunCommands.h"
#include "ScanLoop.h"
#include "SharedState.h"
#include "WaitUntil.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {
int WinsockState() { return networkLink().WinsockState(); }
void SendChangedNetworkOutputs() { networkLink().SendChangedNetworkOutputs(); }
void QuitNetworkLink() { networkLink().QuitNetworkLink(); }
}  // namespace

namespace {

class NetworkLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        dashboardView = DashboardView{};
        NetworkSocket().Close();
        ResetNetworkLink();
        PeerLamps() = NetworkPeerLamps{};
        SetConnectTimeoutMs(10000);
        WinsockHost().SetRemoteHost("127.0.0.1");
        WinsockHost().SetRemotePort(peer.port());
    }
    void TearDown() override {
        NetworkSocket().Close();
        TimerLeesIngangen().SetEnabled(false);
    }

    void connectPeer() {
        MaakVerbinding();
        ASSERT_EQ(shared.Verbindingsstatus, 1);
        ASSERT_TRUE(WaitUntil([&] { return peer.count("dc") == 1; }));
    }
    // Sends from the peer and waits until the program has taken it.
    void send(const QByteArray& bytes, const std::function<bool()>& taken) {
        peer.sendRaw(bytes);
        ASSERT_TRUE(WaitUntil(taken));
    }

    // A later message of the program: once the peer has it, everything the
    // program sent before it has arrived too.
    void programMarker() {
        ASSERT_TRUE(NetworkSocket().SendData(NetwerkBericht(QStringLiteral("zz"))));
        const int expected = ++markers;
        ASSERT_TRUE(WaitUntil([&] { return peer.count("zz") == expected; }));
    }
    // A later message of the peer (input 1 of column 2 on): once the program
    // has handled it, it has handled everything the peer sent before.
    void peerMarker() {
        shared.IngangDigitaalNetw[2][1] = 0;
        send(NetworkPeerEmulator::frame("di", "k2-1"), [] { return shared.IngangDigitaalNetw[2][1] == -1; });
    }

    FakeDialogs dialogs;
    InstalledServices installed{{.dialogs = &dialogs}};
    NetworkPeerEmulator peer;
    int markers = 0;
};

QByteArray F(const QString& code, const QString& payload = {}) { return NetworkPeerEmulator::frame(code, payload); }

// A loopback listener with a full accept queue drops further handshakes: a
// connection to it stays pending for as long as we care to wait.
class SilentPeer {
public:
    SilentPeer() = default;
    SilentPeer(const SilentPeer&) = delete;
    SilentPeer& operator=(const SilentPeer&) = delete;
    ~SilentPeer() {
        for (auto* s : fillers_) delete s;
        if (fd_ >= 0) ::close(fd_);
    }

    void Open() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        addr_.sin_family = AF_INET;
        addr_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&addr_), sizeof addr_), 0);
        ASSERT_EQ(::listen(fd_, 0), 0);
        socklen_t len = sizeof addr_;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr_), &len);
        for (int i = 0; i < 3; ++i) {
            auto* s = new QTcpSocket;
            s->connectToHost(QHostAddress::LocalHost, port());
            fillers_.push_back(s);
        }
        Pump(50);
    }
    quint16 port() const { return ntohs(addr_.sin_port); }

private:
    int fd_ = -1;
    sockaddr_in addr_{};
    std::vector<QTcpSocket*> fillers_;
};

}  // namespace

TEST_F(NetworkLinkTest, ConnectGreetsWithVeThenDc) {
    shared.DuWacht = -1;
    shared.AuWacht = -1;
    shared.TaalVlag = true;
    connectPeer();
    EXPECT_EQ(peer.messages, (QStringList{"ve|", "dc|"}));
    EXPECT_EQ(ladderView.status.caption, "Connected.");
    EXPECT_EQ(ladderView.status.backColor, 0x80FF80u);
    EXPECT_EQ(shared.DuWacht, 0);
    EXPECT_EQ(shared.AuWacht, 0);
    EXPECT_EQ(WinsockState(), 7);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(NetworkLinkTest, RefusedConnection) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close();  // nobody listens there now
    WinsockHost().SetRemotePort(port);
    MaakVerbinding();
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(ladderView.status.caption, "Niet verbonden.");
    EXPECT_EQ(ladderView.status.backColor, 0xD7D7D7u);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Er is een fout opgetreden.\r\rFoutnummer...\r10061\r"));
    EXPECT_TRUE(dialogs.messages[0].endsWith(
        "De verbinding is verbroken.\rStop eerst het programma om daarna opnieuw te kunnen verbinden."));
    EXPECT_EQ(WinsockState(), 0);
}

TEST_F(NetworkLinkTest, AStartWithARefusingPeerShowsOneBox) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    WinsockHost().SetRemotePort(closed.serverPort());
    closed.close();
    // Network input 1 of card 0 sets network output 1 of card 0.
    shared.Condities[1] = {1, 10, 1, 0, 1, 0};
    shared.Acties[1] = {1, 10, 1, 1, 1, 0, 0, 0, 0, 0};
    // Each run is stopped at its second event point: any further attempt
    // of that start would have come before it.
    QTimer stopper;
    int eventPoints = 0;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (shared.ProgrammaStatus == 1 && ++eventPoints == 2) CommandStop();
    });
    stopper.start(0);
    CommandStart();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(eventPoints, 2);  // the run went on after the refusal
    eventPoints = 0;
    CommandStart();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[1].contains("\r10061\r"));
    EXPECT_EQ(shared.Verbindingsstatus, 0);
}

TEST_F(NetworkLinkTest, EmptyHostFailsAtOnce) {
    WinsockHost().SetRemoteHost("");
    MaakVerbinding();
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(ladderView.status.caption, "Niet verbonden.");
    EXPECT_EQ(WinsockState(), 0);
}

TEST_F(NetworkLinkTest, PeerThatNeverAnswersTimesOut) {
    SilentPeer silent;
    ASSERT_NO_FATAL_FAILURE(silent.Open());

    SetConnectTimeoutMs(300);
    WinsockHost().SetRemotePort(silent.port());
    MaakVerbinding();
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(ladderView.status.caption, "Niet verbonden.");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("\r10060\r"));
    EXPECT_EQ(WinsockState(), 0);
}

TEST_F(NetworkLinkTest, StopDuringTheAttemptEndsIt) {
    SilentPeer silent;
    ASSERT_NO_FATAL_FAILURE(silent.Open());

    WinsockHost().SetRemotePort(silent.port());
    int stateDuringAttempt = -1;
    QTimer::singleShot(50, [&] {
        stateDuringAttempt = shared.Verbindingsstatus;
        networkLink().CloseConnectingLink();  // what Stop does while connecting
    });
    MaakVerbinding();
    EXPECT_EQ(stateDuringAttempt, 3);
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(WinsockState(), 0);
    EXPECT_EQ(ladderView.status.caption, "Niet verbonden.");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(NetworkLinkTest, QuitDuringTheAttemptEndsIt) {
    peer.onMessage = [&](const QString& code, const QString&) {
        if (code == "ve") peer.sendMessage("qu");
    };
    MaakVerbinding();
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(WinsockState(), 0);
}

TEST_F(NetworkLinkTest, DigitalInputsAndTheirAcknowledgements) {
    connectPeer();
    auto& in = shared.IngangDigitaalNetw;
    send(F("di", "k8-5"), [&] { return peer.count("dc") == 3; });
    EXPECT_EQ(in[8][1], -1);
    EXPECT_EQ(in[8][2], 0);
    EXPECT_EQ(in[8][3], -1);
    EXPECT_EQ(in[8][4], 0);
    EXPECT_EQ(in[8][5], 0);

    // Groups 4..6 use bits 3..7, group 7 rows 1..6; items for 7 and 8 are
    // each answered, and the frame once more: three "dc".
    send(F("DI", "k4-8k7-63k8-0k0-31"), [&] { return peer.count("dc") == 6; });
    EXPECT_EQ(in[4][1], -1);
    EXPECT_EQ(in[4][2], 0);
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(in[7][r], -1) << r;
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(in[0][r], -1) << r;
    EXPECT_EQ(in[8][1], 0);

    // An out-of-range pattern changes nothing, but is still answered.
    send(F("di", "k0-999"), [&] { return peer.count("dc") == 7; });
    EXPECT_EQ(in[0][1], -1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(NetworkLinkTest, AnalogInputsAndLamps) {
    connectPeer();
    send(F("an", "a1-100a0-50"), [&] { return peer.count("ac") == 1; });
    EXPECT_EQ(shared.IngangAnaloogNetw[4], 100);
    EXPECT_EQ(shared.IngangAnaloogNetw[0], 50);
    send(F("an", "a7-300a6-7"), [&] { return peer.count("ac") == 2; });
    EXPECT_EQ(shared.IngangAnaloogNetw[7], 0);  // 300 is no analog value
    EXPECT_EQ(shared.IngangAnaloogNetw[3], 7);
    EXPECT_EQ(ladderView.networkInColor, 0xC0FFC0u);
    EXPECT_EQ(ladderView.networkOutColor, 0xC0FFFFu);
    TimerNetwerkInVertraag().Tick();
    TimerNetwerkUitVertraag().Tick();
    EXPECT_EQ(ladderView.networkInColor, 0xD7D7D7u);
    EXPECT_EQ(ladderView.networkOutColor, 0xD7D7D7u);
    EXPECT_FALSE(TimerNetwerkInVertraag().Enabled());
}

TEST_F(NetworkLinkTest, CardAndModuleLampsOfThePeer) {
    connectPeer();
    auto& l = PeerLamps();
    send(F("kv", "3-5"), [&] { return l.vellemanFound[0] == 0x80FF80u; });
    EXPECT_EQ(l.vellemanFound[1], 0x8080FFu);
    EXPECT_EQ(l.vellemanFound[2], 0x80FF80u);
    EXPECT_EQ(l.vellemanFound[3], 0x8080FFu);
    send(F("kf", " 1"), [&] { return l.braskFound == 0x80FF80u; });
    const auto rev = l.revision;
    peer.sendMessage("kf", "2");
    peer.sendMessage("st", "anything");
    send(F("zz", "k0-1"), [&] { return l.revision == rev && peer.messages.size() >= 2; });
    peerMarker();
    EXPECT_EQ(l.braskFound, 0x80FF80u);
    EXPECT_EQ(l.revision, rev);
    EXPECT_EQ(shared.IngangDigitaalNetw[0][1], 0);  // unknown code: nothing
    send(F("kf", "0"), [&] { return l.braskFound == 0x8080FFu; });
}

TEST_F(NetworkLinkTest, SplitAndMergedFrames) {
    connectPeer();
    peer.sendSplit(F("di", "k8-5"), 1);
    ASSERT_TRUE(WaitUntil([&] { return peer.count("dc") == 3; }));
    EXPECT_EQ(shared.IngangDigitaalNetw[8][1], -1);

    peer.sendRaw(F("an", "a0-9") + F("di", "k1-2") + F("kf", "1"));
    ASSERT_TRUE(WaitUntil([&] { return PeerLamps().braskFound == 0x80FF80u; }));
    ASSERT_TRUE(WaitUntil([&] { return peer.count("ac") == 1 && peer.count("dc") == 4; }));
    EXPECT_EQ(shared.IngangAnaloogNetw[0], 9);
    EXPECT_EQ(shared.IngangDigitaalNetw[1][2], -1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(NetworkLinkTest, OutputsWaitForTheirAcknowledgement) {
    connectPeer();
    peer.ackDigital = false;
    peer.ackAnalog = false;
    shared.NetwUitgangen[0] = 5;
    shared.NetwUitgangen[7] = 128;
    shared.NetwAnaUitgangen[1][2] = 128;
    SendChangedNetworkOutputs();
    ASSERT_TRUE(WaitUntil([&] { return peer.count("du") == 1 && peer.count("au") == 1; }));
    EXPECT_EQ(peer.payloads("du"), QStringList{"k0-5k7-128"});
    EXPECT_EQ(peer.payloads("au"), QStringList{"a4128"});
    EXPECT_EQ(shared.DuWacht, -1);
    EXPECT_EQ(shared.AuWacht, -1);

    // Unacknowledged: nothing more goes out, and no change is lost.
    shared.NetwUitgangen[0] = 6;
    shared.NetwUitgangen[2] = 1;
    shared.NetwAnaUitgangen[0][1] = 200;
    SendChangedNetworkOutputs();
    programMarker();
    EXPECT_EQ(peer.count("du"), 1);
    EXPECT_EQ(peer.count("au"), 1);

    // "CD" is no acknowledgement; "cd" is, even unframed and split.
    send(F("CD"), [] { return true; });
    peerMarker();
    EXPECT_EQ(shared.DuWacht, -1);
    peer.sendSplit("c", 1);
    peer.sendSplit("d", 1);
    ASSERT_TRUE(WaitUntil([] { return shared.DuWacht == 0; }));
    EXPECT_EQ(shared.AuWacht, -1);
    SendChangedNetworkOutputs();
    ASSERT_TRUE(WaitUntil([&] { return peer.count("du") == 2; }));
    EXPECT_EQ(peer.payloads("du")[1], "k0-6k2-1");
    EXPECT_EQ(peer.count("au"), 1);

    // "ca" inside any message counts too; then the analog change goes out.
    send(F("st", "xcax"), [] { return shared.AuWacht == 0; });
    SendChangedNetworkOutputs();
    ASSERT_TRUE(WaitUntil([&] { return peer.count("au") == 2; }));
    EXPECT_EQ(peer.payloads("au")[1], "a1200");
    EXPECT_TRUE(dialogs.messages.isEmpty());  // the unframed "cd" was no bad message

    // Nothing changed: nothing sent.
    shared.DuWacht = 0;
    shared.AuWacht = 0;
    SendChangedNetworkOutputs();
    programMarker();
    EXPECT_EQ(peer.count("du"), 2);
    EXPECT_EQ(peer.count("au"), 2);
}

TEST_F(NetworkLinkTest, FailedSendIsSentAgainAfterReconnect) {
    connectPeer();
    peer.hangUp();
    ASSERT_TRUE(WaitUntil([] { return WinsockState() != 7; }));
    shared.NetwUitgangen[2] = 5;
    SendChangedNetworkOutputs();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Er is een fout opgetreden."));
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(shared.NetwUitgangenVerzonden[2], 0);

    peer.messages.clear();
    connectPeer();
    SendChangedNetworkOutputs();
    ASSERT_TRUE(WaitUntil([&] { return peer.count("du") == 1; }));
    EXPECT_EQ(peer.payloads("du"), QStringList{"k2-5"});
    EXPECT_EQ(shared.NetwUitgangenVerzonden[2], 5);
}

TEST_F(NetworkLinkTest, PeerQuitsMidRun) {
    connectPeer();
    shared.ProgrammaStatus = 1;
    shared.GeheugenToestand[3] = true;
    shared.Variabelen[2] = 44;
    shared.TimerUitgang[1] = true;
    shared.TimerResterend[1] = 700;
    ladderTimers().TimerT[1]->SetInterval(1000);
    ladderTimers().TimerT[1]->SetEnabled(true);
    shared.NetwUitgangen[0] = 9;  // outputs keep their values
    PeerLamps().braskFound = 0x80FF80;
    ladderView.action[5].frameColor = 0xFFDCDC;  // rung 5 held in the last cycle

    send(F("qu"), [] { return shared.ProgrammaStatus == 0; });
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(WinsockState(), 0);
    EXPECT_FALSE(shared.GeheugenToestand[3]);
    EXPECT_EQ(shared.Variabelen[2], 0);
    EXPECT_EQ(ladderView.varCaption[2], "0");
    EXPECT_FALSE(shared.TimerUitgang[1]);
    EXPECT_EQ(shared.TimerResterend[1], 0);
    EXPECT_FALSE(ladderTimers().TimerT[1]->Enabled());
    EXPECT_EQ(shared.NetwUitgangen[0], 9);
    EXPECT_EQ(ladderView.status.caption, "Niet verbonden.");
    EXPECT_EQ(ladderView.startStopColor, 0xC0C0C0u);
    EXPECT_EQ(ladderView.action[5].frameColor, 0xFFC0C0u);
    EXPECT_TRUE(TimerLeesIngangen().Enabled());
    EXPECT_EQ(PeerLamps().braskFound, 0x8080FFu);
    // The peer sees the close after anything sent before it.
    ASSERT_TRUE(WaitUntil([&] { return !peer.connected(); }));
    EXPECT_EQ(peer.count("qu"), 0);  // no quit is sent back
}

TEST_F(NetworkLinkTest, PauseOrStopSendsQuit) {
    connectPeer();
    QuitNetworkLink();
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(WinsockState(), 0);
    ASSERT_TRUE(WaitUntil([&] { return peer.count("qu") == 1; }));
    EXPECT_EQ(ladderView.status.caption, "Niet verbonden.");
}

namespace {
// A message box that stays open while more bad data arrives.
class SlowDialogs final : public Dialogs {
public:
    std::function<void()> whileOpen;
    QStringList messages;
    MsgResult MsgBox(const QString& text, MsgButtons, const QString&) override {
        messages.append(text);
        if (whileOpen) whileOpen();
        return MsgResult::Ok;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFile(const FileDialogRequest&) override { return {}; }
    QString SaveFile(const FileDialogRequest&) override { return {}; }
};
}  // namespace

TEST_F(NetworkLinkTest, UnknownDataformatOnceAtATime) {
    connectPeer();
    shared.TaalVlag = true;
    send("xyz\r", [&] { return dialogs.messages.size() == 1; });
    EXPECT_EQ(dialogs.titles[0], "Error in recieving.");
    EXPECT_EQ(dialogs.icons[0], MsgIcon::Critical);
    EXPECT_EQ(dialogs.messages[0], "Unknown dataformat: \r\nxyz\r");

    // Many bad messages in one read: one box.
    send("bad1\rbad2\rd\x01k0-1\r", [&] { return dialogs.messages.size() >= 2; });
    peerMarker();
    EXPECT_EQ(dialogs.messages.size(), 2);

    // More bad data while a box is open: no second box on top of it.
    {
        SlowDialogs slow;
        InstalledServices slowInstalled{{.dialogs = &slow}};
        qsizetype boxesWhileOpen = 0;
        slow.whileOpen = [&] {
            peer.sendRaw("worse\r");
            Pump(100);  // events handled while the box is open, as a user's look at it would
            boxesWhileOpen = slow.messages.size();
        };
        send("bad3\r", [&] { return slow.messages.size() >= 1; });
        EXPECT_EQ(boxesWhileOpen, 1);
        // The bad data that came meanwhile is reported once the box is closed, by the next read.
        peerMarker();
        ASSERT_EQ(slow.messages.size(), 2);
        EXPECT_TRUE(slow.messages[1].contains("worse"));
    }
    // Endless bytes without an end: no box, no growth; the link recovers.
    peer.sendRaw(QByteArray(200000, 'k'));
    send("\r" + F("di", "k3-1"), [&] { return shared.IngangDigitaalNetw[3][1] == -1; });
}

TEST_F(NetworkLinkTest, ARunExchangesImagesUntilThePeerQuits) {
    // Rung 1: network input 1 of card 0 sets network output 1 of card 0;
    // rung 2: that input off resets it.
    shared.Condities[1] = {1, 10, 1, 0, 1, 0};
    shared.Acties[1] = {1, 10, 1, 1, 1, 0, 0, 0, 0, 0};
    shared.Condities[4] = {1, 10, 11, 0, 1, 0};
    shared.Acties[2] = {1, 10, 2, 1, 1, 0, 0, 0, 0, 0};
    bool started = false;
    peer.onMessage = [&](const QString& code, const QString& payload) {
        if (code == "dc" && !started) {
            started = true;
            peer.sendMessage("di", "k0-1");
        } else if (code == "du" && payload == "k0-1") {
            peer.sendMessage("di", "k0-0");
        } else if (code == "du" && payload == "k0-0") {
            peer.sendMessage("qu");
        }
    };
    QTimer guard;  // a broken path ends the run instead of hanging the test
    QObject::connect(&guard, &QTimer::timeout, [] { CommandStop(); });
    guard.start(10000);
    CommandStart();
    EXPECT_EQ(peer.payloads("du"), (QStringList{"k0-1", "k0-0"}));
    EXPECT_EQ(peer.messages.first(), "ve|");
    EXPECT_EQ(shared.ProgrammaStatus, 0);
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(WinsockState(), 0);
    EXPECT_EQ(peer.count("qu"), 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(NetworkLinkTest, PeerThatClosesMidRunIsNoticedAtOnceAndTheRunGoesOn) {
    // Rung 1: the peer's input 1 of card 0 sets memory 0.
    shared.Condities[1] = {1, 10, 1, 0, 1, 0};
    shared.Acties[1] = {3, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    PeerLamps().braskFound = 0x80FF80;
    PeerLamps().vellemanFound[2] = 0x80FF80;
    bool started = false;
    peer.onMessage = [&](const QString& code, const QString&) {
        if (code == "dc" && !started) {
            started = true;
            peer.sendMessage("di", "k0-1");
        }
    };
    // Hangs up once the input took effect; stops the run a few cycles after
    // the close was reported.
    unsigned long long cyclesAtMessage = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (shared.GeheugenToestand[0] && peer.connected() && dialogs.messages.isEmpty()) peer.hangUp();
        if (dialogs.messages.size() == 1 && cyclesAtMessage == 0) cyclesAtMessage = ScanCycles();
        if (cyclesAtMessage != 0 && ScanCycles() > cyclesAtMessage + 3) CommandStop();
    });
    watcher.start(1);
    QTimer guard;  // a broken path ends the run instead of hanging the test
    QObject::connect(&guard, &QTimer::timeout, [] { CommandStop(); });
    guard.start(10000);
    CommandStart();

    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("De verbinding is verbroken."));
    EXPECT_NE(cyclesAtMessage, 0u);  // the run went on after the close
    EXPECT_EQ(shared.Verbindingsstatus, 0);
    EXPECT_EQ(WinsockState(), 0);
    EXPECT_EQ(ladderView.status.caption, "Niet verbonden.");
    EXPECT_EQ(ladderView.status.backColor, 0xD7D7D7u);
    EXPECT_EQ(PeerLamps().braskFound, 0x8080FFu);
    EXPECT_EQ(PeerLamps().vellemanFound[2], 0x8080FFu);
    EXPECT_EQ(shared.IngangDigitaalNetw[0][1], -1);  // the last values stay, as for a link that is not connected
    EXPECT_EQ(peer.count("qu"), 0);
}

TEST_F(NetworkLinkTest, NewAttemptAfterThePeerHungUp) {
    connectPeer();
    shared.Verbindingsstatus = 0;  // the run ended without closing the socket
    peer.hangUp();
    ASSERT_TRUE(WaitUntil([] { return WinsockState() == 8; }));
    peer.messages.clear();
    connectPeer();
    EXPECT_EQ(peer.messages.first(), "ve|");
}
