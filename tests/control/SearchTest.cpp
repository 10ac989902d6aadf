// Module search over emulated modules: the handshake and initialisation
// transcripts of each module type, the mask Connect reports, Disconnect,
// OpenSerial and CloseSerial, and the search's refusals.

#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "ControlTest.h"
#include "DebugWin.h"
#include "KelvanorCtrl.h"
#include "Trace.h"

namespace kelvanor::test {
namespace {

using Lines = std::vector<std::string>;

class SearchTest : public ControlTest {
protected:
    // The lines a module received, without the handshake's wake-up CRs.
    static Lines Commands(ModuleEmulator& m) {
        Lines out;
        for (const auto& l : m.Lines())
            if (!l.empty()) out.push_back(l);
        return out;
    }
};

TEST_F(SearchTest, AtlasHandshakeAndInitialisation) {
    ModuleEmulator& atlas = AddModule(2, {.personality = Personality::Atlas, .number = 1});
    atlas.SetInputWord(1, 0, 0x00A5);
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.Connect(), 0x01);
    EXPECT_EQ(ctrl.GetModuleType(0), 1);
    EXPECT_EQ(ctrl.currentModule(), 1);
    EXPECT_EQ(ctrl.GetComPort(0), 2);
    EXPECT_EQ(ctrl.GetPortType(0), 0x01u);
    EXPECT_EQ(ctrl.GetUSBLocation(0), 0u);
    EXPECT_EQ(ctrl.module(1).inputWords[0], 0x00A5u);
    EXPECT_EQ(ctrl.module(1).majorVersion, 2u);
    EXPECT_EQ(ctrl.module(1).minorVersion, 5u);
    EXPECT_EQ(Commands(atlas), (Lines{"setup0", "DV", "DEW1.8", "DEW1.0", "DAW1.0", "MT1=01"}));
    EXPECT_EQ(atlas.Lines().front(), "");  // the wake-up CR comes first
}

TEST_F(SearchTest, DeltaReadsItsAnalogWordsDownAndSetsItsModes) {
    ModuleEmulator& delta = AddModule(5, {.personality = Personality::Delta, .number = 3});
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.Connect(), 0x04);
    EXPECT_EQ(ctrl.GetModuleType(3), 3);
    EXPECT_EQ(ctrl.currentModule(), 3);
    EXPECT_EQ(Commands(delta), (Lines{"setup0", "DV", "DEW3.8", "DEW3.6", "DEW3.4", "DEW3.2", "DEW3.0", "DAW3.4", "DAW3.2",
                                      "DAW3.0", "MT3=01", "MM3=20", "MS3=00", "MME=4"}));
}

TEST_F(SearchTest, CedarStartsWithWordZero) {
    ModuleEmulator& cedar = AddModule(4, {.personality = Personality::Cedar, .number = 5, .minor = 12});
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.Connect(), 0x10);
    EXPECT_EQ(ctrl.GetModuleType(5), 5);
    EXPECT_EQ(ctrl.module(5).majorVersion, 1u);
    EXPECT_EQ(Commands(cedar), (Lines{"setup0", "DV", "DEW5.0", "DAW5.0", "MT5=01"}));
}

TEST_F(SearchTest, BasilChainEchoesTheVersionRequestAndRegistersEveryModule) {
    ModuleEmulator& basil = AddModule(3, {.personality = Personality::Basil, .number = 2});
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.Connect(), 0x03);
    EXPECT_EQ(ctrl.GetModuleType(1), 2);
    EXPECT_EQ(ctrl.GetModuleType(2), 2);
    EXPECT_EQ(ctrl.module(2).majorVersion, 0u);
    EXPECT_EQ(ctrl.GetComPort(2), 3);
    const Lines chain1{"DEW1.8", "DEW1.6", "DEW1.4", "DEW1.2", "DEW1.0", "DAW1.4",
                       "DAW1.2", "DAW1.0", "MT1=01", "MM1=20", "MS1=00", "MME=4"};
    Lines expected{"setup0", "DV"};
    expected.insert(expected.end(), chain1.begin(), chain1.end());
    for (std::string l : chain1) {
        for (char& c : l)
            if (c == '1' && &c == &l[l.find_first_of("0123456789")]) c = '2';
        expected.push_back(l);
    }
    EXPECT_EQ(Commands(basil), expected);
}

