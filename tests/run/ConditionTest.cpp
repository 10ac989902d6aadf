// Every condition kind evaluated from the input images and the ladder state,
// the colouring of cells and wires, vertical links, and stored values that
// only a damaged file can hold.
#include "PoweredDrawing.h"
#include "ScanLoop.h"

#include "RunFixture.h"

namespace tamberlo::test {
namespace {

class ConditionTest : public RunTest {
protected:
    // Cell 1 with `kolommen`, evaluated once from a freshly powered ladder.
    bool Cel1(std::initializer_list<int> kolommen) {
        shared.Condities[1].fill(0);
        Conditie(1, kolommen);
        VoedingUIT();
        VoedingAAN();
        EvalueerCellen();
        return shared.ConditieResultaat[1];
    }
    bool& R(int i) { return shared.ConditieResultaat[i]; }
};

TEST_F(ConditionTest, DigitalInputsPlainAndNotOfEveryInterface) {
    shared.IngangDigitaal[2][3] = -1;  // card 2 input 3
    EXPECT_TRUE(Cel1({1, 12, 3, 0, 0}));
    EXPECT_FALSE(Cel1({1, 12, 13, 0, 0}));  // "Not"
    EXPECT_FALSE(Cel1({1, 12, 4, 0, 0}));
    EXPECT_TRUE(Cel1({1, 12, 14, 0, 0}));

    shared.IngangDigitaal[5][1] = -1;  // parallel port 2 (code 32) in column 5
    EXPECT_TRUE(Cel1({1, 32, 1, 0, 0}));
    shared.IngangDigitaal[7][8] = -1;  // Kelvanor input 8
    EXPECT_TRUE(Cel1({1, 40, 8, 0, 0}));
    EXPECT_FALSE(Cel1({1, 40, 18, 0, 0}));
    // Older files' module codes 41..43 read the same module.
    EXPECT_TRUE(Cel1({1, 41, 8, 0, 0}));
    EXPECT_TRUE(Cel1({1, 43, 8, 0, 0}));
    EXPECT_TRUE(Cel1({1, 42, 17, 0, 0}));
    EXPECT_FALSE(Cel1({1, 42, 18, 0, 0}));
    shared.IngangDigitaalNetw[7][4] = -1;
    EXPECT_TRUE(Cel1({1, 43, 4, 0, 1}));

    // The Arduino: column 9 locally, column 8 of the peer's image.
    shared.IngangDigitaal[9][2] = -1;
    EXPECT_TRUE(Cel1({1, 50, 2, 0, 0}));
    EXPECT_FALSE(Cel1({1, 50, 2, 0, 1}));
    shared.IngangDigitaalNetw[8][2] = -1;
    EXPECT_TRUE(Cel1({1, 50, 2, 0, 1}));
    shared.IngangDigitaalNetw[0][5] = -1;
    EXPECT_TRUE(Cel1({1, 10, 5, 0, 1}));
    EXPECT_FALSE(Cel1({1, 10, 5, 0, 0}));

    // Input 0 reads a row nobody writes: off.
    EXPECT_FALSE(Cel1({1, 10, 0, 0, 0}));
    EXPECT_TRUE(Cel1({1, 10, 10, 0, 0}));
}

TEST_F(ConditionTest, AnalogInputsAtLeastAndAtMost) {
    shared.IngangAnaloog[1] = 100;      // card 1 A1
    shared.IngangAnaloog[4 + 3] = 200;  // card 3 A2
    shared.IngangAnaloogNetw[0] = 50;
    EXPECT_TRUE(Cel1({1, 21, 1, 100, 0}));
    EXPECT_FALSE(Cel1({1, 21, 1, 101, 0}));
    EXPECT_TRUE(Cel1({1, 21, 1, 1100, 0}));
    EXPECT_FALSE(Cel1({1, 21, 1, 1099, 0}));
    EXPECT_TRUE(Cel1({1, 23, 2, 200, 0}));
    EXPECT_FALSE(Cel1({1, 23, 1, 200, 0}));
    EXPECT_TRUE(Cel1({1, 20, 1, 1050, 1}));
    EXPECT_FALSE(Cel1({1, 20, 1, 51, 1}));
}

TEST_F(ConditionTest, ClockConditionWithWeekdayMaskAndSeconds) {
    const std::initializer_list<int> cel = {2, 1, 10, 15, 30, 62};  // 10:15:30 Monday..Friday
    Conditie(1, cel);
    VoedingAAN();
    tijd.nu = {2, 10, 15, 30};  // Monday
    EvalueerCellen();
    EXPECT_TRUE(R(1));
    tijd.nu = {2, 10, 15, 31};
    EvalueerCellen();
    EXPECT_FALSE(R(1));
    tijd.nu = {2, 10, 15, 30};
    EvalueerCellen();
    tijd.nu = {2, 10, 16, 0};  // another minute: keeps its value
    EvalueerCellen();
    EXPECT_TRUE(R(1));
    tijd.nu = {7, 10, 15, 31};  // Saturday: not in the mask, keeps its value all day
    EvalueerCellen();
    EXPECT_TRUE(R(1));
    tijd.nu = {1, 10, 15, 31};  // Sunday is bit 0
    Conditie(1, {2, 1, 10, 15, 30, 1});
    EvalueerCellen();
    EXPECT_FALSE(R(1));
}

TEST_F(ConditionTest, TimerOutputsMemoriesKeysAndVariables) {
    shared.TimerUitgang[6] = true;
    EXPECT_TRUE(Cel1({2, 2, 1, 6}));
    EXPECT_FALSE(Cel1({2, 2, 2, 6}));
    EXPECT_TRUE(Cel1({2, 2, 2, 5}));

    shared.GeheugenToestand[7] = true;
    EXPECT_TRUE(Cel1({3, 1, 7, 0}));
    EXPECT_FALSE(Cel1({3, 1, 7, 1}));
    EXPECT_TRUE(Cel1({3, 1, 0, 1}));

    shared.ToetsToestand[7] = true;  // F8
    EXPECT_TRUE(Cel1({3, 2, 8, 0}));
    EXPECT_FALSE(Cel1({3, 2, 1, 0}));

    for (int a : {4, 5, 6}) {
        shared.Variabelen[3] = static_cast<Integer>(a);
        EXPECT_EQ(Cel1({3, 3, 3, 2005}), a == 5) << a;
        EXPECT_TRUE(Cel1({3, 3, 3, 0}));
        EXPECT_EQ(Cel1({3, 3, 3, 1005}), a <= 5);
        EXPECT_EQ(Cel1({3, 3, 3, 5}), a >= 5);
    }
}

TEST_F(ConditionTest, ValuesOnlyADamagedFileHoldsMakeTheCellFalse) {
    shared.GeheugenToestand.fill(true);
    shared.TimerUitgang.fill(true);
    shared.ToetsToestand.fill(true);
    shared.Variabelen = {100, 100, 100, 100};
    EXPECT_FALSE(Cel1({3, 1, 8, 0}));       // memory 8
    EXPECT_FALSE(Cel1({3, 1, -1, 0}));
    EXPECT_FALSE(Cel1({3, 2, 9, 0}));       // F9
    EXPECT_FALSE(Cel1({3, 2, 0, 0}));
    EXPECT_FALSE(Cel1({3, 3, 4, 0}));       // variable D
    EXPECT_FALSE(Cel1({3, 3, 0, 0}));
    EXPECT_FALSE(Cel1({2, 2, 1, 8}));       // timer 8
    EXPECT_FALSE(Cel1({1, 20, 3, 0, 0}));   // analog channel 3
    EXPECT_FALSE(Cel1({1, 10, 9, 0, 0}));   // card input 9
    EXPECT_FALSE(Cel1({1, 40, 32767, 0, 0}));
    EXPECT_FALSE(Cel1({1, 99, 1, 0, 0}));   // unknown interface
    EXPECT_FALSE(Cel1({7, 1, 1, 0, 0}));    // unknown kind
    EXPECT_FALSE(Cel1({1, 10, 1, 0, 5}));   // neither local nor network
}

TEST_F(ConditionTest, FalseCellBreaksTheRungAndEndsItsActivation) {
    // Rung 2: false memory, then two true memories.
    shared.GeheugenToestand[1] = true;
    Conditie(4, {3, 1, 0, 0});
    Conditie(5, {3, 1, 1, 0});
    Conditie(6, {3, 1, 1, 0});
    shared.ActieUitgevoerd[2] = true;
    shared.ActieUitgevoerd[1] = true;
    VoedingAAN();
    EvalueerCellen();
    EXPECT_FALSE(R(4));
    EXPECT_TRUE(R(5));
    EXPECT_TRUE(R(6));
    EXPECT_FALSE(shared.ActieUitgevoerd[2]);
    for (int i : {4, 5, 6}) EXPECT_EQ(ladderView.cel[i].wireColor, kKleurZwart) << i;
    EXPECT_EQ(ladderView.cel[4].frameColor, 0xC0FFC0u);
    EXPECT_EQ(ladderView.cel[5].frameColor, 0xE6FFE6u);

    // An all-empty rung conducts for the whole run and keeps its one-shot flag.
    EXPECT_TRUE(R(1) && R(2) && R(3));
    EXPECT_TRUE(shared.ActieUitgevoerd[1]);
    for (int i : {1, 2, 3}) EXPECT_EQ(ladderView.cel[i].wireColor, kKleurRood);

    // Now all three hold: the wires turn red up to the end of the rung.
    shared.GeheugenToestand[0] = true;
    EvalueerCellen();
    for (int i : {4, 5, 6}) EXPECT_EQ(ladderView.cel[i].wireColor, kKleurRood) << i;
}

TEST_F(ConditionTest, TrueCellPassesPowerToEmptyCellsBehindIt) {
    // Rung 3: a true cell in the middle, an empty third cell.
    shared.GeheugenToestand[2] = true;
    Conditie(8, {3, 1, 2, 0});
    VoedingAAN();
    EXPECT_EQ(ladderView.cel[7].wireColor, kKleurRood);
    EXPECT_NE(ladderView.cel[8].wireColor, kKleurRood);
    EXPECT_NE(ladderView.cel[9].wireColor, kKleurRood);
    EvalueerCellen();
    EXPECT_EQ(ladderView.cel[8].wireColor, kKleurRood);
    EXPECT_EQ(ladderView.cel[9].wireColor, kKleurRood);
    EXPECT_TRUE(R(9));
}

TEST_F(ConditionTest, VerticalLinkFollowsTheRungAbove) {
    Conditie(1, {3, 1, 0, 0});  // rung 1: M0
    for (int i : {4, 5, 6}) Conditie(i, {4});
    Conditie(5, {4});
    VoedingAAN();
    EvalueerCellen();
    EXPECT_FALSE(R(4) || R(5) || R(6));
    EXPECT_EQ(ladderView.cel[3].linkLineColor, kKleurZwart);
    EXPECT_EQ(ladderView.actie[2].orWireColor, kKleurZwart);

    shared.GeheugenToestand[0] = true;
    const auto revisie = ladderView.revision;
    EvalueerCellen();
    EXPECT_TRUE(R(4) && R(5) && R(6));
    EXPECT_EQ(ladderView.cel[3].linkLineColor, kKleurRood);
    EXPECT_EQ(ladderView.actie[2].orWireColor, kKleurRood);
    EXPECT_EQ(ladderView.cel[6].wireColor, kKleurRood);
    EXPECT_GT(ladderView.revision, revisie);

    // Nothing changed: the view's revision stays.
    const auto daarna = ladderView.revision;
    EvalueerCellen();
    EXPECT_EQ(ladderView.revision, daarna);
}

TEST_F(ConditionTest, VerticalLinkNeedsEveryCellOfTheRungAbove) {
    for (int i : {1, 2, 3}) Conditie(i, {3, 1, i - 1, 0});  // rung 1: M0, M1, M2
    for (int i : {4, 5, 6}) Conditie(i, {4});
    VoedingAAN();
    for (int m = 0; m < 3; ++m) {  // any one false cell above, the third included, breaks the link
        shared.GeheugenToestand = {true, true, true};
        EvalueerCellen();
        EXPECT_TRUE(R(4) && R(5) && R(6));
        shared.GeheugenToestand[m] = false;
        EvalueerCellen();
        EXPECT_FALSE(R(4) || R(5) || R(6)) << "M" << m << " off";
        EXPECT_EQ(ladderView.actie[2].orWireColor, kKleurZwart);
    }
}

TEST_F(ConditionTest, LinkAnywhereButTheFirstCellOfRungTwoOnIsFalse) {
    Conditie(1, {4});  // rung 1 has nothing above it
    Conditie(8, {4});  // second cell of rung 3
    Conditie(270, {4});
    VoedingAAN();
    shared.ConditieResultaat[1] = shared.ConditieResultaat[8] = shared.ConditieResultaat[270] = true;
    EvalueerCellen();
    EXPECT_FALSE(R(1));
    EXPECT_FALSE(R(8));
    EXPECT_FALSE(R(270));
    EXPECT_TRUE(R(7));  // the empty cell before it still conducts
}

TEST_F(ConditionTest, PoweredAndUnpoweredDrawing) {
    Conditie(15, {3, 1, 0, 0});  // rung 5: cells 13, 14 empty, 15 a memory
    Conditie(16, {3, 1, 0, 0});  // rung 6: cell 16 a memory, 17, 18 empty
    shared.ConditiesAanwezig = false;
    VoedingAAN();
    EXPECT_EQ(ladderView.leftRailColor, kKleurRood);
    EXPECT_EQ(ladderView.actie[90].supplyColor, kKleurRood);
    EXPECT_EQ(ladderView.cel[13].wireColor, kKleurRood);
    EXPECT_EQ(ladderView.cel[14].wireColor, kKleurRood);
    EXPECT_EQ(ladderView.cel[15].wireColor, kKleurZwart);
    EXPECT_TRUE(R(13) && R(14) && R(17) && R(18));
    EXPECT_FALSE(R(15));
    EXPECT_EQ(ladderView.cel[17].wireColor, kKleurZwart);
    EXPECT_TRUE(shared.ConditiesAanwezig);

    ladderView.actie[4].orWireColor = kKleurRood;
    ladderView.cel[6].linkLineColor = kKleurRood;
    VoedingUIT();
    EXPECT_EQ(ladderView.leftRailColor, kKleurZwart);
    for (int i = 0; i <= kCondities; ++i) {
        EXPECT_FALSE(R(i));
        EXPECT_EQ(ladderView.cel[i].wireColor, kKleurZwart);
    }
    EXPECT_EQ(ladderView.actie[4].orWireColor, kKleurZwart);
    EXPECT_EQ(ladderView.actie[4].supplyColor, kKleurZwart);
    EXPECT_EQ(ladderView.cel[6].linkLineColor, kKleurZwart);
}

}  // namespace
}  // namespace tamberlo::test
