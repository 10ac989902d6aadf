// The condition editor as a user drives it: opening cells, the three panels,
// OK and delete, adding and linking, checked against what a ladder file read
// draws from the same rows.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>

#include <string>
#include <vector>

#include "ConditionCaptions.h"
#include "ConditionCellLook.h"
#include "ConditionEditor.h"
#include "ConditionLinks.h"
#include "EditorHooks.h"
#include "FakeDialogs.h"
#include "InputConditionPanel.h"
#include "InstalledServices.h"
#include "LadderFile.h"
#include "LadderStore.h"
#include "LadderView.h"
#include "MemoryKeyVariablePanel.h"
#include "TempHome.h"
#include "TimeConditionPanel.h"

using namespace tamberlo;

namespace {

using Lines = std::vector<std::string>;

Lines linesOf(int i) {
    Lines out;
    for (const auto& line : ladderView.cell[std::size_t(i)].lines) out.push_back(line.caption.toStdString());
    return out;
}

// The captions a ladder file read draws for `row` in cell i of a blank view.
Lines fileReadLines(int i, const ConditionRow& row) {
    const auto savedView = ladderView;
    ladderView = LadderView{};
    shared.Condities[std::size_t(i)] = row;
    SetPanelConditieBijLezen(i);
    Lines lines = linesOf(i);
    ladderView = savedView;
    return lines;
}

class ConditionEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (openEditor.isOpen()) e.CommandOKConditie_Click();
        shared = SharedState{};
        ladderView = LadderView{};
        openEditor = OpenEditor{};
        e.caption();
    }
    void TearDown() override {
        if (openEditor.kind == OpenEditor::Condition) e.CommandOKConditie_Click();
        openEditor = OpenEditor{};
    }
    ConditionEditor& e = conditionEditor();
    InputConditionPanel& in = *e.PanelConditieBewerkIngang;
    TimeConditionPanel& time = *e.PanelConditieBewerkTijd;
    MemoryKeyVariablePanel& mem = *e.PanelConditieBewerkGehToetsVar;
    test::FakeDialogs dialogs;
    test::InstalledServices installed{{.dialogs = &dialogs}};
};

// Every valid row: its caption, opened and closed with OK, keeps its row and
// shows what the file read shows (apart from the texts the fills write themselves).
std::vector<ConditionRow> everyValidRow() {
    std::vector<ConditionRow> rows;
    for (int code : {10, 11, 12, 13, 31, 32, 33, 40, 50})
        for (int n = 1; n <= (code == 40 ? 8 : 5); ++n)
            for (int inverted : {0, 10})
                for (int netw : {0, 1}) rows.push_back({1, Integer(code), Integer(n + inverted), 0, Integer(netw), 0});
    for (int code = 20; code <= 23; ++code)
        for (int channel : {1, 2})
            for (int threshold : {0, 255, 1000, 1255})
                for (int netw : {0, 1})
                    rows.push_back({1, Integer(code), Integer(channel), Integer(threshold), Integer(netw), 0});
    for (auto [h, m, s] : {std::tuple{0, 0, 0}, {23, 59, 59}, {7, 5, 0}})
        for (int mask : {0, 1, 62, 64, 127}) rows.push_back({2, 1, Integer(h), Integer(m), Integer(s), Integer(mask)});
    for (int sense : {1, 2})
        for (int t = 0; t <= 7; ++t) rows.push_back({2, 2, Integer(sense), Integer(t), 0, 0});
    for (int m = 0; m <= 7; ++m)
        for (int inverted : {0, 1}) rows.push_back({3, 1, Integer(m), Integer(inverted), 0, 0});
    for (int f = 1; f <= 8; ++f) rows.push_back({3, 2, Integer(f), 0, 0, 0});
    for (int v = 1; v <= 3; ++v)
        for (int code : {0, 255, 1000, 1255, 2000, 2255}) rows.push_back({3, 3, Integer(v), Integer(code), 0, 0});
    return rows;
}