TEST_F(SearchTest, ModulesOnSeveralPortsAndTheLowestBecomesCurrent) {
    AddModule(6, {.personality = Personality::Delta, .number = 4});
    AddModule(2, {.personality = Personality::Atlas, .number = 2});
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.Connect(), 0x0A);
    EXPECT_EQ(ctrl.channelCount(), 2);
    EXPECT_EQ(ctrl.currentModule(), 2);
    EXPECT_EQ(ctrl.GetComPort(4), 6);
}

TEST_F(SearchTest, ADuplicateModuleNumberIsReportedAndLeftOut) {
    AddModule(2, {.personality = Personality::Atlas, .number = 1});
    AddModule(3, {.personality = Personality::Delta, .number = 1});
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.Connect(), 0x01);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Modulnummer 1 mehrfach im System verwendet!"));
    EXPECT_EQ(ctrl.GetComPort(1), 2);  // the module keeps its first channel
    EXPECT_EQ(ctrl.GetModuleType(1), 1);
}

TEST_F(SearchTest, AModuleThatOnlyAnswersAt19200IsOpenedAgainAtThatSpeed) {
    ModuleEmulator& slow = AddModule(3, {.personality = Personality::Atlas, .number = 1, .onlyBaud = 19200});
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.Connect(), 0x01);
    EXPECT_EQ(slow.CurrentBaud(), 19200u);
    EXPECT_EQ(slow.Count("setup0"), 2);
    EXPECT_EQ(ctrl.channel(0).key, 3u);
}

TEST_F(SearchTest, NothingFoundLeavesTheCurrentModule) {
    AddModule(2, {.silent = true});
    CKelvanorCtrl ctrl;
    ctrl.SetModule(4);
    EXPECT_EQ(ctrl.Connect(), 0);
    EXPECT_EQ(ctrl.currentModule(), 4);
    EXPECT_EQ(ctrl.channelCount(), 0);
}

TEST_F(SearchTest, WithUsbAndSerialOffNothingIsTouched) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    ctrl.settings.UseUSB = false;
    ctrl.settings.UseSerial = false;
    EXPECT_EQ(ctrl.Connect(), 0);
    EXPECT_TRUE(atlas.Lines().empty());
}

TEST_F(SearchTest, ExcludedPortsAreNotSearched) {
    ModuleEmulator& atlas = AddModule(2, {});
    AddModule(9, {.personality = Personality::Cedar, .number = 6});
    CKelvanorCtrl ctrl;
    ctrl.settings.SearchCOM = QStringLiteral("1-255");
    ctrl.settings.ExcludeCOM = QStringLiteral("1-2");
    EXPECT_EQ(ctrl.Connect(), 0x20);
    EXPECT_TRUE(atlas.Lines().empty());
}

TEST_F(SearchTest, APortHeldElsewhereIsRetriedThenSkipped) {
    ModuleEmulator& held = AddModule(2, {});
    AddModule(3, {.personality = Personality::Delta, .number = 2});
    const int other = ::open(QFile::encodeName(held.slavePath()).constData(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.Connect(), 0x02);
    EXPECT_TRUE(held.Lines().empty());
    ::close(other);
}

TEST_F(SearchTest, DisconnectEndsEachModulesConnectionWithSetup0) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    ASSERT_EQ(ctrl.Connect(), 0x01);
    atlas.ClearLines();
    ctrl.Disconnect();
    EXPECT_EQ(atlas.Lines(), (Lines{"setup0"}));
    EXPECT_EQ(ctrl.GetModuleType(1), 0);
    EXPECT_EQ(ctrl.channelCount(), 0);
    EXPECT_EQ(ctrl.GetComPort(1), 0);
    // A second search finds the module again on a fresh channel.
    EXPECT_EQ(ctrl.Connect(), 0x01);
}

