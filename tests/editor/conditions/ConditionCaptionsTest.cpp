#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConditionCaptions.h"
#include "ConditionCellLook.h"
#include "LadderView.h"
#include "SharedState.h"

using namespace tamberlo;

namespace {

using Lines = std::vector<std::string>;

constexpr bool NL = false;
constexpr bool EN = true;

Lines captionsOf(int i) {
    Lines out;
    for (const auto& line : ladderView.cell[i].lines) out.push_back(line.caption.toStdString());
    return out;
}

class ConditionCaptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};  // a blanked ladder, as the file reader leaves it
    }

    void read(int i, ConditionRow row, bool english) {
        shared.Condities[i] = row;
        shared.TaalVlag = english;
        SetPanelConditieBijLezen(i);
    }

    void switchTo(int i, bool english) {
        shared.TaalVlag = english;
        SetPanelConditieBijAndereTaal(i);
    }

    void mark(int i, int line, const char* text) { ladderView.cell[i].lines[line].caption = text; }
};

struct ReadCase {
    const char* what;
    ConditionRow row;
    bool english;
    Lines lines;   // interface, number, signal, value
    VbColor back;  // of all four lines
};

// Stored rows and the four lines a file read draws from them.
const ReadCase kReadCases[] = {
    // Velleman digital inputs, local and network, plain and "Not".
    {"vell dig local", {1, 10, 3, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "0", "Digitaal IN", "3"}, 0x80FFFF},
    {"vell dig netw not", {1, 12, 13, 0, 1, 0}, NL, {"Netw. Vell. Kaart Nr.", "2", "Digitaal IN", "Not 3"}, 0x80FFFF},
    {"vell dig netw not en", {1, 12, 13, 0, 1, 0}, EN, {"Netw. Vell. Card Nr.", "2", "Digital IN", "Not 3"}, 0x80FFFF},
    {"vell dig card 3 en", {1, 13, 5, 0, 0, 0}, EN, {"Velleman. Card Nr.", "3", "Digital IN", "5"}, 0x80FFFF},
    {"vell dig input 6 unknown", {1, 11, 6, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "1", "Digitaal IN", ""}, 0x80FFFF},
    {"vell dig not 6 unknown", {1, 11, 16, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "1", "Digitaal IN", ""}, 0x80FFFF},
    // Velleman analog inputs with both comparisons.
    {"vell ana <=", {1, 21, 2, 1100, 0, 0}, EN, {"Velleman. Card Nr.", "1", "Analog IN A2", "<= 100"}, 0x80FFFF},
    {"vell ana >= netw", {1, 20, 1, 120, 1, 0}, NL, {"Netw. Vell. Kaart Nr.", "0", "Analoog IN A1", ">= 120"}, 0x80FFFF},
    {"vell ana >= 0", {1, 23, 1, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "3", "Analoog IN A1", ">= 0"}, 0x80FFFF},
    {"vell ana <= 255", {1, 22, 2, 1255, 1, 0}, EN, {"Netw. Vell. Card Nr.", "2", "Analog IN A2", "<= 255"}, 0x80FFFF},
    {"vell ana 256", {1, 21, 1, 256, 0, 0}, NL, {"Velleman. Kaart Nr.", "1", "Analoog IN A1", ""}, 0x80FFFF},
    {"vell ana 1256", {1, 21, 1, 1256, 0, 0}, NL, {"Velleman. Kaart Nr.", "1", "Analoog IN A1", ""}, 0x80FFFF},
    {"vell ana no equal", {1, 21, 1, 2050, 0, 0}, NL, {"Velleman. Kaart Nr.", "1", "Analoog IN A1", ""}, 0x80FFFF},
    // Parallel ports show their base address in hexadecimal.
    {"par 1", {1, 31, 1, 0, 0, 0}, NL, {"Parallelle Poort Nr.", "378", "Digitaal IN", "1"}, 0x80FFFF},
    {"par 2 netw en", {1, 32, 14, 0, 1, 0}, EN, {"Netw. Par. Port Nr.", "278", "Digital IN", "Not 4"}, 0x80FFFF},
    {"par 3 en", {1, 33, 2, 0, 0, 0}, EN, {"Parallel. Port Nr.", "3BC", "Digital IN", "2"}, 0x80FFFF},
    {"par 3 netw nl", {1, 33, 15, 0, 1, 0}, NL, {"Netw. Par. Poort Nr.", "3BC", "Digitaal IN", "Not 5"}, 0x80FFFF},
    // The Kelvanor module has eight inputs.
    {"kelvanor not 8", {1, 40, 18, 0, 0, 0}, NL, {"Brask Ember USB", "0", "Digitaal IN", "Not 8"}, 0x80FFFF},
    {"kelvanor 7 netw en", {1, 43, 7, 0, 1, 0}, EN, {"Netw. Brask Ember USB", "3", "Digital IN", "7"}, 0x80FFFF},
    {"kelvanor 9 unknown", {1, 40, 9, 0, 0, 0}, EN, {"Brask Ember USB", "0", "Digital IN", ""}, 0x80FFFF},
    // The Arduino.
    {"arduino netw", {1, 50, 2, 0, 1, 0}, NL, {"Netw. Arduino", "0", "Digitaal IN", "2"}, 0x80FFFF},
    {"arduino not en", {1, 50, 15, 0, 0, 0}, EN, {"Arduino", "0", "Digital IN", "Not 5"}, 0x80FFFF},
    {"arduino input 6", {1, 50, 6, 0, 0, 0}, EN, {"Arduino", "0", "Digital IN", ""}, 0x80FFFF},
    // A damaged network flag leaves only the interface line alone.
    {"bad network flag", {1, 10, 1, 0, 2, 0}, NL, {"", "0", "Digitaal IN", "1"}, 0x80FFFF},
    // Codes outside the table: coloured, nothing written.
    {"unknown interface", {1, 60, 1, 0, 0, 0}, NL, {"", "", "", ""}, 0x80FFFF},
    {"interface 30", {1, 30, 1, 0, 0, 0}, EN, {"", "", "", ""}, 0x80FFFF},
    // Clock conditions with weekday letters.
    {"clock all days", {2, 1, 7, 5, 0, 127}, NL, {"ZoMaDiWoDoVrZa", "Dag", "07:05:00", "Uur"}, 0x80C0FF},
    {"clock all days en", {2, 1, 7, 5, 0, 127}, EN, {"SuMoTuWeThFrSa", "Day", "07:05:00", "Hour"}, 0x80C0FF},
    {"clock weekend", {2, 1, 23, 59, 59, 65}, NL, {"ZoZa", "Dag", "23:59:59", "Uur"}, 0x80C0FF},
    {"clock weekend en", {2, 1, 10, 0, 9, 65}, EN, {"SuSa", "Day", "10:00:09", "Hour"}, 0x80C0FF},
    {"clock wednesday", {2, 1, 12, 30, 45, 8}, EN, {"We", "Day", "12:30:45", "Hour"}, 0x80C0FF},
    {"clock no day", {2, 1, 0, 0, 0, 0}, NL, {"", "Dag", "00:00:00", "Uur"}, 0x80C0FF},
    {"clock high bits ignored", {2, 1, 1, 2, 3, 128 + 2}, NL, {"Ma", "Dag", "01:02:03", "Uur"}, 0x80C0FF},
    // Timer conditions.
    {"timer false en", {2, 2, 2, 6, 0, 0}, EN, {"False", "", "Timer", "T6"}, 0x80C0FF},
    {"timer true nl", {2, 2, 1, 0, 0, 0}, NL, {"Waar", "", "Timer", "T0"}, 0x80C0FF},
    {"timer onwaar nl", {2, 2, 2, 7, 0, 0}, NL, {"Onwaar", "", "Timer", "T7"}, 0x80C0FF},
    {"timer true en", {2, 2, 1, 3, 0, 0}, EN, {"True", "", "Timer", "T3"}, 0x80C0FF},
    {"timer bad sense", {2, 2, 3, 1, 0, 0}, NL, {"", "", "Timer", "T1"}, 0x80C0FF},
    {"time bad sub kind", {2, 3, 1, 1, 1, 1}, NL, {"", "", "", ""}, 0x80C0FF},
    // Memories, keys and variables.
    {"memory not", {3, 1, 0, 1, 0, 0}, NL, {"", "", "Geheugen", "Not M0"}, 0xFF80FF},
    {"memory plain en", {3, 1, 4, 0, 0, 0}, EN, {"", "", "Memory", "M4"}, 0xFF80FF},
    {"memory bad invert", {3, 1, 4, 2, 0, 0}, EN, {"", "", "Memory", ""}, 0xFF80FF},
    {"key nl", {3, 2, 3, 0, 0, 0}, NL, {"", "", "Toetsenbord", "F3"}, 0xFF80FF},
    {"key en", {3, 2, 8, 0, 0, 0}, EN, {"", "", "Keyboard", "F8"}, 0xFF80FF},
    {"variable =", {3, 3, 2, 2050, 0, 0}, NL, {"", "", "Variabele B", "= 50"}, 0xFF80FF},
    {"variable = en", {3, 3, 2, 2050, 0, 0}, EN, {"", "", "Variable B", "= 50"}, 0xFF80FF},
    {"variable >=", {3, 3, 1, 0, 0, 0}, EN, {"", "", "Variable A", ">= 0"}, 0xFF80FF},
    {"variable <=", {3, 3, 3, 1255, 0, 0}, NL, {"", "", "Variabele C", "<= 255"}, 0xFF80FF},
    {"variable 2256", {3, 3, 3, 2256, 0, 0}, NL, {"", "", "Variabele C", ""}, 0xFF80FF},
    {"memkey bad sub kind", {3, 4, 1, 1, 0, 0}, NL, {"", "", "", ""}, 0xFF80FF},
};

}  // namespace

