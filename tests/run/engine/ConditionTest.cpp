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
    // Cell 1 with `columns`, evaluated once from a freshly powered ladder.
    bool FirstCell(std::initializer_list<int> columns) {
        shared.Condities[1].fill(0);
        SetCondition(1, columns);
        VoedingUIT();
        VoedingAAN();
        EvaluateCells();
        return shared.ConditieResultaat[1];
    }
    bool& R(int i) { return shared.ConditieResultaat[i]; }
};

TEST_F(ConditionTest, DigitalInputsPlainAndNotOfEveryInterface) {
    shared.IngangDigitaal[2][3] = -1;  // card 2 input 3
    EXPECT_TRUE(FirstCell({1, 12, 3, 0, 0}));
    EXPECT_FALSE(FirstCell({1, 12, 13, 0, 0}));  // "Not"
    EXPECT_FALSE(FirstCell({1, 12, 4, 0, 0}));
    EXPECT_TRUE(FirstCell({1, 12, 14, 0, 0}));

    shared.IngangDigitaal[5][1] = -1;  // parallel port 2 (code 32) in column 5
    EXPECT_TRUE(FirstCell({1, 32, 1, 0, 0}));
    shared.IngangDigitaal[7][8] = -1;  // Kelvanor input 8
    EXPECT_TRUE(FirstCell({1, 40, 8, 0, 0}));
    EXPECT_FALSE(FirstCell({1, 40, 18, 0, 0}));
    // Older files' module codes 41..43 read the same module.
    EXPECT_TRUE(FirstCell({1, 41, 8, 0, 0}));
    EXPECT_TRUE(FirstCell({1, 43, 8, 0, 0}));
    EXPECT_TRUE(FirstCell({1, 42, 17, 0, 0}));
    EXPECT_FALSE(FirstCell({1, 42, 18, 0, 0}));
    shared.IngangDigitaalNetw[7][4] = -1;
    EXPECT_TRUE(FirstCell({1, 43, 4, 0, 1}));

    // The Arduino: column 9 locally, column 8 of the peer's image.
    shared.IngangDigitaal[9][2] = -1;
    EXPECT_TRUE(FirstCell({1, 50, 2, 0, 0}));
    EXPECT_FALSE(FirstCell({1, 50, 2, 0, 1}));
    shared.IngangDigitaalNetw[8][2] = -1;
    EXPECT_TRUE(FirstCell({1, 50, 2, 0, 1}));
    shared.IngangDigitaalNetw[0][5] = -1;
    EXPECT_TRUE(FirstCell({1, 10, 5, 0, 1}));
    EXPECT_FALSE(FirstCell({1, 10, 5, 0, 0}));

    // Input 0 reads a row nobody writes: off.
    EXPECT_FALSE(FirstCell({1, 10, 0, 0, 0}));
    EXPECT_TRUE(FirstCell({1, 10, 10, 0, 0}));
}

TEST_F(ConditionTest, AnalogInputsAtLeastAndAtMost) {
    shared.IngangAnaloog[1] = 100;      // card 1 A1
    shared.IngangAnaloog[4 + 3] = 200;  // card 3 A2
    shared.IngangAnaloogNetw[0] = 50;
    EXPECT_TRUE(FirstCell({1, 21, 1, 100, 0}));
    EXPECT_FALSE(FirstCell({1, 21, 1, 101, 0}));
    EXPECT_TRUE(FirstCell({1, 21, 1, 1100, 0}));
    EXPECT_FALSE(FirstCell({1, 21, 1, 1099, 0}));
    EXPECT_TRUE(FirstCell({1, 23, 2, 200, 0}));
    EXPECT_FALSE(FirstCell({1, 23, 1, 200, 0}));
    EXPECT_TRUE(FirstCell({1, 20, 1, 1050, 1}));
    EXPECT_FALSE(FirstCell({1, 20, 1, 51, 1}));
}

TEST_F(ConditionTest, ClockConditionWithWeekdayMaskAndSeconds) {
    const std::initializer_list<int> cell = {2, 1, 10, 15, 30, 62};  // 10:15:30 Monday..Friday
    SetCondition(1, cell);
    VoedingAAN();
    time.now = {2, 10, 15, 30};  // Monday
    EvaluateCells();
    EXPECT_TRUE(R(1));
    time.now = {2, 10, 15, 31};
    EvaluateCells();
    EXPECT_FALSE(R(1));
    time.now = {2, 10, 15, 30};
    EvaluateCells();
    time.now = {2, 10, 16, 0};  // another minute: keeps its value
    EvaluateCells();
    EXPECT_TRUE(R(1));
    time.now = {7, 10, 15, 31};  // Saturday: not in the mask, keeps its value all day
    EvaluateCells();
    EXPECT_TRUE(R(1));
    time.now = {1, 10, 15, 31};  // Sunday is bit 0
    SetCondition(1, {2, 1, 10, 15, 30, 1});
    EvaluateCells();
    EXPECT_FALSE(R(1));
}

