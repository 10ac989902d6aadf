// The module channel protocol with a connected, emulated module: output words
// with echo and retries, input words and their events in every form, binary
// analog frames, requests that wait, and untrusted input from the module.

#include <QTimer>

#include <chrono>
#include <clocale>
#include <tuple>

#include "ControlTest.h"
#include "KelvanorCtrl.h"

namespace kelvanor::test {
namespace {

using Event = std::tuple<int, int, int>;

class ProtocolTest : public ControlTest {
protected:
    // Connects a module and records the control's events.
    void Connect(CKelvanorCtrl& ctrl, int expectedMask) {
        ASSERT_EQ(ctrl.Connect(), expectedMask);
        ctrl.InputWordChanged = [this](std::int16_t m, std::int16_t w, std::int32_t v) { events.emplace_back(m, w, v); };
    }
    std::vector<Event> events;
};

TEST_F(ProtocolTest, SetDigitalOutput0KeepsTheHighByteAndSendsOnlyChanges) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    ctrl.SetOutputWord(0, 0, 0x1200);
    ASSERT_EQ(atlas.Count("MAW1.0=1200"), 1);
    ctrl.SetDigitalOutput0(5);
    EXPECT_EQ(atlas.Count("MAW1.0=1205"), 1);
    EXPECT_EQ(atlas.OutputWord(1, 0), 0x1205);
    EXPECT_EQ(ctrl.module(1).outputWords[0], 0x1205u);
    atlas.ClearLines();
    ctrl.SetDigitalOutput0(0x0105);  // the high byte of Data does not count
    EXPECT_TRUE(atlas.Lines().empty());
    ctrl.SetDigitalOutput1(0x34);
    EXPECT_EQ(atlas.Count("MAW1.0=3405"), 1);
    ctrl.SetOutput(0, 1, 3, 1);  // bit 11
    EXPECT_EQ(atlas.Count("MAW1.0=3C05"), 1);
    ctrl.SetAnalogOutput0(0x7FF);
    EXPECT_EQ(atlas.Count("MAW1.2=07FF"), 1);
    ctrl.SetAnalogOutput1(-1);
    EXPECT_EQ(atlas.Count("MAW1.4=FFFF"), 1);
}

TEST_F(ProtocolTest, WithoutAnEchoTheWordIsSentThreeTimesAndNotKept) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    atlas.SetEchoWrites(false);
    const auto start = std::chrono::steady_clock::now();
    ctrl.SetDigitalOutput0(7);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(atlas.WaitForLine("MAW1.0=0007", 3));
    // 3 x 30 x 1 ms plus 2 x 7 x 10 ms at least.
    EXPECT_GE(elapsed, std::chrono::milliseconds(230));
    EXPECT_EQ(ctrl.module(1).outputWords[0], 0u);
    ctrl.SetDigitalOutput0(7);  // not kept, so sent again
    EXPECT_TRUE(atlas.WaitForLine("MAW1.0=0007", 6));
}

TEST_F(ProtocolTest, ABasilIsNotAwaitedAndKeepsTheWordAtOnce) {
    ModuleEmulator& basil = AddModule(3, {.personality = Personality::Basil, .number = 1});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    ctrl.SetDigitalOutput0(0x21);
    EXPECT_TRUE(basil.WaitForLine("MAW1.0=0021"));
    EXPECT_EQ(ctrl.module(1).outputWords[0], 0x21u);
}

TEST_F(ProtocolTest, WithoutAModuleNothingIsSent) {
    CKelvanorCtrl ctrl;
    ctrl.SetDigitalOutput0(1);
    EXPECT_EQ(ctrl.GetDigitalInput0(), 0);
    EXPECT_EQ(ctrl.GetInputWord(0, 2), 0);
    EXPECT_EQ(ctrl.GetCounter(0, 1), 0);
    EXPECT_EQ(ctrl.SendAndGetString(0, "DV"), "");
    EXPECT_EQ(ctrl.GetModuleType(9), 0);  // outside the records: harmless
    ctrl.SetModule(12);
    EXPECT_EQ(ctrl.currentModule(), 1);
}

TEST_F(ProtocolTest, InputWordChangedIsRaisedExactlyOnChangeInEveryForm) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    atlas.ReportInputWord0(1, 0x0001, 'E');
    ASSERT_TRUE(WaitUntil([&] { return events.size() == 1; }));
    atlas.ReportInputWord0(1, 0x0001, '#');  // unchanged: no event
    atlas.ReportInputWord0(1, 0x0003, '#');
    ASSERT_TRUE(WaitUntil([&] { return events.size() == 2; }));
    atlas.ReportInputWord0(1, 0x8403, 'e');
    ASSERT_TRUE(WaitUntil([&] { return events.size() == 3; }));
    EXPECT_EQ(events, (std::vector<Event>{{1, 0, 1}, {1, 0, 3}, {1, 0, 0x8403}}));
    EXPECT_EQ(ctrl.GetDigitalInput0(), 0x03);  // word 0 is sent by itself: no request
    EXPECT_EQ(ctrl.GetDigitalInput1(), 0x84);
    EXPECT_EQ(ctrl.GetInput(0, 1, 7), 1);
    EXPECT_EQ(ctrl.GetInput(0, 1, 2), 1);  // bit 10
    EXPECT_EQ(ctrl.GetInput(0, 0, 2), 0);
}