TEST_F(ConditionCaptionsTest, FileReadDrawsEveryKindAndCode) {
    for (const auto& c : kReadCases) {
        SCOPED_TRACE(c.what);
        ladderView = LadderView{};
        read(100, c.row, c.english);
        EXPECT_EQ(captionsOf(100), c.lines);
        const auto& cell = ladderView.cell[100];
        EXPECT_TRUE(cell.frameVisible);
        EXPECT_EQ(cell.frameColor, 0xC0FFC0u);
        for (const auto& line : cell.lines) EXPECT_EQ(line.backColor, c.back);
        EXPECT_TRUE(cell.wireVisible);
        EXPECT_TRUE(cell.addButtonVisible);
    }
}

TEST_F(ConditionCaptionsTest, PortAddressesComeFromTheSharedTable) {
    shared.ParallellePoortAdressen = {0x3BC, 0xABCD, 0x278};
    read(1, {1, 31, 1, 0, 0, 0}, NL);
    read(2, {1, 32, 1, 0, 0, 0}, NL);
    EXPECT_EQ(captionsOf(1)[1], "3BC");
    EXPECT_EQ(captionsOf(2)[1], "ABCD");
}

TEST_F(ConditionCaptionsTest, EmptyRowHidesGreysAndBlanksACell) {
    read(7, {3, 2, 3, 0, 0, 0}, NL);
    ladderView.cell[7].frameColor = 0x123456;
    read(7, {0, 0, 0, 0, 0, 0}, NL);
    const auto& cell = ladderView.cell[7];
    EXPECT_FALSE(cell.frameVisible);
    EXPECT_EQ(cell.frameColor, 0xC0FFC0u);
    EXPECT_EQ(captionsOf(7), (Lines{"", "", "", ""}));
    for (const auto& line : cell.lines) EXPECT_EQ(line.backColor, 0xE0E0E0u);
}