TEST_F(SearchTest, OpenSerialFallsBackToEveryPortAndInitialisesTheFirstModule) {
    ModuleEmulator& silent = AddModule(7, {.silent = true});
    ModuleEmulator& delta = AddModule(9, {.personality = Personality::Delta, .number = 2});
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.OpenSerial(7), 0);
    EXPECT_EQ(ctrl.currentModule(), 2);
    EXPECT_EQ(ctrl.GetModuleType(2), 3);
    EXPECT_EQ(ctrl.GetComPort(0), 9);
    EXPECT_TRUE(delta.Count("MME=4") == 1);
    EXPECT_GE(silent.Count("setup0"), 2);
    EXPECT_EQ(ctrl.CloseSerial(), 0);
    EXPECT_EQ(ctrl.GetModuleType(2), 0);
}

TEST_F(SearchTest, OpenSerialWithoutAModuleReturns2) {
    AddModule(7, {.silent = true});
    CKelvanorCtrl ctrl;
    EXPECT_EQ(ctrl.OpenSerial(7), 2);
    EXPECT_EQ(ctrl.channelCount(), 0);
}

TEST_F(SearchTest, ASearchInsideASearchIsRefused) {
    AddModule(2, {});
    CKelvanorCtrl ctrl;
    int nestedConnect = -1, nestedOpen = -1;
    bool nestedRan = false;
    QTimer::singleShot(0, [&] {
        nestedRan = true;
        nestedConnect = ctrl.Connect();
        nestedOpen = ctrl.OpenSerial(2);
        ctrl.Disconnect();
        ctrl.CloseSerial();
    });
    EXPECT_EQ(ctrl.Connect(), 0x01);
    ASSERT_TRUE(nestedRan);
    EXPECT_EQ(nestedConnect, 0);
    EXPECT_EQ(nestedOpen, 2);
    EXPECT_EQ(ctrl.GetModuleType(1), 1);  // the nested Disconnect did nothing
}

TEST_F(SearchTest, AnAbandonedControlEndsItsSearchAtOnce) {
    AddModule(2, {.silent = true});
    AddModule(3, {.silent = true});
    CKelvanorCtrl ctrl;
    QTimer::singleShot(0, [&] { ctrl.Abandon(); });
    EXPECT_EQ(ctrl.Connect(), 0);
    EXPECT_EQ(ctrl.channelCount(), 0);
}

TEST_F(SearchTest, TheTraceShowsTheSearchWithTimeStamps) {
    AddModule(2, {});
    CKelvanorCtrl ctrl;
    ctrl.ShowDebugWnd();
    ASSERT_EQ(ctrl.Connect(), 0x01);
    const QStringList lines = g_pDebugWin->Lines();
    QStringList texts;
    const QRegularExpression stamp(QStringLiteral("^\\d{3}\\.\\d{3}:\\t"));
    for (const QString& l : lines) {
        EXPECT_TRUE(stamp.match(l).hasMatch()) << l.toStdString();
        texts << l.mid(9);
    }
    for (const char* expected : {"USB#1 devices:\t0", "USB#2 devices:\t0", "Testing COM:\t2", "Opening COM:\t2", "TX COM 2:\t",
                                 "TX COM 2:\tsetup0", "RX COM 2:\tsetup1", "TX COM 2:\tDV", "RX COM 2:\tV=2.05", "CHANNEL_READY",
                                 "Initialize module:\t1", "RX COM 2:\tDEW1.8", "Kelvanor Atlas:\tModule 1 V2.5 at COM 2"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(expected))) << expected;
}

}  // namespace
}  // namespace kelvanor::test
