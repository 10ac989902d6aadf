// The settings window: the search boxes and periods with their click
// cascade, the peer's address and port panels by connection state, leaving
// the window, and the Arduino buttons against the emulated sketch.
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ArduinoEmulator.h"
#include "ArduinoLink.h"
#include "ArduinoProtocol.h"
#include "ArduinoTools.h"
#include "ComPortNames.h"
#include "ComPortSearch.h"
#include "Controls.h"
#include "Detection.h"
#include "FakeDialogs.h"
#include "InputReading.h"
#include "InstalledServices.h"
#include "LadderProgrammeren.h"
#include "LadderView.h"
#include "MainWindowCommands.h"
#include "PeerEntry.h"
#include "RunCommands.h"
#include "SettingsFile.h"
#include "SettingsWindow.h"
#include "SharedState.h"
#include "StartUpServices.h"
#include "TempHome.h"
#include "WaitUntil.h"
#include "Windows.h"

namespace tamberlo::test {
namespace {

class SettingsWindowTest : public ::testing::Test {
protected:
    TempHome home;
    FakeDialogs dialogs;
    InstalledServices installed{{.dialogs = &dialogs}};

    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
        periodicSearch() = PeriodicSearch{};
        TimerConnect().SetEnabled(false);
        TimerConnect().SetInterval(10000);
        shared.NetwerkAdres = "192.168.1.100";
        shared.NetwerkPoort = 120;
        WinsockHost().SetRemoteHost("10.1.1.1");
        WinsockHost().SetRemotePort(2000);
    }
    void TearDown() override {
        TimerConnect().SetEnabled(false);
        TimerLeesIngangen().SetEnabled(false);
        forgetWindows();
    }