TEST_F(ConditionTest, TimerOutputsMemoriesKeysAndVariables) {
    shared.TimerUitgang[6] = true;
    EXPECT_TRUE(FirstCell({2, 2, 1, 6}));
    EXPECT_FALSE(FirstCell({2, 2, 2, 6}));
    EXPECT_TRUE(FirstCell({2, 2, 2, 5}));

    shared.GeheugenToestand[7] = true;
    EXPECT_TRUE(FirstCell({3, 1, 7, 0}));
    EXPECT_FALSE(FirstCell({3, 1, 7, 1}));
    EXPECT_TRUE(FirstCell({3, 1, 0, 1}));

    shared.ToetsToestand[7] = true;  // F8
    EXPECT_TRUE(FirstCell({3, 2, 8, 0}));
    EXPECT_FALSE(FirstCell({3, 2, 1, 0}));

    for (int a : {4, 5, 6}) {
        shared.Variabelen[3] = static_cast<Integer>(a);
        EXPECT_EQ(FirstCell({3, 3, 3, 2005}), a == 5) << a;
        EXPECT_TRUE(FirstCell({3, 3, 3, 0}));
        EXPECT_EQ(FirstCell({3, 3, 3, 1005}), a <= 5);
        EXPECT_EQ(FirstCell({3, 3, 3, 5}), a >= 5);
    }
}

TEST_F(ConditionTest, ValuesOnlyADamagedFileHoldsMakeTheCellFalse) {
    shared.GeheugenToestand.fill(true);
    shared.TimerUitgang.fill(true);
    shared.ToetsToestand.fill(true);
    shared.Variabelen = {100, 100, 100, 100};
    EXPECT_FALSE(FirstCell({3, 1, 8, 0}));  // memory 8
    EXPECT_FALSE(FirstCell({3, 1, -1, 0}));
    EXPECT_FALSE(FirstCell({3, 2, 9, 0}));  // F9
    EXPECT_FALSE(FirstCell({3, 2, 0, 0}));
    EXPECT_FALSE(FirstCell({3, 3, 4, 0}));  // variable D
    EXPECT_FALSE(FirstCell({3, 3, 0, 0}));
    EXPECT_FALSE(FirstCell({2, 2, 1, 8}));      // timer 8
    EXPECT_FALSE(FirstCell({1, 20, 3, 0, 0}));  // analog channel 3
    EXPECT_FALSE(FirstCell({1, 10, 9, 0, 0}));  // card input 9
    EXPECT_FALSE(FirstCell({1, 40, 32767, 0, 0}));
    EXPECT_FALSE(FirstCell({1, 99, 1, 0, 0}));  // unknown interface
    EXPECT_FALSE(FirstCell({7, 1, 1, 0, 0}));   // unknown kind
    EXPECT_FALSE(FirstCell({1, 10, 1, 0, 5}));  // neither local nor network
}

TEST_F(ConditionTest, FalseCellBreaksTheRungAndEndsItsActivation) {
    // Rung 2: false memory, then two true memories.
    shared.GeheugenToestand[1] = true;
    SetCondition(4, {3, 1, 0, 0});
    SetCondition(5, {3, 1, 1, 0});
    SetCondition(6, {3, 1, 1, 0});
    shared.ActieUitgevoerd[2] = true;
    shared.ActieUitgevoerd[1] = true;
    VoedingAAN();
    EvaluateCells();
    EXPECT_FALSE(R(4));
    EXPECT_TRUE(R(5));
    EXPECT_TRUE(R(6));
    EXPECT_FALSE(shared.ActieUitgevoerd[2]);
    for (int i : {4, 5, 6}) EXPECT_EQ(ladderView.cell[i].wireColor, kColorBlack) << i;
    EXPECT_EQ(ladderView.cell[4].frameColor, 0xC0FFC0u);
    EXPECT_EQ(ladderView.cell[5].frameColor, 0xE6FFE6u);

    // An all-empty rung conducts for the whole run and keeps its one-shot flag.
    EXPECT_TRUE(R(1) && R(2) && R(3));
    EXPECT_TRUE(shared.ActieUitgevoerd[1]);
    for (int i : {1, 2, 3}) EXPECT_EQ(ladderView.cell[i].wireColor, kColorRed);

    // Now all three hold: the wires turn red up to the end of the rung.
    shared.GeheugenToestand[0] = true;
    EvaluateCells();
    for (int i : {4, 5, 6}) EXPECT_EQ(ladderView.cell[i].wireColor, kColorRed) << i;
}