TEST_F(ConditionEditorTest, EveryValidRowSurvivesOpenAndOkWithItsFileCaptions) {
    const int i = 5;
    int checked = 0;
    for (bool english : {false, true}) {
        shared.TaalVlag = english;
        for (const ConditionRow& row : everyValidRow()) {
            SCOPED_TRACE(::testing::PrintToString(row) + (english ? " en" : " nl"));
            Lines expected = fileReadLines(i, row);
            ladderView = LadderView{};
            SetPanelConditieBijLezen(i);
            // The texts the fills write themselves.
            if (row[0] == 2 && row[1] == 2 && row[2] == 2 && !english) expected[0] = "OnWaar";
            if (row[0] == 1 && row[1] == 40 && row[4] == 0 && english && in.CheckNetwerkIN->isChecked())
                expected[0] = "Brask Kelvanor Ember";
            e.CommandPanelConditie_Click(i);
            ASSERT_EQ(openEditor.number, i);
            e.CommandOKConditie_Click();
            EXPECT_EQ(shared.Condities[i], row);
            EXPECT_EQ(linesOf(i), expected);
            EXPECT_EQ(ladderView.cell[i].frameColor, kColorCellGreen);
            ++checked;
        }
    }
    EXPECT_GT(checked, 600);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ConditionEditorTest, ClicksBuildRowsThatASavedFileDrawsAlike) {
    test::TempHome home;
    shared.TaalVlag = true;
    e.caption();  // as the language switch does
    // Cell 1: an analog input of card 2, channel A2, <= 100, over the network.
    e.CommandPanelConditie_Click(1);
    in.OptionWelkeInterfaceIn(1)->click();
    in.OptionKaartnummerAdresIn(2)->click();
    in.OptionAnaloogA1A2In(2)->click();
    in.OptionAnaloogInGroterKleiner(2)->click();
    in.HScrollAnaloogIn->setValue(100);  // as a drag does
    in.CheckNetwerkIN->click();
    EXPECT_EQ(in.PanelAnaloogInWaarde->Caption(), "100");
    e.CommandOKConditie_Click();
    // Cell 2: module input 7 inverted, then the five-input Velleman card.
    e.CommandPanelConditie_Click(2);
    in.OptionWelkeInterfaceIn(3)->click();
    in.OptionDigInPoort(7)->click();
    in.OptionWaarOnwaarIngang(2)->click();
    in.OptionWelkeInterfaceIn(0)->click();
    EXPECT_TRUE(in.OptionDigInPoort.isSelected(1));
    e.CommandOKConditie_Click();
    // Cell 4: a clock at 07:05 on weekdays.
    e.CommandPanelConditie_Click(4);
    e.TabCondities->bar()->setCurrentIndex(1);
    for (int k = 0; k < 30; ++k) time.UpDownTijd(1)->upButton()->click();
    for (int k = 0; k < 5; ++k) time.UpDownTijd(2)->upButton()->click();
    time.CheckDagen(1)->click();
    time.CheckDagen(7)->click();
    e.CommandOKConditie_Click();
    // Cell 5: timer 5 not set. Cell 6: Not M5. Cell 7: variable B <= 100. Cell 8: F8.
    e.CommandPanelConditie_Click(5);
    e.TabCondities->bar()->setCurrentIndex(1);
    time.OptionTijdTimer(2)->click();
    time.OptionTimer(5)->click();
    time.OptionWaarOfOnwaarTimer(2)->click();
    e.CommandOKConditie_Click();
    e.CommandPanelConditie_Click(6);
    e.TabCondities->bar()->setCurrentIndex(2);
    mem.OptionGeheugen(5)->click();
    mem.OptionWaarOfOnwaarGeheugen(1)->click();
    e.CommandOKConditie_Click();
    e.CommandPanelConditie_Click(7);
    e.TabCondities->bar()->setCurrentIndex(2);
    mem.OptionGeheugenToetsenVariabele(3)->click();
    mem.OptionVariabele(2)->click();
    mem.OptionVarGroterKleiner(2)->click();
    mem.HScrollVariabele->setValue(100);
    e.CommandOKConditie_Click();
    e.CommandPanelConditie_Click(8);
    e.TabCondities->bar()->setCurrentIndex(2);
    mem.OptionGeheugenToetsenVariabele(2)->click();
    mem.OptionToetsen(8)->click();
    e.CommandOKConditie_Click();

    const std::vector<std::pair<int, ConditionRow>> rows = {
        {1, {1, 22, 2, 1100, 1, 0}}, {2, {1, 10, 11, 0, 0, 0}},  {4, {2, 1, 23, 5, 0, 62}}, {5, {2, 2, 2, 5, 0, 0}},
        {6, {3, 1, 5, 1, 0, 0}},     {7, {3, 3, 2, 1100, 0, 0}}, {8, {3, 2, 8, 0, 0, 0}}};
    std::vector<Lines> edited;
    for (auto& [i, row] : rows) {
        EXPECT_EQ(shared.Condities[i], row) << "cell " << i;
        edited.push_back(linesOf(i));
    }
    EXPECT_EQ(edited[0], (Lines{"Netw. Vell. Card Nr.", "2", "Analog IN A2", "<= 100"}));
    EXPECT_EQ(edited[2], (Lines{"MoTuWeThFr", "Day", "23:05:00", "Hour"}));

    const QString path = home.file("built.vpp");
    ASSERT_TRUE(SchrijfLadderOpDisk(path));
    WisLadderProgramma();
    ASSERT_TRUE(LeesLadderVanDisk(path));
    for (std::size_t k = 0; k < rows.size(); ++k) EXPECT_EQ(linesOf(rows[k].first), edited[k]) << rows[k].first;
}

