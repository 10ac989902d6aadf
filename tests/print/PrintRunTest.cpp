// The print run on a recording surface: which pages are printed, where the
// rung rows, the joined-rung box and the rung numbers land, and the header.
#include <gtest/gtest.h>

#include "LadderView.h"
#include "PageFrames.h"
#include "PrintRun.h"
#include "RecordingSurface.h"
#include "SharedState.h"

namespace tamberlo {
namespace {

using test::RecordingSurface;

constexpr PrintColor kJoinedGrey = 0xF0F0F0;

class PrintRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
    }
    RecordingSurface Run() {
        RecordingSurface s;
        EXPECT_TRUE(Printen(s));
        EXPECT_TRUE(s.ended);
        return s;
    }
    static void Link(int rung) {
        for (int cell = 3 * rung - 2; cell <= 3 * rung; ++cell) shared.Condities[std::size_t(cell)][0] = 4;
    }
    static void Memory(int cell) { shared.Condities[std::size_t(cell)] = {3, 1, 2, 0, 0, 0}; }
    static void SetMemoryAction(int row) { shared.Acties[std::size_t(row)] = {3, 1, 1, 2}; }
};

// The rung number printed on `page` whose band starts at `bandTop`, or 0.
int NumberAt(const RecordingSurface& s, int page, double bandTop) {
    for (const auto& t : s.texts) {
        const double middle = t.y + 20 * t.size / 2;
        bool isNumber = false;
        const int n = t.text.toInt(&isNumber);
        if (t.page == page && isNumber && middle == bandTop + 250 && t.x + s.TextWidth(t.text) == 1500) return n;
    }
    return 0;
}

TEST_F(PrintRunTest, PagesFollowTheRungsThatHoldSomething) {
    EXPECT_EQ(Run().pages, 1);  // an empty ladder: page 1 only

    Memory(3 * 40 - 1);  // rung 40, middle cell
    Memory(3 * 45);
    RecordingSurface s = Run();
    ASSERT_EQ(s.pages, 2);
    // Page 2 keeps page 3's fixed range: rungs 35..52 on bands from 2000 down.
    EXPECT_EQ(NumberAt(s, 2, 2000), 35);
    EXPECT_EQ(NumberAt(s, 2, 10500), 52);
    auto memory = s.find(2, "Geheugen");
    ASSERT_EQ(memory.size(), 2u);
    EXPECT_EQ(memory[0].x, 5500);
    EXPECT_EQ(memory[0].y, 1990 + 500 * (40 - 35));
    EXPECT_EQ(s.find(2, "M2")[0].y, 2210 + 500 * (40 - 35));

    shared = SharedState{};
    SetMemoryAction(20);  // an action alone fills page 2
    s = Run();
    ASSERT_EQ(s.pages, 2);
    EXPECT_EQ(NumberAt(s, 2, 2000), 17);
    EXPECT_EQ(s.find(2, "Set M2")[0].y, 2210 + 500 * 3);

    shared = SharedState{};
    Memory(3 * 90);
    s = Run();
    ASSERT_EQ(s.pages, 2);  // page 1 and a page for rungs 89 and 90
    EXPECT_EQ(NumberAt(s, 2, 2000), 89);
    EXPECT_EQ(NumberAt(s, 2, 2500), 90);
    EXPECT_EQ(NumberAt(s, 2, 3000), 0);
    EXPECT_EQ(s.find(2, "Geheugen")[0].x, 9000);
    EXPECT_EQ(s.find(2, "Geheugen")[0].y, 2490);
}

