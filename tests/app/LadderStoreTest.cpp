#include <gtest/gtest.h>

#include "LadderStore.h"
#include "LadderView.h"
#include "SharedState.h"

using namespace tamberlo;

class LadderStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
    }
};

TEST_F(LadderStoreTest, PresenceFlagsJudgeTheWholeLadderButNotTheStartRow) {
    IsErEenProgramma();
    EXPECT_FALSE(shared.ConditiesAanwezig);
    EXPECT_FALSE(shared.ActiesAanwezig);

    shared.Acties[0][0] = 1;  // the start-only row does not count
    IsErEenProgramma();
    EXPECT_FALSE(shared.ActiesAanwezig);

    shared.Condities[270][0] = 1;
    shared.Acties[90][0] = 3;
    IsErEenProgramma();
    EXPECT_TRUE(shared.ConditiesAanwezig);
    EXPECT_TRUE(shared.ActiesAanwezig);
}

TEST_F(LadderStoreTest, ClearingKeepsSoundNamesAndBlanksTheView) {
    shared.Condities[5] = {1, 10, 3, 0, 0, 0};
    shared.Acties[7] = {4, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    shared.GeluidMappen[7] = "/snd";
    shared.GeluidBestanden[7] = "bel.wav";
    shared.GeheugenToestand[3] = true;
    shared.Variabelen[2] = 17;
    ladderView.cell[5].frameVisible = true;
    ladderView.cell[5].lines[0].caption = "Velleman.";
    ladderView.cell[9].linkLineVisible = true;
    ladderView.action[7].frameVisible = true;
    ladderView.action[7].orWireVisible = true;

    WisLadderProgramma();

    EXPECT_EQ(shared.Condities[5][0], 0);
    EXPECT_EQ(shared.Acties[7][0], 0);
    EXPECT_EQ(shared.GeluidMappen[7], "/snd");
    EXPECT_EQ(shared.GeluidBestanden[7], "bel.wav");
    EXPECT_FALSE(shared.GeheugenToestand[3]);
    EXPECT_EQ(shared.Variabelen[2], 0);
    EXPECT_EQ(ladderView.varCaption[2], "0");
    EXPECT_FALSE(ladderView.cell[5].frameVisible);
    EXPECT_TRUE(ladderView.cell[5].lines[0].caption.isEmpty());
    EXPECT_EQ(ladderView.cell[5].lines[0].backColor, kColorCellGrey);
    EXPECT_FALSE(ladderView.cell[9].linkLineVisible);
    EXPECT_FALSE(ladderView.action[7].frameVisible);
    EXPECT_FALSE(ladderView.action[7].orWireVisible);
    EXPECT_EQ(ladderView.windowCaption, FixedTitle());
}