TEST_F(ProtocolTest, BinaryFramesCarryTheAnalogWords) {
    ModuleEmulator& delta = AddModule(5, {.personality = Personality::Delta, .number = 3});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 4);
    delta.SendFrame(1, 0x1234);
    ASSERT_TRUE(WaitUntil([&] { return events.size() == 1; }));
    EXPECT_EQ(events[0], Event(3, 1, 0x1234));
    // A CR among the value bytes does not end the frame.
    delta.Send(std::string("4\x0D\x41\x0D", 4));
    ASSERT_TRUE(WaitUntil([&] { return events.size() == 2; }));
    EXPECT_EQ(events[1], Event(3, 2, 0x0D41));
    EXPECT_EQ(ctrl.module(3).inputWords[2], 0x0D41u);
    // Two frames of one word in one batch: only the newer counts.
    events.clear();
    delta.Send(
        std::string("8\x00\x01\x0D"
                    "8\x00\x02\x0D",
                    8));
    ASSERT_TRUE(WaitUntil([&] { return ctrl.module(3).inputWords[4] == 2; }));
    // A later frame, in a batch of its own, marks the end of what this batch raised.
    delta.SendFrame(1, 0x55);
    ASSERT_TRUE(WaitUntil([&] { return !events.empty() && events.back() == Event(3, 1, 0x55); }));
    // One write of 8 bytes reaches the control as one batch.
    EXPECT_EQ(events, (std::vector<Event>{{3, 4, 2}, {3, 1, 0x55}}));
}

TEST_F(ProtocolTest, AnOldBasilReportsOnlyTheLowByteOfWordZero) {
    ModuleEmulator& basil = AddModule(3, {.personality = Personality::Basil, .number = 1});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    basil.ReportInputWord0(1, 0x12FF);
    ASSERT_TRUE(WaitUntil([&] { return !events.empty(); }));
    EXPECT_EQ(events.back(), Event(1, 0, 0x00FF));
}

TEST_F(ProtocolTest, RequestsWaitForTheirAnswers) {
    ModuleEmulator& delta = AddModule(5, {.personality = Personality::Delta, .number = 3});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 4);
    delta.SetInputWord(3, 2, 0x0456);
    EXPECT_EQ(ctrl.GetInputWord(0, 2), 0x0456);
    EXPECT_EQ(ctrl.GetAnalogInput1(), 0x0456);
    EXPECT_EQ(delta.Count("DEW3.4"), 3);  // once at the search, twice now
    delta.SetCounter(3, 1, 0xBEEF);
    EXPECT_EQ(ctrl.GetCounter(3, 1), 0xBEEF);
    EXPECT_EQ(ctrl.GetOutputWord(0, 0), 0);
    EXPECT_EQ(ctrl.SendAndGetString(0, "MC3.1=1"), "C3.1=1");
    ctrl.SetGain(0, 2, 1.5f);
    EXPECT_TRUE(delta.WaitForLine("MG3.2=1.50"));
    ctrl.SetDisplayUnit(0, 10, 3);
    ctrl.SetMeasuringRange(0, 1, 4);
    ctrl.SetMeasuringRange(0, 0, 2);
    ctrl.ForceDisplay(0, 1);
    ctrl.SetFilterMask(0, 0x20);
    ctrl.SetChannelMask(0x0F);
    ctrl.StartTimer();
    ctrl.StopTimer();
    ctrl.StartCounter(0, 1, 1);
    ctrl.SetAutoSendMode(0, 3);
    ctrl.SendString(0, "XYZ");
    for (const char* line :
         {"MU3.0A=03", "MRA3=4", "MRE3=2", "MF3=01", "MM3=20", "MS3=0F", "MT3=10", "MT3=00", "MC3.1=1", "MS3=03", "XYZ"})
        EXPECT_TRUE(delta.WaitForLine(line)) << line;
    // The 'S' answer switched words 1 and 2 to auto-send: no more requests for them.
    ASSERT_TRUE(WaitUntil([&] { return ctrl.module(3).autoSend[2] == 1; }));
    const int before = delta.Count("DEW3.4");
    ctrl.GetInputWord(0, 2);
    EXPECT_EQ(delta.Count("DEW3.4"), before);
}

