#include <gtest/gtest.h>

#include <QLocale>

#include <string>
#include <vector>

#include "ActionCaptions.h"
#include "ActionCellLook.h"
#include "LadderView.h"
#include "SharedState.h"

using namespace tamberlo;

namespace {

using Lines = std::vector<std::string>;

constexpr bool NL = false;
constexpr bool EN = true;

Lines captionsOf(int r) {
    Lines out;
    for (const auto& line : ladderView.action[r].lines) out.push_back(line.caption.toStdString());
    return out;
}

class ActionCaptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};  // a blanked ladder, as the file reader leaves it
        QLocale::setDefault(QLocale::c());
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    void read(int r, ActionRow row, bool english) {
        shared.Acties[r] = row;
        shared.TaalVlag = english;
        SetPanelActieBijLezen(r);
    }

    void switchTo(int r, bool english) {
        shared.TaalVlag = english;
        SetPanelActieBijAndereTaal(r);
    }

    void mark(int r, int line, const char* text) { ladderView.action[r].lines[line].caption = text; }
};

struct ReadCase {
    const char* what;
    ActionRow row;
    bool english;
    Lines lines;   // interface, number, signal, value
    VbColor back;  // of the number, signal and value lines
};

const ReadCase kReadCases[] = {
    // Velleman digital outputs: set, reset, invert, one or all; the English text has a small "card".
    {"vell res all", {1, 12, 2, 9, 0, 0, 0, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "2", "Digitaal UIT", "Res All"}, 0xC0C0C0},
    {"vell set 3 en", {1, 10, 1, 3, 0, 0, 0, 0, 0, 0}, EN, {"Velleman. card Nr.", "0", "Digital OUT", "Set 3"}, 0xC0C0C0},
    {"vell imp 8 netw en", {1, 11, 3, 8, 1, 0, 0, 0, 0, 0}, EN, {"Netw. Vell. card Nr.", "1", "Digital OUT", "Imp 8"}, 0xC0C0C0},
    {"vell set all netw",
     {1, 13, 1, 9, 1, 0, 0, 0, 0, 0},
     NL,
     {"Netw. Vell. Kaart Nr.", "3", "Digitaal UIT", "Set All"},
     0xC0C0C0},
    {"vell imp all", {1, 10, 3, 9, 0, 0, 0, 0, 0, 0}, EN, {"Velleman. card Nr.", "0", "Digital OUT", "Imp All"}, 0xC0C0C0},
    {"vell res 1", {1, 10, 2, 1, 0, 0, 0, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "0", "Digitaal UIT", "Res 1"}, 0xC0C0C0},
    {"vell bad operation", {1, 10, 4, 1, 0, 0, 0, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "0", "Digitaal UIT", ""}, 0xC0C0C0},
    {"vell output 0", {1, 10, 1, 0, 0, 0, 0, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "0", "Digitaal UIT", ""}, 0xC0C0C0},
    {"vell output 10", {1, 10, 1, 10, 0, 0, 0, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "0", "Digitaal UIT", ""}, 0xC0C0C0},
    // Velleman analog outputs: set, raise, lower.
    {"ana lower netw en",
     {1, 21, 2, 2255, 1, 0, 0, 0, 0, 0},
     EN,
     {"Netw. Vell. Card Nr.", "1", "Ana. OUT A2", "- 255"},
     0xC0C0C0},
    {"ana set", {1, 20, 1, 120, 0, 0, 0, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "0", "Ana. UIT A1", "= 120"}, 0xC0C0C0},
    {"ana raise netw", {1, 23, 2, 1000, 1, 0, 0, 0, 0, 0}, NL, {"Netw. Vell. Kaart Nr.", "3", "Ana. UIT A2", "+ 0"}, 0xC0C0C0},
    {"ana wait for not nl",
     {1, 22, 1, 1010, 0, 1, 0, 0, 0, 0},
     NL,
     {"Velleman. Kaart Nr.WON", "2", "Ana. UIT A1", "+ 10"},
     0xC0C0C0},
    {"ana wait for not netw nl",
     {1, 22, 1, 5, 1, 1, 0, 0, 0, 0},
     NL,
     {"Netw. Vell. Kaart Nr.WON", "2", "Ana. UIT A1", "= 5"},
     0xC0C0C0},
    {"ana wait for not en", {1, 22, 1, 2000, 0, 1, 0, 0, 0, 0}, EN, {"Velleman. Card Nr.", "2", "Ana. OUT A1", "- 0"}, 0xC0C0C0},
    {"ana 1256", {1, 21, 1, 1256, 0, 0, 0, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "1", "Ana. UIT A1", ""}, 0xC0C0C0},
    {"ana 256", {1, 21, 1, 256, 0, 0, 0, 0, 0, 0}, NL, {"Velleman. Kaart Nr.", "1", "Ana. UIT A1", ""}, 0xC0C0C0},
    {"ana 2256", {1, 21, 1, 2256, 0, 0, 0, 0, 0, 0}, EN, {"Velleman. Card Nr.", "1", "Ana. OUT A1", ""}, 0xC0C0C0},
    // Parallel ports, the Kelvanor module and the Arduino.
    {"par 1", {1, 31, 1, 1, 0, 0, 0, 0, 0, 0}, NL, {"Parallelle Poort Nr.", "378", "Digitaal UIT", "Set 1"}, 0xC0C0C0},
    {"par 3 netw en", {1, 33, 2, 2, 1, 0, 0, 0, 0, 0}, EN, {"Netw. Par. Port Nr.", "3BC", "Digital OUT", "Res 2"}, 0xC0C0C0},
    {"par 2 en", {1, 32, 3, 9, 0, 0, 0, 0, 0, 0}, EN, {"Parallel. Port Nr.", "278", "Digital OUT", "Imp All"}, 0xC0C0C0},
    {"par 2 netw nl", {1, 32, 1, 4, 1, 0, 0, 0, 0, 0}, NL, {"Netw. Par. Poort Nr.", "278", "Digitaal UIT", "Set 4"}, 0xC0C0C0},
    {"kelvanor", {1, 40, 3, 7, 0, 0, 0, 0, 0, 0}, NL, {"Brask Ember USB", "0", "Digitaal UIT", "Imp 7"}, 0xC0C0C0},
    {"kelvanor netw en", {1, 41, 1, 9, 1, 0, 0, 0, 0, 0}, EN, {"Netw. Brask Ember USB", "1", "Digital OUT", "Set All"}, 0xC0C0C0},
    {"arduino netw imp", {1, 50, 3, 5, 1, 0, 0, 0, 0, 0}, NL, {"Netw. Arduino", "0", "Digitaal UIT", "Imp 5"}, 0xC0C0C0},
    {"arduino en", {1, 50, 2, 6, 0, 0, 0, 0, 0, 0}, EN, {"Arduino", "0", "Digital OUT", "Res 6"}, 0xC0C0C0},
    {"bad network flag", {1, 10, 1, 1, 5, 0, 0, 0, 0, 0}, EN, {"", "0", "Digital OUT", "Set 1"}, 0xC0C0C0},
    {"unknown interface", {1, 60, 1, 1, 0, 0, 0, 0, 0, 0}, NL, {"", "", "", ""}, 0xC0C0C0},
    // Timers.
    {"preset a minute", {2, 1, 6000, 1, 2, 3, 4, 5, 6, 7}, NL, {"1 Min.", "", "Preset Timer", "T0"}, 0xC0C0FF},
    {"preset above a minute", {2, 1, 32000, 0, 0, 0, 0, 0, 0, 0}, EN, {"1 Min.", "", "Preset Timer", "T0"}, 0xC0C0FF},
    {"preset 1.50", {2, 1, 150, 9999, 0, 0, 0, 0, 0, 0}, EN, {"1.50 sec.", "", "Preset Timer", "T0"}, 0xC0C0FF},
    {"preset 0.05", {2, 1, 5, 0, 0, 0, 0, 0, 0, 0}, NL, {"0.05 sec.", "", "Preset Timer", "T0"}, 0xC0C0FF},
    {"preset 59.99", {2, 1, 5999, 0, 0, 0, 0, 0, 0, 0}, NL, {"59.99 sec.", "", "Preset Timer", "T0"}, 0xC0C0FF},
    {"timer start", {2, 2, 1, 5, 0, 0, 0, 0, 0, 0}, NL, {"", "", "Set Timer", "T5"}, 0xC0C0FF},
    {"timer reset en", {2, 2, 2, 7, 0, 0, 0, 0, 0, 0}, EN, {"", "", "Reset Timer", "T7"}, 0xC0C0FF},
    {"timer bad operation", {2, 2, 3, 0, 0, 0, 0, 0, 0, 0}, EN, {"", "", "", "T0"}, 0xC0C0FF},
    {"timer bad sub kind", {2, 3, 1, 1, 0, 0, 0, 0, 0, 0}, EN, {"", "", "", ""}, 0xC0C0FF},
    // Memories and variables.
    {"memory set", {3, 1, 1, 0, 0, 0, 0, 0, 0, 0}, NL, {"Geheugen", "", "Set", "M0"}, 0xFFFFC0},
    {"memory reset en", {3, 1, 2, 7, 0, 0, 0, 0, 0, 0}, EN, {"Memory", "", "Reset", "M7"}, 0xFFFFC0},
    {"memory bad operation", {3, 1, 3, 4, 0, 0, 0, 0, 0, 0}, EN, {"Memory", "", "", "M4"}, 0xFFFFC0},
    {"variable decrease", {3, 2, 2, 3, 7, 0, 0, 0, 0, 0}, NL, {"Variabele", "B", "Verklein met", "7"}, 0xFFFFC0},
    {"variable set en", {3, 2, 1, 1, 100, 0, 0, 0, 0, 0}, EN, {"Variable", "A", "Set to", "100"}, 0xFFFFC0},
    {"variable increase", {3, 2, 3, 2, 1, 0, 0, 0, 0, 0}, NL, {"Variabele", "C", "Vergroot met", "1"}, 0xFFFFC0},
    {"variable increase en", {3, 2, 3, 2, 255, 0, 0, 0, 0, 0}, EN, {"Variable", "C", "Increase with", "255"}, 0xFFFFC0},
    {"variable decrease en", {3, 2, 1, 3, 0, 0, 0, 0, 0, 0}, EN, {"Variable", "A", "Decrease with", "0"}, 0xFFFFC0},
    {"variable set nl", {3, 2, 2, 1, 12, 0, 0, 0, 0, 0}, NL, {"Variabele", "B", "Set op", "12"}, 0xFFFFC0},
    {"variable bad operation", {3, 2, 2, 4, 12, 0, 0, 0, 0, 0}, NL, {"Variabele", "B", "", "12"}, 0xFFFFC0},
    {"memvar bad sub kind", {3, 3, 1, 1, 1, 0, 0, 0, 0, 0}, NL, {"", "", "", ""}, 0xFFFFC0},
};

}  // namespace