TEST_F(ConditionCaptionsTest, ValuesOutsideTheTablesKeepWhatTheLineHeld) {
    read(9, {1, 21, 1, 120, 0, 0}, NL);
    read(9, {1, 21, 1, 256, 0, 0}, NL);
    EXPECT_EQ(captionsOf(9)[3], ">= 120");
    read(9, {1, 60, 1, 0, 0, 0}, EN);
    EXPECT_EQ(captionsOf(9), (Lines{"Velleman. Kaart Nr.", "1", "Analoog IN A1", ">= 120"}));
}

TEST_F(ConditionCaptionsTest, UnknownKindOnlyRecoloursTheFrame) {
    ladderView.cell[4].frameColor = 0x123456;
    mark(4, 0, "old");
    read(4, {9, 1, 1, 1, 1, 1}, NL);
    EXPECT_EQ(ladderView.cell[4].frameColor, 0xC0FFC0u);
    EXPECT_FALSE(ladderView.cell[4].frameVisible);
    EXPECT_EQ(captionsOf(4), (Lines{"old", "", "", ""}));
    EXPECT_EQ(ladderView.cell[4].lines[0].backColor, 0xE0E0E0u);
}

TEST_F(ConditionCaptionsTest, DrawingAClockTwiceDoesNotRepeatTheWeekdays) {
    read(20, {2, 1, 8, 0, 0, 3}, NL);
    read(20, {2, 1, 8, 0, 0, 3}, NL);
    EXPECT_EQ(captionsOf(20)[0], "ZoMa");
}

