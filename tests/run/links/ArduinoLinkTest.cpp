// The Arduino link against an emulated sketch on a pseudo-terminal: the port
// search and hello, polls by board type, DI and analog replies into the
// input image, output commands, garbage, and a device pulled out mid-run.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <functional>

#include "ArduinoEmulator.h"
#include "ArduinoLink.h"
#include "ArduinoOutputs.h"
#include "ArduinoProtocol.h"
#include "ComPortNames.h"
#include "ComPortSearch.h"
#include "DashboardView.h"
#include "Detection.h"
#include "FakeDialogs.h"
#include "InstalledServices.h"
#include "LadderView.h"
#include "RunCommands.h"
#include "ScanLoop.h"
#include "SharedState.h"
#include "TogglingLadder.h"
#include "WaitUntil.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {

class ArduinoLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        qputenv(kComFolderVariable, QFile::encodeName(dir.path()));
        shared = SharedState{};
        dashboardView = DashboardView{};
        ladderView.icp12FoundLamp = 0x8080FF;
        SettingsComPorts() = ComPortList{};
        SplashComPorts() = ComPortList{};
        iCP_MS_Comm().Close();
        ResetArduinoLink();
    }
    void TearDown() override {
        TimerSerialPort().SetEnabled(false);
        iCP_MS_Comm().Close();
        qunsetenv(kComFolderVariable);
    }

    // A later reply of the sketch (input 5 on): once the program has taken it,
    // it has taken everything the sketch sent before.
    static void sketchMarker(ArduinoEmulator& sketch) {
        shared.IngangDigitaal[kGroupArduinoLocal][5] = 0;
        sketch.send("DI16\r\n");
        ASSERT_TRUE(WaitUntil([] { return shared.IngangDigitaal[kGroupArduinoLocal][5] == -1; }));
    }
    // A later command of the program: once the sketch has it, everything the
    // program wrote before has arrived.
    static void programMarker(ArduinoEmulator& sketch) {
        const int before = sketch.count("99");
        ASSERT_TRUE(iCP_MS_Comm().Output(QStringLiteral("99/")));
        ASSERT_TRUE(WaitUntil([&] { return sketch.count("99") == before + 1; }));
    }

    // The Arduino search as the interface search runs it.
    void search() {
        ZoekComPoorten();
        if (shared.ICP12Poort != 0) ICP_Connect(shared.ICP12Poort);
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::vector<double> waits;
    std::function<bool()> waitDone;
    // Fake time for the 2 s waits: each wait hands the events for as long
    // as the sketch needs to answer, never the full two seconds.
    InstalledServices installed{{.dialogs = &dialogs, .wait = [this](double s) {
                                     waits.push_back(s);
                                     WaitUntil([this] { return !waitDone || waitDone(); }, 300);
                                 }}};
};

}  // namespace

TEST_F(ArduinoLinkTest, SearchOpensTheLowestPortAndSaysHelloTwice) {
    ArduinoEmulator com3(dir.path(), 3, "ET");
    ArduinoEmulator com7(dir.path(), 7, "TM");
    ASSERT_TRUE(com3.ok() && com7.ok());
    waitDone = [&] { return shared.ICP12Type == "ET"; };
    AangeslotenICP12();  // the interface search, through its hooks

    EXPECT_EQ(SettingsComPorts().items, (QStringList{"3", "7"}));
    EXPECT_EQ(SplashComPorts().items, (QStringList{"3", "7"}));
    EXPECT_EQ(SettingsComPorts().text, "3");
    EXPECT_EQ(shared.ICP12Poort, 3);
    EXPECT_TRUE(iCP_MS_Comm().PortOpen());
    EXPECT_EQ(iCP_MS_Comm().CommPort(), 3);
    WaitUntil([&] { return com3.count("90") == 2; });
    EXPECT_EQ(com3.count("90"), 2);
    EXPECT_TRUE(com7.commands.isEmpty());
    EXPECT_EQ(shared.ICP12Type, "ET");
    EXPECT_EQ(ladderView.icp12FoundLamp, 0x80FF80u);
    // Open, 2 s, hello, 2 s; then once more on the open port.
    EXPECT_EQ(waits, (std::vector<double>{2, 2, 2, 2}));

    // A second search keeps the settings list to the ports present now; the
    // splash list gets every port again.
    com7.unplug();
    search();
    EXPECT_EQ(SettingsComPorts().items, (QStringList{"3"}));
    EXPECT_EQ(SplashComPorts().items, (QStringList{"3", "7", "3"}));
}