// Each click writes its interface's exact code: a port option its own port,
// the module 40 whichever number option is chosen.
TEST_F(ConditionEditorTest, InterfaceAndNumberClicksWriteTheirInterfaceCodes) {
    e.CommandPanelConditie_Click(1);
    std::vector<int> codes;
    auto click = [&codes](QAbstractButton* option) {
        option->click();
        codes.push_back(shared.Condities[1][1]);
    };
    click(in.OptionKaartnummerAdresIn(2));
    click(in.OptionWelkeInterfaceIn(2));  // the port of the option still chosen
    click(in.OptionKaartnummerAdresIn(0));
    click(in.OptionKaartnummerAdresIn(1));
    click(in.OptionWelkeInterfaceIn(3));
    click(in.OptionKaartnummerAdresIn(2));
    click(in.OptionWelkeInterfaceIn(1));
    click(in.OptionWelkeInterfaceIn(4));
    click(in.OptionWelkeInterfaceIn(0));
    click(in.OptionKaartnummerAdresIn(3));
    click(in.OptionWelkeInterfaceIn(2));  // card 3 has no port: the first port
    EXPECT_EQ(codes, (std::vector<int>{12, 33, 31, 32, 40, 40, 22, 50, 10, 13, 31}));
}

TEST_F(ConditionEditorTest, EachWeekdayBoxReadsAndWritesItsOwnBitOfTheMask) {
    shared.Condities[4] = {2, 1, 8, 0, 0, 65};  // Sunday (bit 0) and Saturday (bit 6)
    e.CommandPanelConditie_Click(4);
    for (int d = 1; d <= 7; ++d) EXPECT_EQ(time.CheckDagen(d)->isChecked(), d == 1 || d == 7) << d;
    time.CheckDagen(2)->click();  // Monday
    EXPECT_EQ(shared.Condities[4][5], 67);
    EXPECT_EQ(linesOf(4)[0], "ZoMaZa");
}

// A new input condition is local, whatever the cell opened before was and
// whatever flag a hand-edited file left in an empty row.
TEST_F(ConditionEditorTest, ANewInputConditionTakesNoNetworkFlag) {
    shared.Condities[1] = {1, 31, 2, 0, 1, 0};
    shared.Condities[3] = {0, 0, 0, 0, 1, 0};
    for (int i : {1, 2, 3}) {
        e.CommandPanelConditie_Click(i);
        EXPECT_EQ(in.CheckNetwerkIN->isChecked(), i == 1) << i;
        e.CommandOKConditie_Click();
    }
    for (int i : {2, 3}) {
        EXPECT_EQ(shared.Condities[i], (ConditionRow{1, 10, 1, 0, 0, 0})) << i;
        EXPECT_EQ(linesOf(i)[0], "Velleman. Kaart Nr.") << i;
    }
}

