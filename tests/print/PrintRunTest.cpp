// The print run on a recording surface: which pages are printed, where the
// rung rows, the joined-rung box and the rung numbers land, and the header.
#include <gtest/gtest.h>

#include <tuple>

#include "LadderView.h"
#include "PageFrames.h"
#include "PrintRun.h"
#include "RecordingSurface.h"
#include "SharedState.h"

namespace tamberlo {
namespace {

using test::Recorded;
using test::RecordingSurface;

class PrintRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
    }
    static RecordingSurface PrintAll() {
        RecordingSurface s;
        EXPECT_TRUE(Printen(s));
        EXPECT_TRUE(s.ended);
        return s;
    }
    static void Memory(int cell) { shared.Condities[std::size_t(cell)] = {3, 1, 2, 0, 0, 0}; }
    static void MemoryAction(int row) { shared.Acties[std::size_t(row)] = {3, 1, 1, 2}; }
    static void Link(int rung) {
        for (int cell = 3 * rung - 2; cell <= 3 * rung; ++cell) shared.Condities[std::size_t(cell)][0] = 4;
    }
};

// The one thing found, at (x, y).
void ExpectOneAt(const std::vector<Recorded>& found, double x, double y) {
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].x, x);
    EXPECT_EQ(found[0].y, y);
}

// The rung number printed on `page` for the band that starts at `bandTop`, or 0.
int NumberAt(const RecordingSurface& s, int page, double bandTop) {
    for (const auto& t : s.texts) {
        bool isNumber = false;
        const int n = t.text.toInt(&isNumber);
        if (t.page == page && isNumber && t.y + 10 * t.size == bandTop + 250 && t.x + s.TextWidth(t.text) == 1500) return n;
    }
    return 0;
}

TEST_F(PrintRunTest, PagesFollowTheRungsThatHoldSomething) {
    EXPECT_EQ(PrintAll().pages, 1);  // an empty ladder: page 1 only

    Memory(3 * 40 - 1);                             // rung 40, middle cell
    shared.Condities[3 * 45] = {3, 2, 3, 0, 0, 0};  // key F3
    RecordingSurface s = PrintAll();
    ASSERT_EQ(s.pages, 2);
    // The page keeps page 3's fixed range: rungs 35..52 on bands from 2000 down.
    EXPECT_EQ(NumberAt(s, 2, 2000), 35);
    EXPECT_EQ(NumberAt(s, 2, 10500), 52);
    ExpectOneAt(s.find(2, "Geheugen"), 5500, 1990 + 500 * (40 - 35));
    ExpectOneAt(s.find(2, "M2"), 5500, 2210 + 500 * (40 - 35));
    ExpectOneAt(s.find(2, "F3"), 9000, 2210 + 500 * (45 - 35));

    shared = SharedState{};
    MemoryAction(20);  // an action alone fills page 2
    s = PrintAll();
    ASSERT_EQ(s.pages, 2);
    EXPECT_EQ(NumberAt(s, 2, 2000), 17);
    ExpectOneAt(s.find(2, "Set M2"), 12500, 2210 + 500 * 3);

    shared = SharedState{};
    Memory(3 * 90);
    s = PrintAll();
    ASSERT_EQ(s.pages, 2);  // page 1 and a page for rungs 89 and 90
    EXPECT_EQ(NumberAt(s, 2, 2000), 89);
    EXPECT_EQ(NumberAt(s, 2, 2500), 90);
    EXPECT_EQ(NumberAt(s, 2, 3000), 0);
    ExpectOneAt(s.find(2, "Geheugen"), 9000, 2490);
}

TEST_F(PrintRunTest, ALaterPagePrintsItsLastRung) {
    for (int rung : {34, 52, 70, 88}) {
        shared = SharedState{};
        Memory(3 * rung);  // the rung's last cell, alone on its page
        RecordingSurface s = PrintAll();
        ASSERT_EQ(s.pages, 2) << rung;
        EXPECT_EQ(NumberAt(s, 2, 10500), rung);
        ExpectOneAt(s.find(2, "Geheugen"), 9000, 1990 + 500 * 17);
    }
}

TEST_F(PrintRunTest, RangeCopiesAndOrderFollowTheJob) {
    Memory(3 * 20);  // page counter 2: rungs 17..34
    Memory(3 * 60);  // page counter 4: rungs 53..70
    ASSERT_EQ(PrintedPageCount(), 3);
    // The first rung number of every page printed, in order (page 1's first band lies lower).
    auto firsts = [](const PrintJob& job) {
        RecordingSurface s;
        EXPECT_TRUE(Printen(s, job));
        std::vector<int> numbers;
        for (int page = 1; page <= s.pages; ++page)
            numbers.push_back(NumberAt(s, page, s.find(page, "Init").empty() ? 2000 : 3000));
        return numbers;
    };
    EXPECT_EQ(firsts({}), (std::vector<int>{1, 17, 53}));
    EXPECT_EQ(firsts({2, 3, 2, true, true}), (std::vector<int>{53, 17, 53, 17}));
    EXPECT_EQ(firsts({2, 3, 2, false, false}), (std::vector<int>{17, 17, 53, 53}));
    EXPECT_EQ(firsts({3, 9, 1, true, false}), (std::vector<int>{53}));  // past the last page: up to it
}