TEST_F(ConditionCaptionsTest, VerticalLinkDrawsTheLinkOfItsRung) {
    for (int i = 13; i <= 15; ++i) read(i, {4, 0, 0, 0, 0, 0}, NL);
    for (int i = 13; i <= 15; ++i) {
        SCOPED_TRACE(i);
        const auto& cell = ladderView.cell[i];
        EXPECT_FALSE(cell.frameVisible);
        EXPECT_FALSE(cell.wireVisible);
        EXPECT_FALSE(cell.addButtonVisible);
        EXPECT_EQ(captionsOf(i), (Lines{"", "", "", ""}));
        EXPECT_EQ(cell.frameColor, 0xC0FFC0u);
    }
    EXPECT_TRUE(ladderView.cell[12].linkLineVisible);
    EXPECT_FALSE(ladderView.cell[15].linkLineVisible);
    EXPECT_FALSE(ladderView.cell[9].linkLineVisible);
    EXPECT_TRUE(ladderView.action[5].orWireVisible);
    EXPECT_FALSE(ladderView.action[5].supplyVisible);
    EXPECT_FALSE(ladderView.action[4].orWireVisible);
    EXPECT_TRUE(ladderView.action[4].supplyVisible);
}

TEST_F(ConditionCaptionsTest, VerticalLinkOnlyTheLastCellTouchesTheRungLines) {
    read(13, {4, 0, 0, 0, 0, 0}, NL);
    read(14, {4, 0, 0, 0, 0, 0}, NL);
    EXPECT_FALSE(ladderView.cell[12].linkLineVisible);
    EXPECT_FALSE(ladderView.action[5].orWireVisible);
    EXPECT_TRUE(ladderView.action[5].supplyVisible);
}

TEST_F(ConditionCaptionsTest, VerticalLinkInTheFirstOrLastRungStaysInsideTheLadder) {
    // Rung 1 has no rung above it: only a damaged file links it.
    for (int i = 1; i <= 3; ++i) read(i, {4, 0, 0, 0, 0, 0}, NL);
    EXPECT_FALSE(ladderView.cell[0].linkLineVisible);
    EXPECT_TRUE(ladderView.action[1].orWireVisible);
    for (int i = 268; i <= 270; ++i) read(i, {4, 0, 0, 0, 0, 0}, EN);
    EXPECT_TRUE(ladderView.cell[267].linkLineVisible);
    EXPECT_TRUE(ladderView.action[90].orWireVisible);
    EXPECT_FALSE(ladderView.action[90].supplyVisible);
}

TEST_F(ConditionCaptionsTest, CellNumbersOutsideTheLadderAreIgnored) {
    const auto before = ladderView.revision;
    for (int i : {-1, 0, 271, 30000}) {
        SetPanelConditieBijLezen(i);
        SetPanelConditieBijAndereTaal(i);
    }
    EXPECT_EQ(ladderView.revision, before);
}

TEST_F(ConditionCaptionsTest, EveryDrawTellsTheViewItChanged) {
    const auto before = ladderView.revision;
    read(1, {1, 10, 1, 0, 0, 0}, NL);
    switchTo(1, EN);
    EXPECT_EQ(ladderView.revision, before + 2);
}

TEST_F(ConditionCaptionsTest, LanguageSwitchRewritesInterfaceAndSignalOfVellemanAndPorts) {
    read(1, {1, 12, 13, 0, 1, 0}, NL);
    read(2, {1, 21, 2, 1100, 0, 0}, NL);
    read(3, {1, 33, 2, 0, 0, 0}, EN);
    for (int i = 1; i <= 3; ++i) {
        mark(i, 1, "number");
        mark(i, 3, "value");
        ladderView.cell[i].lines[0].backColor = 0x111111;
    }
    switchTo(1, EN);
    switchTo(2, EN);
    switchTo(3, NL);
    EXPECT_EQ(captionsOf(1), (Lines{"Netw. Vell. Card Nr.", "number", "Digital IN", "value"}));
    EXPECT_EQ(captionsOf(2), (Lines{"Velleman. Card Nr.", "number", "Analog IN A2", "value"}));
    EXPECT_EQ(captionsOf(3), (Lines{"Parallelle Poort Nr.", "number", "Digitaal IN", "value"}));
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(ladderView.cell[i].lines[0].backColor, 0x111111u);
    switchTo(1, NL);
    EXPECT_EQ(captionsOf(1)[0], "Netw. Vell. Kaart Nr.");
}