TEST_F(ProtocolTest, NumbersOnTheWireUseAPointWhateverTheLocale) {
    ModuleEmulator& delta = AddModule(5, {.personality = Personality::Delta, .number = 3});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 4);
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "nl_NL.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma";
    ctrl.SetGain(0, 1, 2.25f);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_TRUE(delta.WaitForLine("MG3.1=2.25"));
}

TEST_F(ProtocolTest, GarbageLongLinesAndBadNumbersAreIgnored) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    atlas.Send(
        "\x01\x02zz?\r\r"
        "EW9.0=1234\r"
        "EW1.0=ZZZZ\r"
        "EW0.0=0001\r"
        "AW1.8=0001\r"
        "C1.7=0001\r");
    atlas.Send(std::string(150, 'x') + "EW1.0=0666\r");  // one overlong line: dropped as a whole
    atlas.Send(std::string(3000, '#'));
    int round = 0;
    ASSERT_TRUE(WaitUntil([&] {
        if (round++ % 50 == 0) atlas.Send("\rEW1.0=0042\r");  // until one gets past the flood
        return !events.empty();
    }));
    EXPECT_EQ(events, (std::vector<Event>{{1, 0, 0x42}}));
    EXPECT_EQ(ctrl.module(1).outputWords[0], 0u);
    EXPECT_EQ(ctrl.module(1).counters[1], 0u);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ProtocolTest, AFloodOfFramesDoesNotStallTheWindowThread) {
    ModuleEmulator& delta = AddModule(5, {.personality = Personality::Delta, .number = 3});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 4);
    std::string flood;
    for (int i = 0; i < 3000; ++i) flood += std::string("2\x01\x02\x0D", 4);
    delta.Send(flood);
    delta.SendFrame(2, 0x0777);
    int round = 0;
    ASSERT_TRUE(WaitUntil([&] {
        if (++round % 50 == 0) delta.SendFrame(2, 0x0777);  // until one gets past the flood
        return ctrl.module(3).inputWords[2] == 0x0777;
    }));
}

TEST_F(ProtocolTest, ANestedWriteOfTheSameWordIsSentAfterTheRunningOne) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    atlas.SetEchoWrites(false);
    bool nested = false;
    QTimer::singleShot(0, [&] {
        nested = true;
        atlas.SetEchoWrites(true);
        ctrl.SetDigitalOutput0(2);  // while the write of 1 waits for its echo
    });
    ctrl.SetDigitalOutput0(1);
    ASSERT_TRUE(nested);
    EXPECT_EQ(ctrl.module(1).outputWords[0], 2u);
    EXPECT_EQ(atlas.OutputWord(1, 0), 2);
    EXPECT_EQ(atlas.Lines().back(), "MAW1.0=0002");
}

TEST_F(ProtocolTest, AChannelClosedInANestedCallIsNotUsedAgain) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    atlas.SetEchoWrites(false);
    QTimer::singleShot(0, [&] { ctrl.Disconnect(); });
    ctrl.SetDigitalOutput0(9);
    const auto lines = atlas.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "setup0");
    EXPECT_EQ(ctrl.GetModuleType(1), 0);
    EXPECT_EQ(ctrl.module(1).outputWords[0], 0u);
}

TEST_F(ProtocolTest, TheHostsEventHandlerMayWriteOutputsInsideTheEvent) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    ctrl.InputWordChanged = [&](std::int16_t, std::int16_t word, std::int32_t value) {
        if (word == 0) ctrl.SetDigitalOutput0(static_cast<std::int16_t>(value));  // a rung: input drives output
    };
    atlas.ReportInputWord0(1, 0x0011);
    ASSERT_TRUE(WaitUntil([&] { return ctrl.module(1).outputWords[0] == 0x11; }));
    atlas.ReportInputWord0(1, 0x0012);
    atlas.ReportInputWord0(1, 0x0013);
    ASSERT_TRUE(WaitUntil([&] { return ctrl.module(1).outputWords[0] == 0x13; }));
    EXPECT_EQ(atlas.Count("MAW1.0=0011"), 1);
    EXPECT_EQ(atlas.OutputWord(1, 0), 0x13);
}

TEST_F(ProtocolTest, AVanishingModuleIsReportedOnceAndItsChannelStopsAnswering) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    Connect(ctrl, 1);
    atlas.Disconnect();
    ASSERT_TRUE(WaitUntil([&] { return messages.size() == 1; }));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("ReadFile()")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("COM: 2 wird geschlossen!")));
    ctrl.SetDigitalOutput0(3);  // dropped, no crash
    ctrl.Disconnect();
    EXPECT_EQ(messages.size(), 1);
}

}  // namespace
}  // namespace kelvanor::test