TEST_F(ArduinoLinkTest, TheModuleSearchsProbeDoesNotHideTheFirstHello) {
    // The Kelvanor module search writes its own probe to every serial port,
    // the Arduino's included, before the hello. A sketch that takes CR and LF
    // as separators and ignores what it does not know answers the first hello,
    // whichever of the two ends the probe.
    for (const QByteArray& probeText : {QByteArray("\rsetup0\r"), QByteArray("\nsetup0\n")}) {
        shared.ICP12Type.clear();
        ArduinoEmulator com3(dir.path(), 3, "ET");
        ASSERT_TRUE(com3.ok());
        const int probe = ::open(QFile::encodeName(com3.slavePath()).constData(), O_WRONLY | O_NOCTTY);
        ASSERT_GE(probe, 0);
        EXPECT_EQ(::write(probe, probeText.constData(), size_t(probeText.size())), probeText.size());
        ::close(probe);
        waitDone = [] { return shared.ICP12Type == "ET"; };
        ZoekComPoorten();  // opens the port and says hello once
        EXPECT_EQ(shared.ICP12Type, "ET") << probeText.toStdString();
        EXPECT_EQ(com3.received, probeText + "90/");
    }
}

TEST_F(ArduinoLinkTest, NoPortFound) {
    shared.TaalVlag = true;
    search();
    EXPECT_TRUE(SettingsComPorts().items.isEmpty());
    EXPECT_EQ(SettingsComPorts().text, "Geen poorten gevonden.");
    EXPECT_EQ(SplashComPorts().text, "Geen poorten gevonden.");
    EXPECT_EQ(shared.ICP12Poort, 0);
    EXPECT_FALSE(iCP_MS_Comm().PortOpen());
    EXPECT_TRUE(waits.empty());  // no hello, no wait
}

TEST_F(ArduinoLinkTest, SplashProgressMovesOnlyDuringStartUp) {
    int steps = 0;
    SetSplashProgressStep([&] { ++steps; });
    ZoekComPoorten();
    EXPECT_EQ(steps, 255);
    shared.SplashGetoond = true;
    ZoekComPoorten();
    EXPECT_EQ(steps, 255);
    SetSplashProgressStep(nullptr);
}

TEST_F(ArduinoLinkTest, BoardWithoutAnswerLeavesTypeAndLamp) {
    ArduinoEmulator com1(dir.path(), 1, "");
    shared.ICP12Type = "AT";  // from an earlier search: never cleared
    search();
    EXPECT_TRUE(WaitUntil([&] { return com1.count("90") == 2; }));
    sketchMarker(com1);
    EXPECT_EQ(shared.ICP12Type, "AT");
    EXPECT_EQ(ladderView.icp12FoundLamp, 0x8080FFu);
}

TEST_F(ArduinoLinkTest, PollsByBoardType) {
    ArduinoEmulator com2(dir.path(), 2, "");
    com2.answerPolls = false;
    search();
    ASSERT_TRUE(iCP_MS_Comm().PortOpen());
    TimerSerialPort_Timer();  // no board identified: nothing
    programMarker(com2);
    EXPECT_EQ(com2.count("5") + com2.count("7"), 0);

    shared.ICP12Type = "ET";
    TimerSerialPort_Timer();
    shared.ICP12Type = "AT";
    TimerSerialPort_Timer();
    ASSERT_TRUE(WaitUntil([&] { return com2.count("5") == 2; }));
    shared.ICP12Type = "TM";
    TimerSerialPort_Timer();
    ASSERT_TRUE(WaitUntil([&] { return com2.count("7") == 1; }));

    iCP_MS_Comm().Close();
    TimerSerialPort_Timer();  // closed port: nothing written
    // Reopened, a marker written now arrives after anything the tick had sent.
    ASSERT_TRUE(iCP_MS_Comm().Open());
    programMarker(com2);
    EXPECT_EQ(com2.count("7"), 1);
}