TEST_F(ActionCaptionsTest, FileReadDrawsEveryKindAndCode) {
    for (const auto& c : kReadCases) {
        SCOPED_TRACE(c.what);
        ladderView = LadderView{};
        read(17, c.row, c.english);
        EXPECT_EQ(captionsOf(17), c.lines);
        const auto& cell = ladderView.action[17];
        EXPECT_TRUE(cell.frameVisible);
        EXPECT_EQ(cell.frameColor, 0xFFC0C0u);
        for (int k = 1; k < 4; ++k) EXPECT_EQ(cell.lines[k].backColor, c.back);
        EXPECT_TRUE(cell.addButtonVisible);
    }
}

TEST_F(ActionCaptionsTest, EveryRowFromTheStartRowToTheLastIsDrawn) {
    for (int r = 0; r <= kRungs; ++r) {
        shared.Acties[r] = {1, static_cast<Integer>(10 + r % 4), 1, static_cast<Integer>(1 + r % 8), 0, 0, 0, 0, 0, 0};
        SetPanelActieBijLezen(r);
    }
    for (int r = 0; r <= kRungs; ++r) {
        SCOPED_TRACE(r);
        EXPECT_TRUE(ladderView.action[r].frameVisible);
        EXPECT_EQ(captionsOf(r),
                  (Lines{"Velleman. Kaart Nr.", std::to_string(r % 4), "Digitaal UIT", "Set " + std::to_string(1 + r % 8)}));
    }
}