    // The period selected, the search timer and the three boxes.
    struct Search {
        int option;
        bool enabled;
        int interval;
        int boxes[3];
        bool operator==(const Search& o) const {
            return option == o.option && enabled == o.enabled && (!enabled || interval == o.interval) &&
                   std::equal(boxes, boxes + 3, o.boxes);
        }
    };
    static Search search() {
        SettingsWindow& w = settingsWindow();
        Search s{0, TimerConnect().Enabled(), TimerConnect().Interval(), {}};
        for (int i = 1; i <= 4; ++i)
            if (w.OptionTimer(i)->isChecked()) s.option = i;
        const PeriodicSearch& k = periodicSearch();
        s.boxes[0] = k.CheckVelleman;
        s.boxes[1] = k.CheckBrask;
        s.boxes[2] = k.CheckiCP12;
        EXPECT_EQ(w.CheckVelleman->isChecked(), k.CheckVelleman == 1);
        return s;
    }
};

TEST_F(SettingsWindowTest, SearchBoxesAndPeriodsCascadeAsTheirClicksDo) {
    SettingsWindow& w = settingsWindow();
    EXPECT_EQ(search(), (Search{1, false, 10000, {0, 0, 0}}));

    w.CheckBrask->click();  // any box: a search every 30 s
    EXPECT_EQ(search(), (Search{3, true, 30000, {0, 1, 0}}));
    w.OptionTimer(2)->click();  // a period with a box ticked keeps the boxes
    EXPECT_EQ(search(), (Search{2, true, 10000, {0, 1, 0}}));
    w.CheckVelleman->click();  // another box with "10 sec." selected: "30 sec." again
    EXPECT_EQ(search(), (Search{3, true, 30000, {1, 1, 0}}));
    w.OptionTimer(4)->click();  // "1 min."
    EXPECT_EQ(search(), (Search{4, true, 60000, {1, 1, 0}}));
    w.OptionTimer(1)->click();  // "Uit" stops the search and unticks every box
    EXPECT_EQ(search(), (Search{1, false, 0, {0, 0, 0}}));

    // A period with no box ticked ticks all three, and each tick selects "30 sec.".
    for (int option : {2, 4}) {
        w.OptionTimer(option)->click();
        EXPECT_EQ(search(), (Search{3, true, 30000, {1, 1, 1}}));
        w.OptionTimer(1)->click();
    }
    w.CheckiCP12->click();
    w.CheckiCP12->click();  // unticking the last box selects "Uit"
    EXPECT_EQ(search(), (Search{1, false, 0, {0, 0, 0}}));
}

TEST_F(SettingsWindowTest, TypedPortsRoundHalfToEvenAndOutOfRangeKeepsTheDefault) {
    const std::pair<QString, std::optional<Long>> entries[] = {{"2400.5", 2400},   {"2401.5", 2402},        {"abc", 0},
                                                               {"", std::nullopt}, {"70000", std::nullopt}, {" 8080", 8080},
                                                               {"65535", 65535},   {"-1", std::nullopt},    {"12ab", 12}};
    for (const auto& [text, port] : entries) EXPECT_EQ(PortFromEntry(text), port) << text.toStdString();

    shared.NetwerkPoort = 4321;
    for (const auto& [text, port] : entries) {
        dialogs.inputAnswers = {text};
        PanelPoort_Click();
        EXPECT_EQ(WinsockHost().RemotePort(), port.value_or(4321)) << text.toStdString();
        EXPECT_EQ(ladderView.panelPort, QString::number(port.value_or(4321)));
    }
    EXPECT_EQ(home.read("Tamberlo.ini"), SettingsText(false, "10.1.1.1", 12));
    EXPECT_EQ(shared.NetwerkPoort, 4321);  // the value read at start-up stays
}

TEST_F(SettingsWindowTest, AddressPanelByConnectionState) {
    shared.Verbindingsstatus = 1;  // connected: who to disconnect first, nothing asked
    PanelIPadres_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Verbreek eerst de verbinding met:"));
    shared.Verbindingsstatus = 3;  // connecting: nothing at all
    dialogs.inputAnswers = {"10.9.9.9"};
    PanelIPadres_Click();
    PanelPoort_Click();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(WinsockHost().RemoteHost(), "10.1.1.1");

    shared.Verbindingsstatus = 0;  // idle: asked, shown and kept
    PanelIPadres_Click();
    EXPECT_EQ(WinsockHost().RemoteHost(), "10.9.9.9");
    EXPECT_EQ(ladderView.panelIpAddress, "10.9.9.9");
    EXPECT_EQ(home.read("Tamberlo.ini"), SettingsText(false, "10.9.9.9", 2000));
    PanelIPadres_Click();  // empty or cancelled: the address read at start-up
    EXPECT_EQ(WinsockHost().RemoteHost(), "192.168.1.100");
    EXPECT_EQ(shared.NetwerkAdres, "192.168.1.100");
}

// Every address the settings file would give back otherwise than typed, quoted
// in the message as typed: a character the code page lacks, a line end, a
// comma (the field ends there), a leading quote or blanks around it.
TEST_F(SettingsWindowTest, AnAddressTheSettingsFileWouldNotGiveBackIsNeitherUsedNorKept) {
    dialogs.inputAnswers = {"10.9.9.9"};
    PanelIPadres_Click();
    const QByteArray kept = home.read("Tamberlo.ini");
    ASSERT_EQ(kept, SettingsText(false, "10.9.9.9", 2000));

    const struct {
        bool english;
        const char* typed;
        const char* quoted;
    } refused[] = {{false, "pc-Ω", "pc-Ω"},
                   {true, "pc\n2", "pc?2"},
                   {true, "10.0.0.5,6", "10.0.0.5,6"},
                   {true, "\"10.0.0.5\"", "\"10.0.0.5\""},
                   {true, " 10.0.0.5", " 10.0.0.5"},
                   {true, "10.0.0.5 ", "10.0.0.5 "},
                   {true, "pc-😀", "pc-😀"}};
    for (const auto& row : refused) {
        SCOPED_TRACE(row.typed);
        shared.TaalVlag = row.english;
        dialogs.messages.clear();
        dialogs.inputAnswers = {QString::fromUtf8(row.typed)};
        PanelIPadres_Click();
        const std::string quoted = row.quoted;
        EXPECT_EQ(dialogs.messages.mid(1).join('|').toStdString(),  // after the prompt
                  row.english ? "The network address \"" + quoted +
                                    "\" has characters the settings file cannot hold. The address 10.9.9.9 stays in use."
                              : "Het netwerkadres \"" + quoted +
                                    "\" bevat tekens die het instellingenbestand niet kan bewaren. Het adres 10.9.9.9 "
                                    "blijft in gebruik.");
        EXPECT_EQ(WinsockHost().RemoteHost(), "10.9.9.9");
        EXPECT_EQ(ladderView.panelIpAddress, "10.9.9.9");
        EXPECT_EQ(home.read("Tamberlo.ini"), kept);
    }
}

TEST_F(SettingsWindowTest, UnwritableSettingsNameWhatHoldsForThisSession) {
    QDir(home.path()).mkdir("Tamberlo.ini");
    shared.TaalVlag = true;
    dialogs.inputAnswers = {"2500", "10.2.2.2"};
    PanelPoort_Click();
    PanelIPadres_Click();
    EXPECT_EQ(dialogs.messages.filter("File write protected").join("|"),
              "File write protected. Port applied only for this session.|"
              "File write protected. IP-address applied only for this session.");
    EXPECT_EQ(WinsockHost().RemotePort(), 2500);
    EXPECT_EQ(WinsockHost().RemoteHost(), "10.2.2.2");
}

TEST_F(SettingsWindowTest, LeavingTurnsPollingBackOnOnlyWithoutARun) {
    LadderProgrammeren& main = mainWindow();
    SettingsWindow& w = settingsWindow();
    for (Integer status : {Integer(0), Integer(1), Integer(2)}) {
        shared.ProgrammaStatus = status;
        TimerLeesIngangen().SetEnabled(true);
        CommandClipBoard_Click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(main.isEnabled());
        EXPECT_FALSE(TimerLeesIngangen().Enabled());
        w.close();  // the close box takes the OK path
        EXPECT_FALSE(w.isVisible());
        EXPECT_TRUE(main.isEnabled());
        EXPECT_EQ(TimerLeesIngangen().Enabled(), status == 0) << status;
    }
}

class ArduinoButtonsTest : public SettingsWindowTest {
protected:
    QTemporaryDir comDir;
    void SetUp() override {
        SettingsWindowTest::SetUp();
        qputenv(kComFolderVariable, QFile::encodeName(comDir.path()));
        iCP_MS_Comm().Close();
        ResetArduinoLink();
    }
    void TearDown() override {
        TimerSerialPort().SetEnabled(false);
        iCP_MS_Comm().Close();
        qunsetenv(kComFolderVariable);
        SettingsWindowTest::TearDown();
    }
    bool open(int com) {
        iCP_MS_Comm().SetCommPort(com);
        return iCP_MS_Comm().Open();
    }
};

TEST_F(ArduinoButtonsTest, RunningLightSendsSixteenCommandsWithTheirGaps) {
    ArduinoEmulator sketch(comDir.path(), 4);
    ASSERT_TRUE(sketch.ok() && open(4));
    // The gaps are judged where the light makes them: on its own reading of
    // the clock just before each send. A stamp taken anywhere else may lag it
    // by as long as a busy machine holds the thread.
    QElapsedTimer clock;
    clock.start();
    qint64 lastReading = 0;
    std::vector<qint64> gapStarts;
    RunningLight(
        [&](const QString& c) {
            gapStarts.push_back(lastReading);
            iCP_MS_Comm().Output(c);
        },
        [&] { return lastReading = clock.nsecsElapsed(); });
    ASSERT_TRUE(WaitUntil([&] { return sketch.outputCommands().size() >= 16; }));
    EXPECT_EQ(sketch.outputCommands(), (QStringList{"1/1", "1/3", "1/7", "1/15", "1/31", "1/63", "1/127", "1/255", "1/127",
                                                    "1/63", "1/31", "1/15", "1/7", "1/3", "1/1", "1/0"}));
    ASSERT_EQ(gapStarts.size(), 16u);
    for (std::size_t k = 1; k < gapStarts.size(); ++k)
        EXPECT_GE(gapStarts[k] - gapStarts[k - 1], (k <= 8 ? 5'000'000 : 50'000'000)) << "before command " << k;

    // The button does nothing while the port is closed. Should it start
    // anyway, its first wait opens the port, so the rest of the light would
    // reach the sketch before the marker sent after the click.
    iCP_MS_Comm().Close();
    const qsizetype before = sketch.commands.size();
    Services withWait = InstalledServices::Current();
    withWait.wait = [&](double) {
        if (!iCP_MS_Comm().PortOpen()) open(4);
    };
    InstalledServices installedWait{withWait};
    CMD_Flits_Click();
    ASSERT_TRUE(iCP_MS_Comm().PortOpen() || open(4));
    iCP_MS_Comm().Output("1/77/");
    ASSERT_TRUE(WaitUntil([&] { return sketch.commands.contains("1/77"); }));
    EXPECT_EQ(sketch.commands.mid(before), QStringList{"1/77"});
}

TEST_F(ArduinoButtonsTest, AClickWhileAButtonTalksToTheBoardIsRefused) {
    ArduinoEmulator sketch(comDir.path(), 4);
    ASSERT_TRUE(sketch.ok() && open(4));
    bool nested = false;
    Services withWait = InstalledServices::Current();
    withWait.wait = [&](double) {
        if (nested) return;
        nested = true;
        CMD_Flits_Click();
        CMDArduinoInoVersie_Click(*settingsWindow().CMDArduinoInoVersie);
    };
    InstalledServices installedWait{withWait};
    CMD_Flits_Click();
    iCP_MS_Comm().Output("1/77/");  // a marker after everything the clicks sent
    ASSERT_TRUE(WaitUntil([&] { return sketch.outputCommands().contains("1/77"); }));
    EXPECT_TRUE(nested);  // the clicks came while the first one talked
    EXPECT_EQ(sketch.outputCommands().size(), 17);
    EXPECT_EQ(sketch.count("99"), 0);
}

TEST_F(ArduinoButtonsTest, VersionCaptionIsTheSketchsAnswerWhilePollsGoOn) {
    ArduinoEmulator sketch(comDir.path(), 5, "ET");
    ASSERT_TRUE(sketch.ok() && open(5));
    shared.ICP12Type = "ET";
    sketch.inputBits = 5;
    TimerSerialPort().SetEnabled(true);
    ASSERT_TRUE(WaitUntil([&] { return sketch.count("5") >= 3; }));

    // The 2 s wait is cut short once the answer is in; polls must not mix in.
    Services withWait = InstalledServices::Current();
    withWait.wait = [&](double s) {
        if (s < 1) return Pump(int(s * 1000));
        WaitUntil([&] { return sketch.count("99") == 1; });
        Pump(60);  // three poll periods: a poll reply would arrive in them
    };
    InstalledServices installedWait{withWait};
    QPushButton& button = *settingsWindow().CMDArduinoInoVersie;
    CMDArduinoInoVersie_Click(button);
    EXPECT_EQ(button.text(), sketch.version + "\r\n");
    EXPECT_TRUE(TimerSerialPort().Enabled());  // the poll goes on afterwards
    const int polls = sketch.count("5");
    EXPECT_TRUE(WaitUntil([&] { return sketch.count("5") > polls; }));
    EXPECT_EQ(shared.IngangDigitaal[kGroupArduinoLocal][1], -1);  // poll replies reach the inputs again

    // OK brings back the caption remembered when the window became active.
    settingsWindow().CMDOk_Click();
    EXPECT_EQ(button.text(), "Arduino .INO versie");
}

// The board has no read-back: after each write to its port that is not the
// run's own (the running light, the version question, closing's "1/0/", the
// port opened again, which resets a Nano), a run's output still reaches it.
TEST_F(ArduinoButtonsTest, ARunDrivesTheBoardAgainAfterEveryOtherWriteToItsPort) {
    ArduinoEmulator sketch(comDir.path(), 5, "ET");
    ASSERT_TRUE(sketch.ok() && open(5));
    shared.ICP12Type = "ET";
    shared.Condities[1] = {1, 50, 11, 0, 0, 0};          // Arduino input 1 off (the sketch's inputs are):
    shared.Acties[1] = {1, 50, 1, 3, 0, 0, 0, 0, 0, 0};  // set output 3, "1/4/"
    // Runs the ladder until the board got "1/4/" or two polls went by after
    // the run began (its first pass writes what it changes); returns how
    // many "1/4/" the run sent.
    auto run = [&] {
        const int before = sketch.count("1/4"), polls = sketch.count("5");
        QTimer stepper;
        QObject::connect(&stepper, &QTimer::timeout, [&] {
            if (sketch.count("1/4") > before || sketch.count("5") >= polls + 2) CommandStop();
        });
        QTimer guard;  // a broken path ends the run instead of hanging the test
        QObject::connect(&guard, &QTimer::timeout, [] { CommandStop(); });
        guard.start(10000);
        stepper.start(5);
        CommandStart();
        return sketch.count("1/4") - before;
    };
    EXPECT_EQ(run(), 1);

    CMD_Flits_Click();  // ends with "1/0/"
    ASSERT_TRUE(WaitUntil([&] { return sketch.outputCommands().last() == "1/0"; }));
    EXPECT_EQ(run(), 1) << "after the running light";

    {
        Services withWait = InstalledServices::Current();
        withWait.wait = [&](double s) {
            if (s < 1) return Pump(int(s * 1000));
            WaitUntil([&] { return sketch.count("99") == 1; });
        };
        InstalledServices installedWait{withWait};
        CMDArduinoInoVersie_Click(*settingsWindow().CMDArduinoInoVersie);
    }
    EXPECT_EQ(run(), 0) << "the version question changes no output";
    EXPECT_EQ(sketch.outputCommands().last(), "1/4");

    startUpServices().ArduinoOutput(QStringLiteral("1/0/"));  // as closing writes it
    ASSERT_TRUE(WaitUntil([&] { return sketch.outputCommands().last() == "1/0"; }));
    EXPECT_EQ(run(), 1) << "after closing's all outputs off";

    iCP_MS_Comm().Close();
    ASSERT_TRUE(open(5));
    EXPECT_EQ(run(), 1) << "after the port opened again";
}

TEST_F(ArduinoButtonsTest, TheLastPollReplyIsTakenBeforeTheVersionQuestion) {
    // A sketch without line ends: the answer to the poll sent last, in two
    // pieces, is ended only by the quiet pause after it. The click's first
    // wait must hold both; fake time lets it last until the link took the
    // reply, so a busy machine cannot cut it short.
    ArduinoEmulator sketch(comDir.path(), 5, "ET");
    ASSERT_TRUE(sketch.ok() && open(5));
    sketch.lineEnd = "";
    sketch.version = "";  // a silent answer leaves the line clean for a second try
    shared.ICP12Type = "ET";
    auto& in = shared.IngangDigitaal[kGroupArduinoLocal];
    auto showsDI21 = [&in] { return in[1] == -1 && in[2] == 0 && in[3] == -1 && in[4] == 0 && in[5] == -1; };
    double waited = 0;
    double quietMs = 0;  // how long the line really stayed quiet between the pieces
    Services withWait = InstalledServices::Current();
    withWait.wait = [&](double s) {
        if (s >= 1) return;
        waited = s;
        sketch.send("DI2");
        QElapsedTimer quiet;
        quiet.start();
        Pump(kArduinoPieceGapMs);
        quietMs = double(quiet.nsecsElapsed()) / 1e6;
        sketch.send("1");
        if (quietMs < kArduinoReplyPauseMs) WaitUntil(showsDI21);
    };
    InstalledServices installedWait{withWait};
    // Pieces the machine held apart past the pause rightly read as "DI2": try again.
    for (int attempt = 1;; ++attempt) {
        in.fill(0);
        CMDArduinoInoVersie_Click(*settingsWindow().CMDArduinoInoVersie);
        if (quietMs < kArduinoReplyPauseMs) break;
        ASSERT_LT(attempt, 20) << "the pieces always came further apart than the pause";
    }
    EXPECT_TRUE(showsDI21());
    EXPECT_GE(waited * 1000, kArduinoPieceGapMs + kArduinoReplyPauseMs);
}

TEST_F(ArduinoButtonsTest, APortChosenWhileTheHelloWaitsIsIgnored) {
    ArduinoEmulator com6(comDir.path(), 6, "ET");
    ArduinoEmulator com7(comDir.path(), 7, "TM");
    ASSERT_TRUE(com6.ok() && com7.ok());
    SettingsComPorts() = ComPortList{{"6", "7"}, {}, -1, 0};
    bool nested = false;
    Services withWait = InstalledServices::Current();
    withWait.wait = [&](double) {
        if (!nested) {
            nested = true;
            Combo_Beschikbare_Com_Poorten_Click(1);  // a second click during the first wait
        }
        Pump(30);
    };
    InstalledServices installedWait{withWait};
    Combo_Beschikbare_Com_Poorten_Click(0);
    EXPECT_TRUE(nested);
    EXPECT_EQ(shared.ICP12Poort, 6);
    EXPECT_EQ(com6.count("90"), 1);
    EXPECT_EQ(com7.count("90"), 0);
    EXPECT_EQ(SettingsComPorts().text, "6");
}

}  // namespace
}  // namespace tamberlo::test