TEST_F(ArduinoLinkTest, RepliesDriveTheArduinoInputs) {
    ArduinoEmulator com4(dir.path(), 4, "TM");
    waitDone = [&] { return shared.ICP12Type == "TM"; };
    search();
    ASSERT_EQ(shared.ICP12Type, "TM");
    auto& in = shared.IngangDigitaal[kGroupArduinoLocal];

    com4.inputBits = 5;
    TimerSerialPort_Timer();
    ASSERT_TRUE(WaitUntil([&] { return in[1] == -1 && in[3] == -1; }));
    EXPECT_EQ(in[2], 0);
    EXPECT_EQ(in[4], 0);
    EXPECT_EQ(in[5], 0);

    com4.lineEnd = "\n";
    com4.analogReply = "A3600";
    TimerSerialPort_Timer();
    ASSERT_TRUE(WaitUntil([&] { return in[4] == -1; }));
    com4.analogReply = "A3512";  // 512 itself is off
    TimerSerialPort_Timer();
    ASSERT_TRUE(WaitUntil([&] { return in[4] == 0; }));

    // Several replies in one read are all taken, in order.
    com4.send("DI3\r\nA4900\r\nA1700\r\n");
    ASSERT_TRUE(WaitUntil([&] { return in[2] == -1 && in[5] == -1; }));
    EXPECT_EQ(in[1], -1);
    EXPECT_EQ(in[3], 0);

    // Out-of-range numbers and garbage are ignored; the stream recovers.
    com4.send("DI99999\r\n");
    com4.send(QByteArray(20000, 'Z'));
    com4.send("\r\nA0abc\r\nXX12\r\nDI16\r\n");
    ASSERT_TRUE(WaitUntil([&] { return in[5] == -1 && in[1] == 0; }));
    EXPECT_EQ(in[2], 0);
    EXPECT_EQ(shared.ICP12Type, "TM");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ArduinoLinkTest, OutputCommands) {
    EXPECT_FALSE(ArduinoSetOutputsAndRemember(5));  // closed: nothing sent
    ArduinoEmulator com5(dir.path(), 5, "ET");
    search();
    ASSERT_TRUE(iCP_MS_Comm().PortOpen());
    // Each after the one before has arrived: one set while the line still
    // carries the last command waits, and gives way to a newer one.
    for (const int byte : {5, 255, 0}) {
        const auto before = com5.outputCommands().size();
        EXPECT_TRUE(ArduinoSetOutputsAndRemember(byte));
        ASSERT_TRUE(WaitUntil([&] { return com5.outputCommands().size() == before + 1; }));
    }
    EXPECT_EQ(com5.outputCommands(), (QStringList{"1/5", "1/255", "1/0"}));
    EXPECT_TRUE(com5.received.endsWith("1/5/1/255/1/0/"));
}

TEST_F(ArduinoLinkTest, UnpluggedMidRun) {
    ArduinoEmulator com6(dir.path(), 6, "ET");
    waitDone = [&] { return shared.ICP12Type == "ET"; };
    search();
    ASSERT_TRUE(iCP_MS_Comm().PortOpen());
    ASSERT_EQ(ladderView.icp12FoundLamp, 0x80FF80u);
    shared.ProgrammaStatus = 1;
    TimerSerialPort().SetEnabled(true);

    com6.unplug();
    ASSERT_TRUE(WaitUntil([] { return !iCP_MS_Comm().PortOpen(); }));
    ASSERT_TRUE(WaitUntil([&] { return dialogs.messages.size() == 1; }));
    EXPECT_EQ(dialogs.messages, QStringList{"De verbinding met de Arduino is verbroken."});
    EXPECT_EQ(ladderView.icp12FoundLamp, 0x8080FFu);
    EXPECT_EQ(shared.ProgrammaStatus, 1);  // the run goes on
    EXPECT_FALSE(ArduinoSetOutputsAndRemember(3));
    EXPECT_FALSE(COM_Available(6));

    // Plugged in again and found with the search button: greeted, identified
    // and polled again at once, with the run still on.
    ArduinoEmulator again(dir.path(), 6, "ET");
    again.inputBits = 1;
    waitDone = [] { return ladderView.icp12FoundLamp == 0x80FF80u; };
    CMDZoekiCP12_Click();
    EXPECT_EQ(ladderView.icp12FoundLamp, 0x80FF80u);
    ASSERT_TRUE(WaitUntil([&] { return again.count("5") >= 3; }));
    EXPECT_TRUE(WaitUntil([] { return shared.IngangDigitaal[kGroupArduinoLocal][1] == -1; }));
    EXPECT_EQ(dialogs.messages.size(), 1);
}