TEST_F(ConditionEditorTest, OpeningIsRefusedWhileRunningOrAnotherEditorIsOpen) {
    shared.ProgrammaStatus = 1;
    e.CommandPanelConditie_Click(3);
    EXPECT_FALSE(openEditor.isOpen());
    shared.ProgrammaStatus = 2;  // a paused run does not stop editing...
    e.CommandPanelConditie_Click(3);
    EXPECT_EQ(openEditor.number, 3);
    CommandVoegConditieToe_Click(9);  // ...but adding a cell
    EXPECT_TRUE(ladderView.cell[9].addButtonVisible);
    e.CommandPanelConditie_Click(4);
    EXPECT_EQ(openEditor.number, 3);
    e.CommandOKConditie_Click();
    shared.ProgrammaStatus = 0;
    openEditor = OpenEditor{OpenEditor::Action, 0};  // the start-only row, BewerkNummer 0
    e.CommandPanelConditie_Click(4);
    EXPECT_EQ(openEditor.kind, OpenEditor::Action);
    EXPECT_EQ(shared.Condities[4][0], 0);
    EXPECT_EQ(dialogs.messages,
              (QStringList{"Het programma 'loopt' op dit moment, u moet het eerst stoppen.",
                           "Het programma 'loopt' op dit moment, u moet het eerst stoppen.",
                           "Sluit eerst het conditie bewerkings venster.", "Sluit eerst het conditie bewerkings venster."}));
}

TEST_F(ConditionEditorTest, LinkingDrawsWhatAFileReadDrawsAndSparesTheOpenCell) {
    for (int k = 4; k <= 6; ++k) shared.Condities[k] = {1, 10, 1, 0, 0, 0};
    CommandVoegConditieToe_Click(4);
    e.CommandPanelConditie_Click(5);
    CommandVoegConditieToeVertikaal_Click(3);  // the open cell lies in rung 2
    EXPECT_EQ(shared.Condities[5][0], 1);
    EXPECT_EQ(dialogs.messages, QStringList{"Sluit eerst het conditie bewerkings venster."});
    e.CommandOKConditie_Click();

    CommandVoegConditieToeVertikaal_Click(3);
    const LadderView linked = ladderView;
    ladderView = LadderView{};
    for (int k = 4; k <= 6; ++k) SetPanelConditieBijLezen(k);
    for (int k = 4; k <= 6; ++k) {
        EXPECT_EQ(shared.Condities[k], (ConditionRow{4, 0, 0, 0, 0, 0}));
        EXPECT_EQ(linked.cell[k].frameVisible, ladderView.cell[k].frameVisible);
        EXPECT_EQ(linked.cell[k].wireVisible, ladderView.cell[k].wireVisible);
        EXPECT_EQ(linked.cell[k].addButtonVisible, ladderView.cell[k].addButtonVisible);
        EXPECT_EQ(linesOf(k), (Lines{"", "", "", ""}));
    }
    EXPECT_TRUE(linked.cell[3].linkLineVisible && ladderView.cell[3].linkLineVisible);
    EXPECT_TRUE(linked.action[2].orWireVisible && ladderView.action[2].orWireVisible);
    EXPECT_FALSE(linked.action[2].supplyVisible || ladderView.action[2].supplyVisible);

    ladderView = linked;
    CommandVoegConditieToeVertikaal_Click(3);
    for (int k = 4; k <= 6; ++k) {
        EXPECT_EQ(shared.Condities[k], ConditionRow{});
        EXPECT_TRUE(ladderView.cell[k].addButtonVisible && ladderView.cell[k].wireVisible);
        EXPECT_FALSE(ladderView.cell[k].frameVisible);
    }
    EXPECT_FALSE(ladderView.cell[3].linkLineVisible);
    EXPECT_TRUE(ladderView.action[2].supplyVisible);
    EXPECT_FALSE(ladderView.action[2].orWireVisible);

    // A stored link in rung 1 has no rung above: nothing is drawn outside the ladder.
    shared.Condities[3] = {4, 0, 0, 0, 0, 0};
    SetPanelConditieBijLezen(3);
    CommandVoegConditieToeVertikaal_Click(0);
    CommandVoegConditieToeVertikaal_Click(270);
    EXPECT_FALSE(ladderView.cell[0].linkLineVisible);
}