TEST_F(ActionCaptionsTest, WaitForNotDarkensTheInterfaceLineOfAnAnalogOutput) {
    read(3, {1, 20, 1, 5, 0, 1, 0, 0, 0, 0}, NL);
    EXPECT_EQ(ladderView.action[3].lines[0].backColor, 0x404040u);
    EXPECT_EQ(ladderView.action[3].lines[0].foreColor, 0xE0E0E0u);

    read(3, {1, 20, 1, 5, 0, 0, 0, 0, 0, 0}, NL);
    EXPECT_EQ(ladderView.action[3].lines[0].backColor, 0xC0C0C0u);
    EXPECT_EQ(ladderView.action[3].lines[0].foreColor, kColorButtonText);

    // A damaged flag leaves the text colour as it was; the line is grey again.
    ladderView.action[3].lines[0].foreColor = 0x00FF00;
    read(3, {1, 20, 1, 5, 0, 7, 0, 0, 0, 0}, NL);
    EXPECT_EQ(captionsOf(3)[0], "Velleman. Kaart Nr.");
    EXPECT_EQ(ladderView.action[3].lines[0].backColor, 0xC0C0C0u);
    EXPECT_EQ(ladderView.action[3].lines[0].foreColor, 0x00FF00u);

    // Digital outputs do not look at column 5.
    read(4, {1, 10, 1, 5, 0, 1, 0, 0, 0, 0}, NL);
    EXPECT_EQ(captionsOf(4)[0], "Velleman. Kaart Nr.");
    EXPECT_EQ(ladderView.action[4].lines[0].backColor, 0xC0C0C0u);
}