// A reply that comes in two pieces: "DI", then gapMs later the rest. Samples
// input 1 when the rest goes out; a marker reply after it shows when all was read.
void SendInPieces(ArduinoEmulator& sketch, const QByteArray& rest, const QByteArray& marker, int gapMs, Integer& sample) {
    sketch.send("DI");
    QTimer::singleShot(gapMs, Qt::PreciseTimer, [&sketch, &sample, rest, marker, gapMs] {
        sample = shared.IngangDigitaal[kGroupArduinoLocal][1];
        sketch.send(rest);
        // A sketch without line ends needs a quiet pause between replies.
        QTimer::singleShot(gapMs + 2 * kArduinoReplyPauseMs, Qt::PreciseTimer, [&sketch, marker] { sketch.send(marker); });
    });
}

TEST_F(ArduinoLinkTest, RepliesInPiecesNeverReadAsAllInputsOff) {
    auto& in = shared.IngangDigitaal[kGroupArduinoLocal];
    for (const bool lineEnds : {true, false}) {
        ArduinoEmulator sketch(dir.path(), 9, "ET");
        sketch.answerPolls = false;
        sketch.lineEnd = lineEnds ? "\r\n" : "";
        waitDone = [&] { return shared.ICP12Type == "ET"; };
        search();
        ASSERT_EQ(shared.ICP12Type, "ET");
        // The second hello's answer is taken before the replies under test.
        ASSERT_TRUE(WaitUntil([&] { return sketch.count("90") == 2; }));
        Pump(3 * kArduinoReplyPauseMs);
        const QByteArray end = sketch.lineEnd;
        in.fill(0);
        sketch.send("DI17" + end);
        ASSERT_TRUE(WaitUntil([&] { return in[1] == -1 && in[5] == -1; })) << (lineEnds ? "" : "no line ends");
        for (const int gap : {1, 5, 9, 12, 20}) {
            sketch.send("A1100" + end);  // input 2 off: the marker turns it on
            ASSERT_TRUE(WaitUntil([&] { return in[2] == 0; })) << "gap " << gap;
            Integer sample = 0;
            SendInPieces(sketch, "17" + end, "A1700" + end, gap, sample);
            ASSERT_TRUE(WaitUntil([&] { return in[2] == -1; })) << "gap " << gap;
            EXPECT_EQ(in[1], -1) << "gap " << gap << (lineEnds ? "" : ", no line ends");
            EXPECT_EQ(in[5], -1);
            if (gap > 1) {
                EXPECT_EQ(sample, -1) << "read as all off after a gap of " << gap << " ms";
            }
        }
        iCP_MS_Comm().Close();
        ResetArduinoLink();
    }
}