TEST_F(ConditionTest, TrueCellPassesPowerToEmptyCellsBehindIt) {
    // Rung 3: a true cell in the middle, an empty third cell.
    shared.GeheugenToestand[2] = true;
    SetCondition(8, {3, 1, 2, 0});
    VoedingAAN();
    EXPECT_EQ(ladderView.cell[7].wireColor, kColorRed);
    EXPECT_NE(ladderView.cell[8].wireColor, kColorRed);
    EXPECT_NE(ladderView.cell[9].wireColor, kColorRed);
    EvaluateCells();
    EXPECT_EQ(ladderView.cell[8].wireColor, kColorRed);
    EXPECT_EQ(ladderView.cell[9].wireColor, kColorRed);
    EXPECT_TRUE(R(9));
}

TEST_F(ConditionTest, VerticalLinkFollowsTheRungAbove) {
    SetCondition(1, {3, 1, 0, 0});  // rung 1: M0
    for (int i : {4, 5, 6}) SetCondition(i, {4});
    SetCondition(5, {4});
    VoedingAAN();
    EvaluateCells();
    EXPECT_FALSE(R(4) || R(5) || R(6));
    EXPECT_EQ(ladderView.cell[3].linkLineColor, kColorBlack);
    EXPECT_EQ(ladderView.action[2].orWireColor, kColorBlack);

    shared.GeheugenToestand[0] = true;
    const auto revision = ladderView.revision;
    EvaluateCells();
    EXPECT_TRUE(R(4) && R(5) && R(6));
    EXPECT_EQ(ladderView.cell[3].linkLineColor, kColorRed);
    EXPECT_EQ(ladderView.action[2].orWireColor, kColorRed);
    EXPECT_EQ(ladderView.cell[6].wireColor, kColorRed);
    EXPECT_GT(ladderView.revision, revision);

    // Nothing changed: the view's revision stays.
    const auto afterwards = ladderView.revision;
    EvaluateCells();
    EXPECT_EQ(ladderView.revision, afterwards);
}

TEST_F(ConditionTest, VerticalLinkNeedsEveryCellOfTheRungAbove) {
    for (int i : {1, 2, 3}) SetCondition(i, {3, 1, i - 1, 0});  // rung 1: M0, M1, M2
    for (int i : {4, 5, 6}) SetCondition(i, {4});
    VoedingAAN();
    for (int m = 0; m < 3; ++m) {  // any one false cell above, the third included, breaks the link
        shared.GeheugenToestand = {true, true, true};
        EvaluateCells();
        EXPECT_TRUE(R(4) && R(5) && R(6));
        shared.GeheugenToestand[m] = false;
        EvaluateCells();
        EXPECT_FALSE(R(4) || R(5) || R(6)) << "M" << m << " off";
        EXPECT_EQ(ladderView.action[2].orWireColor, kColorBlack);
    }
}

TEST_F(ConditionTest, LinkAnywhereButTheFirstCellOfRungTwoOnIsFalse) {
    SetCondition(1, {4});  // rung 1 has nothing above it
    SetCondition(8, {4});  // second cell of rung 3
    SetCondition(270, {4});
    VoedingAAN();
    shared.ConditieResultaat[1] = shared.ConditieResultaat[8] = shared.ConditieResultaat[270] = true;
    EvaluateCells();
    EXPECT_FALSE(R(1));
    EXPECT_FALSE(R(8));
    EXPECT_FALSE(R(270));
    EXPECT_TRUE(R(7));  // the empty cell before it still conducts
}

TEST_F(ConditionTest, PoweredAndUnpoweredDrawing) {
    SetCondition(15, {3, 1, 0, 0});  // rung 5: cells 13, 14 empty, 15 a memory
    SetCondition(16, {3, 1, 0, 0});  // rung 6: cell 16 a memory, 17, 18 empty
    shared.ConditiesAanwezig = false;
    VoedingAAN();
    EXPECT_EQ(ladderView.leftRailColor, kColorRed);
    EXPECT_EQ(ladderView.action[90].supplyColor, kColorRed);
    EXPECT_EQ(ladderView.cell[13].wireColor, kColorRed);
    EXPECT_EQ(ladderView.cell[14].wireColor, kColorRed);
    EXPECT_EQ(ladderView.cell[15].wireColor, kColorBlack);
    EXPECT_TRUE(R(13) && R(14) && R(17) && R(18));
    EXPECT_FALSE(R(15));
    EXPECT_EQ(ladderView.cell[17].wireColor, kColorBlack);
    EXPECT_TRUE(shared.ConditiesAanwezig);

    ladderView.action[4].orWireColor = kColorRed;
    ladderView.cell[6].linkLineColor = kColorRed;
    VoedingUIT();
    EXPECT_EQ(ladderView.leftRailColor, kColorBlack);
    for (int i = 0; i <= kConditions; ++i) {
        EXPECT_FALSE(R(i));
        EXPECT_EQ(ladderView.cell[i].wireColor, kColorBlack);
    }
    EXPECT_EQ(ladderView.action[4].orWireColor, kColorBlack);
    EXPECT_EQ(ladderView.action[4].supplyColor, kColorBlack);
    EXPECT_EQ(ladderView.cell[6].linkLineColor, kColorBlack);
}

}  // namespace
}  // namespace tamberlo::test
