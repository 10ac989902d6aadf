// The printed vocabulary of cells: a golden table of descriptions in both
// languages, and describing leaves the screen alone.
#include <QLocale>

#include <gtest/gtest.h>

#include "Descriptions.h"
#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {
namespace {

const PortAddresses kPorts{0x378, 0x278, 0x3BC};
constexpr bool EN = true, NL = false;

struct ConditionCase {
    ConditionRow row;
    bool english;
    const char* line0;
    const char* line1;
};

TEST(Descriptions, ConditionsOfEveryKind) {
    const ConditionCase cases[] = {
        {{0, 0, 0, 0, 0, 0}, NL, "#", "#"},
        {{4, 0, 0, 0, 0, 0}, EN, "#", "#"},
        {{1, 11, 3, 0, 0, 0}, EN, "Velleman card nr: 1", "Digital IN 3 True"},
        {{1, 11, 13, 0, 0, 0}, NL, "Velleman kaart nr: 1", "Digitaal IN 3 Niet Waar"},
        {{1, 10, 12, 0, 1, 0}, EN, "Network Velleman card nr: 0", "Digital IN 2 False"},
        {{1, 22, 2, 1100, 1, 0}, EN, "Network Velleman card nr. 2", "Analog IN A2 smaller or equals 100"},
        {{1, 20, 1, 200, 0, 0}, EN, "Velleman card nr: 0", "Analog IN A1 bigger or equals 200"},
        {{1, 21, 1, 200, 0, 0}, NL, "Velleman kaart nr: 1", "Analoog IN A1 groter of gelijk 200"},
        {{1, 21, 2, 1007, 1, 0}, NL, "Netwerk Velleman kaart nr: 1", "Analoog IN A2 kleiner of gelijk 7"},
        {{1, 33, 14, 0, 1, 0}, EN, "Network parallel port adress: 3BC", "Digital IN 4 NOT True"},
        {{1, 31, 2, 0, 0, 0}, NL, "Parallelle poort adres: 378", "Digitaal IN 2 Waar"},
        {{1, 40, 18, 0, 0, 0}, EN, "Brask ember usb 0", "Digital IN  8  NOT True"},
        {{1, 42, 7, 0, 1, 0}, NL, "Netwerk Brask ember usb 2", "Digitaal IN 7 Waar"},
        {{1, 50, 13, 0, 1, 0}, NL, "Netwerk Arduino 0", "Digitaal IN  3  NIET Waar"},
        {{1, 50, 6, 0, 2, 0}, EN, " 0", "Digital IN"},  // odd network flag, input out of range
        {{1, 60, 1, 0, 0, 0}, EN, "", ""},
        {{2, 1, 7, 5, 0, 127}, NL, "Zo. Ma. Di. Wo. Do. Vr. Za.  Dag", "Om 07:05:00 Uur"},
        {{2, 1, 10, 15, 30, 62}, EN, "Mo. Tu. We. Th. Fr.  Day", "At 10:15:30 Hour"},
        {{2, 2, 2, 5, 0, 0}, EN, "False", "Timer T5"},
        {{3, 1, 4, 1, 0, 0}, EN, "Memory", "Not M4"},
        {{3, 2, 8, 0, 0, 0}, NL, "Toetsenbord", "F8"},
        {{3, 3, 2, 2010, 0, 0}, EN, "Variable B", "= 10"},
        {{3, 3, 1, 1005, 0, 0}, NL, "Variabele A", "<= 5"},
        {{7, 0, 0, 0, 0, 0}, EN, "", ""},
    };
    for (const auto& c : cases) {
        const Beschrijving d = describeCondition(c.row, c.english, kPorts);
        EXPECT_EQ(d.line[0], QString::fromLatin1(c.line0)) << c.line1;
        EXPECT_EQ(d.line[1], QString::fromLatin1(c.line1)) << c.line0;
    }
}

struct ActionCase {
    ActionRow row;
    bool english;
    QString line0;
    QString line1;
    SoundNames sound{};
};

TEST(Descriptions, ActionsOfEveryKind) {
    const QString sep = QLocale().decimalPoint();
    const ActionCase cases[] = {
        {{0}, EN, "#", "#"},
        {{1, 20, 2, 2240, 0, 0}, EN, "Velleman. Card Nr. 0", "Analog OUT A2 - 240"},
        {{1, 21, 1, 1150, 1, 1}, NL, "Netw. Vell. Kaart Nr. 1", "Analoog UIT A1 + 150 Wacht op NIET"},
        {{1, 40, 1, 9, 0}, EN, "Brask Ember USB", "Digital OUT Set All"},
        {{1, 40, 3, 9, 0}, EN, "Brask Ember USB0", "Digital OUT Imp All"},
        {{1, 12, 2, 3, 1}, EN, "Netw. Vell. card Nr. 2", "Digital OUT Res 3"},
        {{1, 31, 1, 9, 0}, NL, "Parallelle Poort Nr. 378", "Digitaal UIT Set All"},
        {{1, 32, 5, 1, 0}, EN, "Parallel. Port Nr. 278", "Digital OUT"},
        {{1, 50, 3, 5, 1}, NL, "Netw. Arduino0", "Digitaal UIT Imp 5"},
        {{2, 1, 150, 6000}, EN, "1" + sep + "50 sec.", "Preset Timer T0"},
        {{2, 1, 6000, 10}, NL, "1 Min.", "Preset Timer T0"},
        {{2, 2, 1, 4}, EN, "Set Timer", "T4"},
        {{3, 1, 2, 7}, NL, "Geheugen", "Reset M7"},
        {{3, 2, 3, 3, 40}, EN, "VariableC", "Decrease with 40"},
        {{3, 2, 2, 2, 5}, NL, "VariabeleB", "Vergroot met 5"},
        {{4}, EN, "bel.wavC:", "Play sound", {"C:\\Geluiden", "bel.wav"}},
        {{4}, NL, "bel.wav/h", "Speel geluid", {"/home/leerling", "bel.wav"}},
    };
    for (const auto& c : cases) {
        const Beschrijving d = describeAction(c.row, c.sound, c.english, kPorts);
        EXPECT_EQ(d.line[0], c.line0) << c.line1.toStdString();
        EXPECT_EQ(d.line[1], c.line1) << c.line0.toStdString();
    }
}

TEST(Descriptions, DescribingAModuleOutputLeavesTheScreenAlone) {
    shared = SharedState{};
    shared.TaalVlag = true;
    shared.Acties[5] = {1, 42, 3, 1, 0};
    shared.Acties[6] = {1, 50, 1, 9, 0};
    ladderView.action[5].lines[1].caption = QStringLiteral("7");
    const auto revision = ladderView.revision;

    EXPECT_EQ(PrintBeschrijvingActie(5).line[0], "Brask Ember USB2");
    EXPECT_EQ(PrintBeschrijvingActie(6).line[1], "Digital OUT Set All");

    EXPECT_EQ(ladderView.action[5].lines[1].caption, "7");
    EXPECT_TRUE(ladderView.action[6].lines[1].caption.isEmpty());
    EXPECT_EQ(ladderView.revision, revision);
}

}  // namespace
}  // namespace tamberlo