TEST_F(ConditionEditorTest, AddingAndRemovingSetTheClearButtonPicture) {
    CommandVoegConditieToe_Click(7);
    EXPECT_EQ(ladderView.clearPicture, "BtnWissen.bmp");
    EXPECT_TRUE(ladderView.cell[7].frameVisible);
    EXPECT_EQ(shared.Condities[7][0], 0);
    shared.Condities[7] = {1, 22, 2, 1100, 0, 0};
    e.CommandPanelConditie_Click(7);
    e.CommandVerwijderConditie_Click();
    EXPECT_EQ(shared.Condities[7], ConditionRow{});
    EXPECT_FALSE(openEditor.isOpen());
    EXPECT_EQ(shared.BewerkNummer, 0);
    EXPECT_TRUE(ladderView.cell[7].addButtonVisible);
    EXPECT_FALSE(ladderView.cell[7].frameVisible);
    EXPECT_EQ(linesOf(7), (Lines{"", "", "", ""}));
    EXPECT_EQ(ladderView.clearPicture, "BtnWissenLeeg.bmp");

    shared.Acties[3][0] = 1;  // an action keeps the picture
    ladderView.clearPicture = "BtnWissen.bmp";
    CommandVoegConditieToe_Click(8);
    e.CommandPanelConditie_Click(8);
    e.CommandVerwijderConditie_Click();
    EXPECT_EQ(ladderView.clearPicture, "BtnWissen.bmp");
}