TEST_F(ArduinoLinkTest, EveryInputChangeIsReadWhateverEndsTheReplies) {
    // The 20 ms poll runs; the sketch answers each poll in two pieces 1 to 19
    // ms apart, cut after the code ("DI" | "21") or inside the number ("DI2" |
    // "1"), and the line ends of its poll replies take their turns from the
    // row's list.
    struct Row {
        const char* name;
        QByteArray helloEnd;
        QList<QByteArray> pollEnds;
    };
    const Row rows[] = {{"no line ends", "", {""}},
                        {"hello with CR LF, polls without", "\r\n", {""}},
                        {"switching", "\r\n", {"", "\r", "", "\n", "\r\n", "\r\n", ""}}};
    const int values[] = {21, 10, 17, 0, 31, 18, 12};
    auto& in = shared.IngangDigitaal[kGroupArduinoLocal];
    auto shows = [&in](int bits) {
        for (int k = 1; k <= 5; ++k)
            if (in[k] != (((bits >> (k - 1)) & 1) ? -1 : 0)) return false;
        return true;
    };
    for (const Row& row : rows) {
        ArduinoEmulator sketch(dir.path(), 10, "ET");
        sketch.lineEnd = row.helloEnd;
        shared.ICP12Type = "";
        waitDone = [] { return shared.ICP12Type == "ET"; };
        search();
        ASSERT_EQ(shared.ICP12Type, "ET") << row.name;
        ASSERT_TRUE(WaitUntil([&] { return sketch.count("90") == 2; }));  // both hellos answered
        in.fill(0);
        int polls = 0;
        int previous = 0, current = 0;  // while a change travels the image shows either
        bool misread = false;
        sketch.lineEnd = row.pollEnds[0];
        sketch.onCommand = [&](const QString& c) {
            if (c != "5") return;
            sketch.lineEnd = row.pollEnds[++polls % row.pollEnds.size()];  // for the next reply
            if (!shows(previous) && !shows(current)) misread = true;
        };
        // A busy machine may hold the pieces apart longer than the quiet pause,
        // and then the pause rightly ends "DI2" of "DI2" | "1": such a sample
        // says nothing of its gap and is taken again with the next change.
        constexpr int kTries = 20;
        auto stretched = [&] { return sketch.longestPieceGapMs >= kArduinoReplyPauseMs; };
        TimerSerialPort().SetEnabled(true);
        int step = 0;
        for (int gap = 1; gap <= 19; ++gap) {
            for (const int cut : {2, 3}) {
                sketch.pieceGapMs = gap;
                sketch.pieceCut = cut;
                for (int attempt = 1;; ++attempt) {
                    misread = false;
                    sketch.longestPieceGapMs = 0;
                    previous = current;
                    current = values[step++ % std::size(values)];
                    sketch.inputBits = current;
                    ASSERT_TRUE(WaitUntil([&] { return shows(current); }))
                        << row.name << ": DI" << current << ", gap " << gap << " ms, cut at " << cut;
                    if (!stretched()) break;
                    ASSERT_LT(attempt, kTries) << row.name << ": the pieces always came further apart than the pause";
                }
                EXPECT_FALSE(misread) << row.name << ", gap " << gap << " ms, cut at " << cut;
            }
        }
        // One more reply without a line end, in pieces as far apart as a
        // bridge holds them, and none after it to end it: the line going quiet does.
        TimerSerialPort().SetEnabled(false);
        sketch.pieceGapMs = kArduinoPieceGapMs;
        sketch.pieceCut = 3;
        for (int attempt = 1;; ++attempt) {
            ASSERT_TRUE(WaitUntil([&] { return !sketch.sendingInPieces(); }));
            sketch.lineEnd = "";
            previous = current;
            current = attempt % 2 ? 25 : 14;  // "DI2" | "5", "DI1" | "4"
            sketch.inputBits = current;
            TimerSerialPort_Timer();
            const bool shown = WaitUntil([&] { return shows(current); }, 2000);
            ASSERT_TRUE(WaitUntil([&] { return !sketch.sendingInPieces(); }));
            if (!stretched()) {
                EXPECT_TRUE(shown) << row.name << ": the last reply";
                EXPECT_FALSE(misread) << row.name;
                break;
            }
            ASSERT_LT(attempt, kTries) << row.name << ": the pieces always came further apart than the pause";
            // The image may show the stretched reply's first piece: a whole reply puts it right.
            sketch.send("DI" + QByteArray::number(current) + "\r\n");
            ASSERT_TRUE(WaitUntil([&] { return shows(current); }));
            misread = false;
            sketch.longestPieceGapMs = 0;
        }
        iCP_MS_Comm().Close();
        ResetArduinoLink();
    }
}

TEST_F(ArduinoLinkTest, ARunFollowsTheSketchsInputs) {
    ArduinoEmulator com8(dir.path(), 8, "AT");
    waitDone = [&] { return shared.ICP12Type == "AT"; };
    search();
    ASSERT_EQ(shared.ICP12Type, "AT");
    // Rung 1: Arduino input 1 sets output 1; rung 2: input 1 off resets it.
    shared.Condities[1] = {1, 50, 1, 0, 0, 0};
    shared.Acties[1] = {1, 50, 1, 1, 0, 0, 0, 0, 0, 0};
    shared.Condities[4] = {1, 50, 11, 0, 0, 0};
    shared.Acties[2] = {1, 50, 2, 1, 0, 0, 0, 0, 0, 0};
    // The board's outputs are unknown after the port opened: the first pass,
    // input 1 off, sends output 1 off. Then input 1 goes on, and off again.
    com8.onCommand = [&](const QString& c) {
        if (c == "1/0" && com8.count("1/1") == 0) com8.inputBits = 1;
        if (c == "1/1") com8.inputBits = 0;
        if (c == "1/0" && com8.count("1/1") == 1) CommandStop();
    };
    QTimer guard;  // a broken path ends the run instead of hanging the test
    QObject::connect(&guard, &QTimer::timeout, [] { CommandStop(); });
    guard.start(10000);
    CommandStart();
    EXPECT_EQ(com8.outputCommands(), (QStringList{"1/0", "1/1", "1/0"}));
    EXPECT_GE(com8.count("5"), 2);              // polled for the board "AT"
    EXPECT_FALSE(TimerSerialPort().Enabled());  // Stop ends the poll
}