TEST_F(PrintRunTest, JoinedRungsGetTheGreyBoxAndPlus) {
    Link(3);
    Link(37);
    SetMemoryAction(37);
    shared.Condities[3] = {4, 0, 0, 0, 0, 0};  // a link on rung 1 has no rung above
    RecordingSurface s = Run();
    ASSERT_EQ(s.pages, 2);

    auto box = s.filled(1, kJoinedGrey);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].x1, 1838);
    EXPECT_EQ(box[0].y1, 2505 + 500 * 3);
    EXPECT_EQ(box[0].x2, 15838);
    EXPECT_EQ(box[0].y2, 2995 + 500 * 3);
    auto plus = s.find(1, "+");
    ASSERT_EQ(plus.size(), 1u);
    EXPECT_EQ(plus[0].x, 12090);
    EXPECT_EQ(plus[0].y, 3060 + 500 * 2);
    EXPECT_EQ(plus[0].size, 12);

    // Rung 37 is row 3 of the page for rungs 35..52.
    box = s.filled(2, kJoinedGrey);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].y1, 2505 + 500 * 1);
    EXPECT_EQ(box[0].y2, 2995 + 500 * 1);
    plus = s.find(2, "+");
    ASSERT_EQ(plus.size(), 1u);
    EXPECT_EQ(plus[0].y, 3060);
    // The action's lines come after the box, in the cell text size.
    auto action = s.find(2, "Geheugen");
    ASSERT_EQ(action.size(), 1u);
    EXPECT_EQ(action[0].x, 12500);
    EXPECT_EQ(action[0].y, 2990);
    EXPECT_EQ(action[0].size, 9);
}

TEST_F(PrintRunTest, PageOneHoldsTheStartRowAndTheHeader) {
    shared.TaalVlag = true;
    shared.PrintNaam = QStringLiteral("Jan");
    shared.PrintAfdeling = QStringLiteral("4B");
    shared.Acties[0] = {3, 1, 1, 5};
    shared.Acties[1] = {3, 1, 2, 6};
    ladderView.fileDialogName = QStringLiteral("/home/jan/Tamberlo/les 1.vpp");
    RecordingSurface s = Run();
    ASSERT_EQ(s.pages, 1);

    auto start = s.find(1, "Set M5");
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(start[0].x, 12500);
    EXPECT_EQ(start[0].y, 2210);
    EXPECT_EQ(s.find(1, "Reset M6")[0].y, 3210);
    EXPECT_EQ(NumberAt(s, 1, 3000), 1);
    EXPECT_EQ(NumberAt(s, 1, 10500), 16);
    EXPECT_EQ(NumberAt(s, 1, 11000), 0);

    EXPECT_EQ(s.find(1, "Programmer: Jan").size(), 1u);
    EXPECT_EQ(s.find(1, "Department: 4B").size(), 1u);
    EXPECT_EQ(s.find(1, "Program name: les 1.vpp").size(), 1u);
    EXPECT_EQ(s.find(1, "Init").size(), 1u);
    auto heading = s.find(1, "Condition  2");
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_EQ(heading[0].x + s.TextWidth("Condition  2") / 2, 3588 + 3500);

    ladderView.fileDialogName = QStringLiteral("*.vpp");  // a cancelled file dialog's filter
    EXPECT_EQ(Run().find(1, "Program name: ").size(), 1u);
}

TEST_F(PrintRunTest, TitleGrowsToItsBoxAndStopsAt72Points) {
    RecordingSurface s;
    FitTitleSize(s);
    EXPECT_EQ(s.FontSize(), 50);  // 8 characters of half a point each: 4000 twips at 50 pt
    s.widthPerCharPerPoint = 0;
    FitTitleSize(s);
    EXPECT_EQ(s.FontSize(), 72);

    PrintKaders(s);
    auto title = s.find(1, "Tamberlo");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].color, kPrintWhite);
    EXPECT_EQ(title[0].y, 1000 - 20 * 72 / 2);
}

TEST(ProgramName, IsTheLastComponentOfAPath) {
    EXPECT_EQ(ProgramNameOf("/a/b/les.vpp"), "les.vpp");
    EXPECT_EQ(ProgramNameOf("/x.vpp"), "x.vpp");
    EXPECT_EQ(ProgramNameOf(""), "");
    EXPECT_EQ(ProgramNameOf("*.vpp"), "");
}

}  // namespace
}  // namespace tamberlo