TEST_F(ActionCaptionsTest, WaitForNotKeepsItsDutchSuffixAcrossLanguageSwitches) {
    read(5, {1, 21, 2, 1050, 0, 1, 0, 0, 0, 0}, NL);
    EXPECT_EQ(captionsOf(5)[0], "Velleman. Kaart Nr.WON");
    switchTo(5, EN);
    EXPECT_EQ(captionsOf(5)[0], "Velleman. Card Nr.");
    switchTo(5, NL);
    EXPECT_EQ(captionsOf(5), (Lines{"Velleman. Kaart Nr.WON", "1", "Ana. UIT A2", "+ 50"}));
    EXPECT_EQ(ladderView.action[5].lines[0].backColor, 0x404040u);
    EXPECT_EQ(ladderView.action[5].lines[0].foreColor, 0xE0E0E0u);
}

TEST_F(ActionCaptionsTest, PresetUsesTheDecimalSeparatorOfTheLocale) {
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    read(6, {2, 1, 5, 0, 0, 0, 0, 0, 0, 0}, NL);
    EXPECT_EQ(captionsOf(6)[0], "0,05 sec.");
    EXPECT_EQ(presetText(-150).toStdString(), "-1,50 sec.");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(presetText(5999).toStdString(), "59.99 sec.");
}

TEST_F(ActionCaptionsTest, SoundRowShowsFileDriveAndSignal) {
    shared.GeluidMappen[8] = "D:\\Geluiden\\Bel";
    shared.GeluidBestanden[8] = "bel.wav";
    mark(8, 3, "value kept");
    read(8, {4, 0, 0, 0, 0, 0, 0, 0, 0, 0}, NL);
    EXPECT_EQ(captionsOf(8), (Lines{"bel.wav", "D:", "Speel geluid", "value kept"}));
    for (const auto& line : ladderView.action[8].lines) EXPECT_EQ(line.backColor, 0xC0FFC0u);
    switchTo(8, EN);
    EXPECT_EQ(captionsOf(8), (Lines{"bel.wav", "D:", "Play sound", "value kept"}));

    // A folder shorter than a drive, or none at all, is shown as it is.
    shared.GeluidMappen[9] = "C";
    shared.GeluidBestanden[9] = "";
    read(9, {4, 0, 0, 0, 0, 0, 0, 0, 0, 0}, EN);
    EXPECT_EQ(captionsOf(9), (Lines{"", "C", "Play sound", ""}));
}

TEST_F(ActionCaptionsTest, EmptyRowHidesAndBlanksTheCell) {
    read(10, {3, 2, 2, 3, 7, 0, 0, 0, 0, 0}, NL);
    ladderView.action[10].frameColor = 0x123456;
    read(10, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, NL);
    EXPECT_FALSE(ladderView.action[10].frameVisible);
    EXPECT_EQ(ladderView.action[10].frameColor, 0xFFC0C0u);
    EXPECT_EQ(captionsOf(10), (Lines{"", "", "", ""}));
    for (const auto& line : ladderView.action[10].lines) EXPECT_EQ(line.backColor, 0xC0C0C0u);
}

TEST_F(ActionCaptionsTest, UnknownKindOnlyRecoloursTheFrame) {
    ladderView.action[11].frameColor = 0x123456;
    mark(11, 2, "old");
    read(11, {5, 1, 1, 1, 1, 1, 1, 1, 1, 1}, NL);
    EXPECT_EQ(ladderView.action[11].frameColor, 0xFFC0C0u);
    EXPECT_FALSE(ladderView.action[11].frameVisible);
    EXPECT_EQ(captionsOf(11), (Lines{"", "", "old", ""}));
}

TEST_F(ActionCaptionsTest, AddButtonIsNotTouched) {
    ladderView.action[12].addButtonVisible = true;
    read(12, {1, 10, 1, 1, 0, 0, 0, 0, 0, 0}, NL);
    EXPECT_TRUE(ladderView.action[12].addButtonVisible);
    ladderView.action[12].addButtonVisible = false;
    read(12, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, NL);
    EXPECT_FALSE(ladderView.action[12].addButtonVisible);
}

TEST_F(ActionCaptionsTest, RowNumbersOutsideTheLadderAreIgnored) {
    const auto before = ladderView.revision;
    for (int r : {-1, 91, 1000}) {
        SetPanelActieBijLezen(r);
        SetPanelActieBijAndereTaal(r);
    }
    EXPECT_EQ(ladderView.revision, before);
}