// The emulated sketch keeps its outputs while its port is closed and opened
// again, as a board behind a bridge without the reset does: after each open
// the first pass drives the board to the ladder's state, even where the board
// showed it already before the port closed, and no pass after it sends
// anything.
TEST_F(ArduinoLinkTest, ABoardThatKeptItsOutputsGetsOneCommandAfterEachOpen) {
    ArduinoEmulator sketch(dir.path(), 13, "ET");
    search();
    ASSERT_TRUE(iCP_MS_Comm().PortOpen());
    shared.Condities[1] = {1, 50, 11, 0, 0, 0};  // Not Arduino input 1 (off)
    const std::function<void()> reopens[] = {[this] {
                                                 waitDone = [] { return shared.ICP12Type == "ET"; };
                                                 AangeslotenICP12();  // the search closes the port and opens it again
                                             },
                                             [] {
                                                 iCP_MS_Comm().Close();
                                                 ASSERT_TRUE(iCP_MS_Comm().Open());
                                             }};
    const struct {
        std::array<Integer, kActionColumns> action;
        QString lit;  // what the board shows before its port closes
        QStringList sent;
    } rows[] = {{{1, 50, 2, 9, 0, 0, 0, 0, 0, 0}, "1/5/", {"1/5", "1/0", "1/5", "1/0"}},             // all outputs off
                {{1, 50, 1, 9, 0, 0, 0, 0, 0, 0}, "1/255/", {"1/255", "1/255", "1/255", "1/255"}}};  // all on
    for (const auto& row : rows) {
        shared.Acties[1] = row.action;
        const qsizetype before = sketch.outputCommands().size();
        for (const auto& reopen : reopens) {
            ASSERT_TRUE(iCP_MS_Comm().Output(row.lit));
            reopen();
            for (int pass = 0; pass < 50; ++pass) ScanCycle();
            programMarker(sketch);
        }
        EXPECT_EQ(sketch.outputCommands().mid(before), row.sent) << row.lit.toStdString();
    }
}

TEST_F(ArduinoLinkTest, RungsThatDisagreeSendNoCommands) {
    ArduinoEmulator sketch(dir.path(), 11, "ET");
    waitDone = [&] { return shared.ICP12Type == "ET"; };
    AangeslotenICP12();  // the board's outputs are unknown after its port opened
    ASSERT_EQ(shared.ICP12Type, "ET");
    // Input 1 off: set output 3, and all outputs off. Input 2: set output 5.
    shared.Condities[1] = {1, 50, 11, 0, 0, 0};
    shared.Acties[1] = {1, 50, 1, 3, 0, 0, 0, 0, 0, 0};
    shared.Condities[4] = {1, 50, 11, 0, 0, 0};
    shared.Acties[2] = {1, 50, 2, 9, 0, 0, 0, 0, 0, 0};
    shared.Condities[7] = {1, 50, 2, 0, 0, 0};
    shared.Acties[3] = {1, 50, 1, 5, 0, 0, 0, 0, 0, 0};
    // Each step waits 100 passes, then turns input 2 on, then off, then stops.
    // The first pass after the port opened sends the ladder's state ("1/0/").
    constexpr unsigned long long kPasses = 100;
    int step = 0;
    unsigned long long from = 0;
    QTimer stepper;
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        if (ScanCycles() < from + kPasses || sketch.outputCommands().size() < step + 1) return;
        from = ScanCycles();
        if (step == 0) sketch.inputBits = 2;
        else if (step == 1) sketch.inputBits = 0;
        else CommandStop();
        ++step;
    });
    QTimer guard;  // a broken path ends the run instead of hanging the test
    QObject::connect(&guard, &QTimer::timeout, [] { CommandStop(); });
    guard.start(10000);
    from = ScanCycles();
    stepper.start(5);
    CommandStart();
    EXPECT_EQ(step, 3);
    EXPECT_EQ(sketch.outputCommands(), (QStringList{"1/0", "1/16", "1/0"}));
}