TEST_F(ConditionCaptionsTest, LanguageSwitchRedrawsTheInterfaceLineOfKelvanorAndArduino) {
    // Their text reads the same in both languages; whatever an editor left
    // there gives way to what a file read draws.
    read(4, {1, 40, 3, 0, 1, 0}, NL);
    read(5, {1, 50, 3, 0, 0, 0}, NL);
    mark(4, 0, "Brask Kelvanor Ember");
    mark(5, 0, "other");
    switchTo(4, EN);
    switchTo(5, EN);
    EXPECT_EQ(captionsOf(4), (Lines{"Netw. Brask Ember USB", "0", "Digital IN", "3"}));
    EXPECT_EQ(captionsOf(5), (Lines{"Arduino", "0", "Digital IN", "3"}));
}

TEST_F(ConditionCaptionsTest, LanguageSwitchOfAClockKeepsItsTime) {
    read(6, {2, 1, 7, 5, 0, 127}, NL);
    mark(6, 2, "time kept");
    switchTo(6, EN);
    EXPECT_EQ(captionsOf(6), (Lines{"SuMoTuWeThFrSa", "Day", "time kept", "Hour"}));
    switchTo(6, NL);
    EXPECT_EQ(captionsOf(6), (Lines{"ZoMaDiWoDoVrZa", "Dag", "time kept", "Uur"}));
}

TEST_F(ConditionCaptionsTest, LanguageSwitchOfATimerRewritesItsSenseOnly) {
    read(7, {2, 2, 2, 6, 0, 0}, EN);
    mark(7, 1, "b");
    mark(7, 2, "c");
    mark(7, 3, "d");
    switchTo(7, NL);
    EXPECT_EQ(captionsOf(7), (Lines{"Onwaar", "b", "c", "d"}));
    read(8, {2, 2, 1, 6, 0, 0}, NL);
    switchTo(8, EN);
    EXPECT_EQ(captionsOf(8)[0], "True");
}

TEST_F(ConditionCaptionsTest, LanguageSwitchOfMemoryKeyAndVariableRewritesTheSignalLine) {
    read(10, {3, 1, 0, 1, 0, 0}, NL);
    read(11, {3, 2, 3, 0, 0, 0}, NL);
    read(12, {3, 3, 3, 1010, 0, 0}, NL);
    for (int i = 10; i <= 12; ++i) {
        mark(i, 0, "a");
        mark(i, 3, "d");
        switchTo(i, EN);
    }
    EXPECT_EQ(captionsOf(10), (Lines{"a", "", "Memory", "d"}));
    EXPECT_EQ(captionsOf(11), (Lines{"a", "", "Keyboard", "d"}));
    EXPECT_EQ(captionsOf(12), (Lines{"a", "", "Variable C", "d"}));
}

TEST_F(ConditionCaptionsTest, LanguageSwitchLeavesEmptyAndLinkCells) {
    read(30, {0, 0, 0, 0, 0, 0}, NL);
    read(31, {4, 0, 0, 0, 0, 0}, NL);
    for (int i : {30, 31}) {
        for (int k = 0; k < 4; ++k) mark(i, k, "x");
        switchTo(i, EN);
        EXPECT_EQ(captionsOf(i), (Lines{"x", "x", "x", "x"}));
    }
    EXPECT_FALSE(ladderView.cell[30].frameVisible);
    EXPECT_FALSE(ladderView.cell[31].frameVisible);
}

TEST_F(ConditionCaptionsTest, NetworkInputKeepsItsNetworkTextAcrossSwitches) {
    read(40, {1, 31, 1, 0, 1, 0}, NL);
    switchTo(40, EN);
    EXPECT_EQ(captionsOf(40)[0], "Netw. Par. Port Nr.");
    switchTo(40, NL);
    EXPECT_EQ(captionsOf(40)[0], "Netw. Par. Poort Nr.");
}

TEST_F(ConditionCaptionsTest, TextHelpersMatchTheCells) {
    EXPECT_EQ(weekdayText(0x7F, EN).toStdString(), "SuMoTuWeThFrSa");
    EXPECT_EQ(clockTimeText(9, 10, 0).toStdString(), "09:10:00");
    EXPECT_EQ(portAddressText(0x3bc).toStdString(), "3BC");
    EXPECT_FALSE(variableLetter(300).has_value());
    EXPECT_FALSE(compareText(-1, true).has_value());
    EXPECT_EQ(compareText(2255, true)->toStdString(), "= 255");
}

TEST_F(ConditionCaptionsTest, DamagedVariableNumberNeverBreaksTheCell) {
    read(50, {3, 3, 32000, 5, 0, 0}, NL);
    EXPECT_EQ(captionsOf(50), (Lines{"", "", "", ">= 5"}));
    read(51, {3, 3, -32768, 5, 0, 0}, EN);
    EXPECT_EQ(captionsOf(51)[2], "");
}