TEST_F(ActionCaptionsTest, DamagedVariableNumberNeverBreaksTheCell) {
    read(13, {3, 2, 32000, 1, 4, 0, 0, 0, 0, 0}, NL);
    EXPECT_EQ(captionsOf(13), (Lines{"Variabele", "", "Set op", "4"}));
}

TEST_F(ActionCaptionsTest, LanguageSwitchOfOutputs) {
    read(20, {1, 10, 1, 3, 1, 0, 0, 0, 0, 0}, NL);
    read(21, {1, 32, 2, 4, 0, 0, 0, 0, 0, 0}, NL);
    read(22, {1, 40, 3, 2, 0, 0, 0, 0, 0, 0}, NL);
    read(23, {1, 50, 3, 5, 1, 0, 0, 0, 0, 0}, NL);
    for (int r = 20; r <= 23; ++r) {
        mark(r, 1, "b");
        mark(r, 3, "d");
    }
    // The module's and the Arduino's lines read the same in both languages and
    // are drawn again all the same, as a file read draws them.
    mark(22, 0, "other");
    mark(23, 0, "other");
    for (int r = 20; r <= 23; ++r) switchTo(r, EN);
    EXPECT_EQ(captionsOf(20), (Lines{"Netw. Vell. card Nr.", "b", "Digital OUT", "d"}));
    EXPECT_EQ(captionsOf(21), (Lines{"Parallel. Port Nr.", "b", "Digital OUT", "d"}));
    EXPECT_EQ(captionsOf(22), (Lines{"Brask Ember USB", "b", "Digital OUT", "d"}));
    EXPECT_EQ(captionsOf(23), (Lines{"Netw. Arduino", "b", "Digital OUT", "d"}));
    switchTo(20, NL);
    EXPECT_EQ(captionsOf(20)[0], "Netw. Vell. Kaart Nr.");
    EXPECT_EQ(captionsOf(20)[2], "Digitaal UIT");
}

TEST_F(ActionCaptionsTest, LanguageSwitchOfMemoryAndVariable) {
    read(30, {3, 1, 1, 2, 0, 0, 0, 0, 0, 0}, NL);
    read(31, {3, 2, 2, 2, 9, 0, 0, 0, 0, 0}, NL);
    for (int r : {30, 31}) {
        mark(r, 1, "b");
        mark(r, 3, "d");
    }
    mark(30, 2, "c");
    switchTo(30, EN);
    switchTo(31, EN);
    EXPECT_EQ(captionsOf(30), (Lines{"Memory", "b", "c", "d"}));
    EXPECT_EQ(captionsOf(31), (Lines{"Variable", "b", "Increase with", "d"}));
}

TEST_F(ActionCaptionsTest, LanguageSwitchLeavesTimersAndEmptyRowsButNotTheStartRow) {
    read(40, {2, 1, 150, 0, 0, 0, 0, 0, 0, 0}, NL);
    read(41, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, NL);
    read(0, {1, 10, 1, 1, 0, 0, 0, 0, 0, 0}, NL);
    read(42, {3, 1, 1, 2, 0, 0, 0, 0, 0, 0}, NL);
    mark(41, 0, "x");
    const Lines timer = captionsOf(40);
    switchTo(40, EN);
    switchTo(41, EN);
    switchTo(0, EN);
    EXPECT_EQ(captionsOf(40), timer);
    EXPECT_EQ(captionsOf(41), (Lines{"x", "", "", ""}));
    EXPECT_EQ(captionsOf(0), (Lines{"Velleman. card Nr.", "0", "Digital OUT", "Set 1"}));
}

TEST_F(ActionCaptionsTest, StartRowIsDrawnLikeAnyOtherOnRead) {
    read(0, {3, 2, 1, 1, 10, 0, 0, 0, 0, 0}, EN);
    EXPECT_TRUE(ladderView.action[0].frameVisible);
    EXPECT_EQ(captionsOf(0), (Lines{"Variable", "A", "Set to", "10"}));
}

TEST_F(ActionCaptionsTest, PortAddressesComeFromTheSharedTable) {
    shared.ParallellePoortAdressen = {0x278, 0xBEEF, 0x3BC};
    read(1, {1, 31, 1, 1, 0, 0, 0, 0, 0, 0}, NL);
    read(2, {1, 32, 1, 1, 0, 0, 0, 0, 0, 0}, NL);
    EXPECT_EQ(captionsOf(1)[1], "278");
    EXPECT_EQ(captionsOf(2)[1], "BEEF");
}