TEST_F(ConditionEditorTest, TabsResetOnlyForAnotherKind) {
    e.CommandPanelConditie_Click(10);
    e.TabCondities->bar()->setCurrentIndex(1);
    EXPECT_EQ(shared.Condities[10], (ConditionRow{2, 1, 0, 0, 0, 127}));
    EXPECT_EQ(linesOf(10), (Lines{"Zo Ma Di Wo Do Vr Za", "Dag", "00:00:00", "Uur"}));
    EXPECT_EQ(e.TabCondities->front(), &time);
    time.UpDownTijd(3)->upButton()->click();
    e.TabCondities_Click(1);  // the tab of the kind it has
    EXPECT_EQ(shared.Condities[10][4], 1);
    e.TabCondities->bar()->setCurrentIndex(2);
    EXPECT_EQ(shared.Condities[10], (ConditionRow{3, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(time.OptionTijdTimer.isSelected(1));
    mem.OptionGeheugenToetsenVariabele(1)->click();  // already memory: no reset to M0 again
    e.TabCondities->bar()->setCurrentIndex(0);
    EXPECT_EQ(shared.Condities[10], (ConditionRow{1, 10, 1, 0, 0, 0}));
    EXPECT_EQ(linesOf(10), (Lines{"Velleman. Kaart Nr.", "0", "Digitaal IN", "1"}));
    e.CommandOKConditie_Click();
    EXPECT_EQ(ladderView.cell[10].lines[0].backColor, 0x80FFFF);
}

TEST_F(ConditionEditorTest, RowsAFileCannotHoldAreShownAsNothingAndKept) {
    const std::vector<ConditionRow> damaged = {{1, 10, 9, 0, 0, 0},   {1, 22, 3, 5000, 1, 0},  {1, 41, 17, 0, 0, 0},
                                               {1, 99, 1, 0, 7, 0},   {2, 1, 25, 70, -1, 300}, {2, 2, 3, 9, 0, 0},
                                               {2, 5, 0, 0, 0, 0},    {3, 1, 9, 2, 0, 0},      {3, 2, 0, 0, 0, 0},
                                               {3, 3, 5, 3000, 0, 0}, {3, 7, 0, 0, 0, 0}};
    for (const ConditionRow& row : damaged) {
        SCOPED_TRACE(::testing::PrintToString(row));
        shared.Condities[12] = row;
        e.CommandPanelConditie_Click(12);
        ASSERT_EQ(openEditor.number, 12);
        EXPECT_EQ(shared.Condities[12], row);
        e.CommandOKConditie_Click();
        EXPECT_EQ(shared.Condities[12], row);
    }
    shared.Condities[12] = {1, 10, 9, 0, 0, 0};
    e.CommandPanelConditie_Click(12);
    EXPECT_FALSE(in.OptionDigInPoort.selected().has_value());
    e.CommandOKConditie_Click();
    for (Integer kind : {Integer(4), Integer(5), Integer(-1)}) {
        shared.Condities[12] = {kind, 0, 0, 0, 0, 0};
        e.CommandPanelConditie_Click(12);
        EXPECT_FALSE(openEditor.isOpen());
    }
}

TEST_F(ConditionEditorTest, ARowThePanelsCannotShowShowsNoChoiceAnEarlierCellLeft) {
    // Cell 12 first shows a valid row with choices of its own, then a row the panel cannot show.
    auto openAfter = [this](const ConditionRow& earlier, const ConditionRow& row) {
        e.CommandOKConditie_Click();
        shared.Condities[12] = earlier;
        e.CommandPanelConditie_Click(12);
        e.CommandOKConditie_Click();
        shared.Condities[12] = row;
        e.CommandPanelConditie_Click(12);
        EXPECT_EQ(shared.Condities[12], row);
    };
    openAfter({3, 3, 2, 1120, 0, 0}, {3, 3, 2, 3000, 0, 0});
    EXPECT_FALSE(mem.OptionVarGroterKleiner.selected());
    EXPECT_EQ(mem.HScrollVariabele->value(), 0);
    EXPECT_EQ(mem.PanelWaardeVariabele->Caption(), "");
    openAfter({3, 2, 5, 0, 0, 0}, {3, 7, 0, 0, 0, 0});
    EXPECT_FALSE(mem.OptionGeheugenToetsenVariabele.selected());
    EXPECT_FALSE(mem.OptionToetsen.selected());
    EXPECT_FALSE(mem.OptionToetsen.isEnabled(5));
    // The next row at the bar's place shows its value again.
    openAfter({3, 7, 0, 0, 0, 0}, {3, 3, 1, 0, 0, 0});
    EXPECT_EQ(mem.PanelWaardeVariabele->Caption(), "0");

    openAfter({2, 1, 7, 5, 9, 2 + 8}, {2, 3, 0, 0, 0, 0});
    EXPECT_FALSE(time.OptionTijdTimer.selected());
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(time.CheckDagen(d)->isChecked()) << d;
    EXPECT_EQ(time.PanelTijd(2)->Caption(), "");
    EXPECT_FALSE(time.UpDownTijd(1)->isEnabled());
    openAfter({2, 2, 2, 5, 0, 0}, {2, 3, 0, 0, 0, 0});
    EXPECT_FALSE(time.OptionTimer.selected());
    EXPECT_FALSE(time.OptionWaarOfOnwaarTimer.selected());
    time.OptionTijdTimer(1)->click();  // a choice of the user's makes it a clock row
    EXPECT_EQ(shared.Condities[12], (ConditionRow{2, 1, 0, 0, 0, 127}));
    openAfter({2, 1, 7, 5, 9, 127}, {2, 1, 30, 5, 9, 127});
    EXPECT_EQ(time.PanelTijd(1)->Caption(), "");
    EXPECT_EQ(time.UpDownTijd(1)->value(), 0);
    EXPECT_EQ(time.PanelTijd(2)->Caption(), "5");

    openAfter({1, 22, 2, 1120, 1, 0}, {1, 99, 2, 1120, 7, 0});
    EXPECT_FALSE(in.OptionWelkeInterfaceIn.selected());
    EXPECT_FALSE(in.OptionKaartnummerAdresIn.selected());
    EXPECT_FALSE(in.OptionAnaloogA1A2In.selected());
    EXPECT_FALSE(in.OptionAnaloogInGroterKleiner.selected());
    EXPECT_EQ(in.PanelAnaloogInWaarde->Caption(), "");
    EXPECT_FALSE(in.CheckNetwerkIN->isChecked());
    openAfter({1, 22, 2, 1120, 0, 0}, {1, 22, 2, 5000, 0, 0});
    EXPECT_FALSE(in.OptionAnaloogInGroterKleiner.selected());
    EXPECT_EQ(in.HScrollAnaloogIn->value(), 0);
    EXPECT_EQ(in.PanelAnaloogInWaarde->Caption(), "");
    openAfter({1, 22, 2, 5000, 0, 0}, {1, 20, 1, 0, 0, 0});
    EXPECT_EQ(in.PanelAnaloogInWaarde->Caption(), "0");
    // An input the interface lacks shows none, with the sense the row reads as: a click on an input writes it.
    openAfter({1, 10, 3, 0, 0, 0}, {1, 10, 19, 0, 0, 0});
    EXPECT_FALSE(in.OptionDigInPoort.selected());
    EXPECT_TRUE(in.OptionWaarOnwaarIngang.isSelected(2));
    in.OptionDigInPoort(2)->click();
    EXPECT_EQ(shared.Condities[12], (ConditionRow{1, 10, 12, 0, 0, 0}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ConditionEditorTest, TheRungTableShowsTheRawRowsOfTheChosenRung) {
    CommandVoegConditieToeVertikaal_Click(3);
    shared.Acties[0] = {1, 31, 1, 9, 0, 0, 0, 0, 0, 0};
    e.HScroll1->setValue(2);
    EXPECT_EQ(e.PanelAktieveConditieActie->Caption(), "2");
    e.CommandVervers_Click();
    for (int k = 1; k <= 18; ++k)
        EXPECT_EQ(e.PanelConditieIntegerITG(k)->Caption(), (k == 1 || k == 7 || k == 13) ? "4" : "0") << k;
    e.HScroll1->setValue(0);  // the start-only row: the condition panels stay
    e.CommandVervers_Click();
    EXPECT_EQ(e.PanelActieIntegerITG(2)->Caption(), "31");
    EXPECT_EQ(e.PanelConditieIntegerITG(1)->Caption(), "4");
    // A number too wide for its cell shrinks there; the next short one is back at the table's size.
    const QFont tableFont = e.PanelActieIntegerITG(2)->font();
    shared.Acties[0][3] = -32768;
    e.CommandVervers_Click();
    EXPECT_LT(e.PanelActieIntegerITG(4)->font().pointSizeF(), tableFont.pointSizeF());
    shared.Acties[0][3] = 9;
    e.CommandVervers_Click();
    EXPECT_EQ(e.PanelActieIntegerITG(4)->font(), tableFont);
}

void moveOver(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

TEST_F(ConditionEditorTest, InterfaceOptionsAndHeadingsShowTheExplanatoryPicture) {
    std::vector<std::string> calls;
    explanatoryPicture.show = [&](int group, int item) { calls.push_back(std::to_string(group) + "," + std::to_string(item)); };
    explanatoryPicture.hide = [&] { calls.push_back("hide"); };
    moveOver(in.OptionWelkeInterfaceIn(3), {5, 5});
    moveOver(&in, {178, 470});            // the panel's bare background
    moveOver(in.CheckNetwerkIN, {3, 3});  // a control on it: no hiding
    moveOver(time.SSPanel31, {5, 5});
    moveOver(mem.SSPanel41, {5, 5});
    moveOver(&mem, {178, 470});  // not a hiding surface
    e.CommandPanelConditie_Click(1);
    e.CommandOKConditie_Click();
    explanatoryPicture = {};
    EXPECT_EQ(calls, (std::vector<std::string>{"1,3", "hide", "2,2", "3,3", "hide"}));
}

TEST_F(ConditionEditorTest, ScreenshotsOfEveryTabInBothLanguages) {
    const QString folder = QCoreApplication::applicationDirPath() + "/../screenshots";
    QDir().mkpath(folder);
    QWidget window;
    window.resize(190, 700);
    auto* header = new Panel3D(&window);
    auto* controls = new QWidget(&window);
    e.placeIn(&window, QRect(2, 2, 185, 690), {header, controls});
    window.show();
    for (bool english : {false, true}) {
        shared.TaalVlag = english;
        e.caption();
        shared.Condities[20] = {1, 21, 2, 1040, 1, 0};
        shared.Condities[21] = {2, 1, 7, 30, 0, 62};
        shared.Condities[22] = {3, 3, 2, 2100, 0, 0};
        for (int tab = 0; tab < 3; ++tab) {
            e.CommandPanelConditie_Click(20 + tab);
            const QImage shot = window.grab().toImage();
            const QString name =
                QStringLiteral("%1/condition-editor-tab%2-%3.png").arg(folder).arg(tab).arg(english ? "en" : "nl");
            EXPECT_TRUE(shot.save(name));
            EXPECT_EQ(e.TabCondities->tabCaption(0), english ? "Inputs" : "Ingangen");
            e.CommandOKConditie_Click();
        }
    }
    EXPECT_FALSE(controls->isHidden());
    e.placeIn(nullptr, {}, {});
}

}  // namespace