namespace {

// A ladder that turns Arduino output 3 on and off on every pass, through two
// memories, while the sketch reads slowly or not at all: the line pushes back.
class ArduinoBackPressureTest : public ArduinoLinkTest {
protected:
    // Runs the toggling ladder: for a second with the sketch reading freely
    // (longer, until the program sent a thousand characters), then for `slowMs` with `slowDown` in force (longer, until the line pushed back); then the ladder settles on
    // output 5 alone ("1/16/", never sent before) and the sketch reads freely
    // again. The link must stay, hold little, and bring the board the newest
    // state at once.
    void runWithASlowReader(const std::function<void(ArduinoEmulator&)>& slowDown, int slowMs) {
        ArduinoEmulator sketch(dir.path(), 12, "ET");
        waitDone = [] { return shared.ICP12Type == "ET"; };
        AangeslotenICP12();
        ASSERT_EQ(shared.ICP12Type, "ET");
        WriteTogglingArduinoLadder();
        SerialPortControl& port = iCP_MS_Comm();

        enum class Phase { Free, Slow, Settled, Resumed } phase = Phase::Free;
        QElapsedTimer clock;
        qint64 phaseMs = 0;
        qint64 sentBefore = 0, freeBytes = 0, freeMs = 0;
        int heldMost = 0;
        bool lost = false;
        // After reading resumes the polls are "7/" (the board type changes
        // then): the newest state must come before the second of them.
        int pollsBeforeNewest = -1;
        sketch.onCommand = [&](const QString& c) {
            if (c == "1/16" && pollsBeforeNewest < 0) pollsBeforeNewest = sketch.count("7");
        };
        QTimer stepper;
        QObject::connect(&stepper, &QTimer::timeout, [&] {
            if (!port.PortOpen()) {
                lost = true;
                CommandStop();
                return;
            }
            heldMost = std::max(heldMost, port.HeldCount());
            const qint64 now = clock.elapsed();
            switch (phase) {
            case Phase::Free:
                if (now < 1000 || sketch.received.size() - sentBefore <= 1000) return;
                freeBytes = sketch.received.size();
                freeMs = now;
                slowDown(sketch);
                phase = Phase::Slow;
                phaseMs = now;
                return;
            case Phase::Slow:
                // A busy machine runs fewer passes: go on until the line has
                // pushed back at least once.
                if (now - phaseMs < slowMs || heldMost == 0) return;
                shared.Acties[5] = {1, 50, 1, 5, 0, 0, 0, 0, 0, 0};  // output 5 instead of 3
                phase = Phase::Settled;
                return;
            case Phase::Settled:
                shared.ICP12Type = "TM";
                sketch.readFreely();
                phase = Phase::Resumed;
                return;
            case Phase::Resumed:
                if (pollsBeforeNewest >= 0 && sketch.count("7") >= 2) CommandStop();
                return;
            }
        });
        QTimer guard;  // a broken path ends the run instead of hanging the test
        QObject::connect(&guard, &QTimer::timeout, [] { CommandStop(); });
        guard.start(slowMs + 60000);
        clock.start();
        sentBefore = sketch.received.size();
        stepper.start(5);
        CommandStart();

        EXPECT_FALSE(lost);
        EXPECT_TRUE(dialogs.messages.isEmpty());
        // The line carries 11,520 characters a second; the program sent no more.
        EXPECT_LE(freeBytes - sentBefore, freeMs * 11520 / 1000 + 16);
        EXPECT_GT(freeBytes - sentBefore, 1000);  // and the ladder did toggle
        EXPECT_GT(heldMost, 0);                   // the line did push back
        EXPECT_LE(heldMost, 16);                  // a command and a poll at most
        ASSERT_FALSE(sketch.outputCommands().isEmpty());
        EXPECT_EQ(sketch.outputCommands().last(), "1/16");
        EXPECT_GE(pollsBeforeNewest, 0);
        EXPECT_LE(pollsBeforeNewest, 1);
        EXPECT_EQ(shared.ArduinoUitByte, 16);
    }
};

TEST_F(ArduinoBackPressureTest, AReaderThatStallsHalfAMinuteGetsTheNewestStateAfter) {
    runWithASlowReader([](ArduinoEmulator& sketch) { sketch.readSlowly(0); }, 30000);
}

TEST_F(ArduinoBackPressureTest, AReaderThatTakesAByteEveryTenMillisecondsGetsTheNewestStateAfter) {
    runWithASlowReader([](ArduinoEmulator& sketch) { sketch.readSlowly(10); }, 4000);
}

}  // namespace