TEST_F(PrintRunTest, JoinedRungsGetTheGreyBoxAndPlus) {
    constexpr PrintColor kJoinedGrey = 0xF0F0F0;
    Link(3);
    Link(37);
    MemoryAction(37);
    shared.Condities[3] = {4, 0, 0, 0, 0, 0};  // a link on rung 1 has no rung above
    RecordingSurface s = PrintAll();
    ASSERT_EQ(s.pages, 2);

    auto box = s.filled(1, kJoinedGrey);
    ExpectOneAt(box, 1838, 2505 + 500 * 3);
    EXPECT_EQ(box[0].x2, 15838);
    EXPECT_EQ(box[0].y2, 2995 + 500 * 3);
    ExpectOneAt(s.find(1, "+"), 12090, 3060 + 500 * 2);
    EXPECT_EQ(s.find(1, "+")[0].size, 12);

    // Rung 37 is row 3 of the page for rungs 35..52.
    box = s.filled(2, kJoinedGrey);
    ExpectOneAt(box, 1838, 2505 + 500 * 1);
    EXPECT_EQ(box[0].y2, 2995 + 500 * 1);
    ExpectOneAt(s.find(2, "+"), 12090, 3060);
    ExpectOneAt(s.find(2, "Geheugen"), 12500, 2990);
    EXPECT_EQ(s.find(2, "Geheugen")[0].size, 9);
}

TEST_F(PrintRunTest, PageOneHoldsTheStartRowAndTheHeader) {
    shared.TaalVlag = true;
    shared.PrintNaam = QStringLiteral("Jan");
    shared.PrintAfdeling = QStringLiteral("4B");
    shared.Acties[0] = {3, 1, 1, 5};
    shared.Acties[1] = {3, 1, 2, 6};
    ladderView.fileDialogName = QStringLiteral("/home/jan/Tamberlo/les 1.vpp");
    RecordingSurface s = PrintAll();
    ASSERT_EQ(s.pages, 1);

    ExpectOneAt(s.find(1, "Set M5"), 12500, 2210);  // the "Init" row
    ExpectOneAt(s.find(1, "Reset M6"), 12500, 3210);
    EXPECT_EQ(NumberAt(s, 1, 3000), 1);
    EXPECT_EQ(NumberAt(s, 1, 10500), 16);
    EXPECT_EQ(NumberAt(s, 1, 11000), 0);
    for (const char* text : {"Programmer: Jan", "Department: 4B", "Program name: les 1.vpp", "Init"})
        EXPECT_EQ(s.find(1, text).size(), 1u) << text;
    const QString heading = QStringLiteral("Condition  2");
    ASSERT_EQ(s.find(1, heading).size(), 1u);
    EXPECT_EQ(s.find(1, heading)[0].x + s.TextWidth(heading) / 2, 3588 + 3500);

    ladderView.fileDialogName = QStringLiteral("*.vpp");  // a cancelled file dialog's filter
    EXPECT_EQ(PrintAll().find(1, "Program name: ").size(), 1u);
}

TEST_F(PrintRunTest, LongHeaderTextsStayInTheirCells) {
    shared.TaalVlag = true;
    shared.PrintNaam = QString(80, QLatin1Char('n'));
    shared.PrintAfdeling = QString(80, QLatin1Char('d'));
    ladderView.fileDialogName = "/home/jan/" + QString(80, QLatin1Char('f')) + ".vpp";
    const RecordingSurface s = PrintAll();
    // {label, the cell's left edge, its right edge}: the text keeps 250 twips inside both.
    const std::tuple<QString, double, double> cells[] = {
        {"Programmer: ", 6000, 12338}, {"Program name: ", 6000, 12338}, {"Department: ", 12338, 16838 - 1000}};
    for (const auto& [label, left, right] : cells) {
        std::vector<Recorded> found;
        for (const auto& t : s.texts)
            if (t.text.startsWith(label)) found.push_back(t);
        ASSERT_EQ(found.size(), 1u) << label.toStdString();
        const QString text = found[0].text;
        EXPECT_EQ(found[0].x, left + 250);
        EXPECT_LE(found[0].x + s.TextWidth(text), right - 250) << text.toStdString();
        EXPECT_GT(found[0].x + s.TextWidth(text + "x"), right - 250) << "as much as fits: " << text.toStdString();
        EXPECT_TRUE(text.endsWith("...")) << text.toStdString();
    }
}

TEST_F(PrintRunTest, TitleGrowsToItsBoxAndStopsAt72Points) {
    RecordingSurface s;
    FitTitleSize(s);
    EXPECT_EQ(s.FontSize(), 50);  // "Tamberlo" is 80 twips per point wide here
    s.widthPerCharPerPoint = 0;
    PrintKaders(s);
    auto title = s.find(1, "Tamberlo");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].size, 72);
    EXPECT_EQ(title[0].color, kPrintWhite);
}

}  // namespace
}  // namespace tamberlo
