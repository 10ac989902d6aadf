// The action editor's frame: opening, choosing the kind, OK and delete, the
// one-editor rule, adding rows, and a round trip over every valid row.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "ActionCaptions.h"
#include "ActionEditorFixture.h"
#include "ActionRows.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {

using Row = std::array<Integer, kActionColumns>;

std::vector<Row> everyValidRow() {
    std::vector<Row> rows;
    for (int code : {10, 11, 12, 13, 31, 32, 33, 40, 41, 42, 43, 50})
        for (int op = 1; op <= 3; ++op)
            for (int out = 1; out <= 9; ++out)
                for (int net = 0; net <= 1; ++net) rows.push_back({1, Integer(code), Integer(op), Integer(out), Integer(net)});
    for (int code = 20; code <= 23; ++code)
        for (int ch = 1; ch <= 2; ++ch)
            for (int value : {0, 255, 1000, 1255, 2000, 2255})
                for (int net = 0; net <= 1; ++net)
                    for (int won = 0; won <= 1; ++won)
                        rows.push_back({1, Integer(code), Integer(ch), Integer(value), Integer(net), Integer(won)});
    for (int p : {0, 5999, 6000}) rows.push_back({2, 1, Integer(p), 0, 150, 5999, 6000, 1, Integer(p), 99});
    for (int op = 1; op <= 2; ++op)
        for (int t = 0; t <= 7; ++t) rows.push_back({2, 2, Integer(op), Integer(t)});
    for (int op = 1; op <= 2; ++op)
        for (int m = 0; m <= 7; ++m) rows.push_back({3, 1, Integer(op), Integer(m)});
    for (int v = 1; v <= 3; ++v)
        for (int op = 1; op <= 3; ++op)
            for (int value : {0, 7, 255}) rows.push_back({3, 2, Integer(v), Integer(op), Integer(value)});
    rows.push_back({4});
    return rows;
}

struct Look {
    Lines lines;
    std::vector<VbColor> colours;
    bool operator==(const Look&) const = default;
};

Look lookOf(int r) {
    Look look{captionsOf(r), {}};
    const ActionRowView& cell = ladderView.action[std::size_t(r)];
    look.colours.push_back(cell.frameColor);
    for (const auto& line : cell.lines) look.colours.push_back(line.backColor);
    look.colours.push_back(cell.lines[0].foreColor);
    return look;
}

void PrintTo(const Look& look, std::ostream* os) {
    for (const auto& l : look.lines) *os << '"' << l << "\" ";
    for (VbColor c : look.colours) *os << std::hex << c << ' ';
}

std::string describe(const Row& row) {
    std::string s;
    for (Integer v : row) s += std::to_string(v) + " ";
    return s;
}

}  // namespace

TEST_F(ActionEditorFixture, EveryValidRowSurvivesOpenAndOkAndEndsAsAFileReadDrawsIt) {
    QDir(home.path()).mkpath("geluid");
    home.write("geluid/bel.wav", "RIFF");
    for (bool english : {false, true}) {
        language(english);
        for (int r : {0, 7}) {
            for (const Row& row : everyValidRow()) {
                shared.Acties[std::size_t(r)] = row;
                shared.GeluidMappen[std::size_t(r)] = home.file("geluid");
                shared.GeluidBestanden[std::size_t(r)] = "bel.wav";
                ladderView.action[std::size_t(r)] = ActionRowView{};  // as a cleared ladder holds it
                SetPanelActieBijLezen(r);
                const Look read = lookOf(r);
                open(r);
                ASSERT_EQ(openEditor.kind, OpenEditor::Action) << describe(row);
                ok();
                EXPECT_EQ(shared.Acties[std::size_t(r)], row) << describe(row);
                EXPECT_EQ(lookOf(r), read) << describe(row) << (english ? " en" : " nl");
                EXPECT_EQ(shared.BewerkNummer, 0);
            }
        }
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

TEST_F(ActionEditorFixture, AHandEditedRowIsShownWithoutBeingWrittenBack) {
    const Row rows[] = {
        {1, 10, 4, 1},     {1, 10, 1, 10},         {1, 21, 3, 120},
        {1, 21, 1, 256},   {1, 20, 1, 1300, 7, 5}, {2, 1, 6001, 0, 0, 0, 0, 0, 0, 7000},
        {2, 1, -5},        {2, 2, 3, 9},           {3, 1, 3, 8},
        {3, 2, 4, 5, 300},
    };
    for (const Row& row : rows) {
        shared.Acties[5] = row;
        open(5);
        ok();
        EXPECT_EQ(shared.Acties[5], row) << describe(row);
    }
    // A kind outside 0..4 does not open the editor.
    shared.Acties[5] = {9, 1, 1};
    open(5);
    EXPECT_FALSE(openEditor.isOpen());
    EXPECT_FALSE(editor->TabActies->isVisible() && window->isVisible());
    EXPECT_EQ(shared.Acties[5], (Row{9, 1, 1}));
}

TEST_F(ActionEditorFixture, ARowThePanelsCannotShowShowsNoChoiceAnEarlierRowLeft) {
    // Row 5 first shows a valid row with choices of its own, then a row the panel cannot show.
    auto openAfter = [this](const Row& earlier, const Row& row) {
        ok();
        shared.Acties[5] = earlier;
        open(5);
        ok();
        shared.Acties[5] = row;
        open(5);
        EXPECT_EQ(shared.Acties[5], row) << describe(row);
    };
    openAfter({1, 21, 2, 1120, 1}, {1, 99, 2, 1120, 7});
    for (OptionGroup* group : {&output->OptionWelkeInterfaceUit, &output->OptionKaartnummerAdresUit,
                               &output->OptionAnaloogA1A2Uit, &output->OptionAnaloogUitGroterKleinerGelijk})
        EXPECT_FALSE(group->selected());
    EXPECT_FALSE(output->OptionAnaloogA1A2Uit.isEnabled(2));
    EXPECT_EQ(output->PanelAnaloogUitWaarde->Caption(), "");
    EXPECT_FALSE(output->CheckNetwerkUIT->isChecked());
    openAfter({1, 21, 2, 1120}, {1, 21, 2, 3000});
    EXPECT_FALSE(output->OptionAnaloogUitGroterKleinerGelijk.selected());
    EXPECT_EQ(output->HScrollAnaloogUit->value(), 0);
    EXPECT_EQ(output->PanelAnaloogUitWaarde->Caption(), "");
    // The next row at the bar's place shows its value again.
    openAfter({1, 21, 2, 3000}, {1, 21, 2, 0});
    EXPECT_EQ(output->PanelAnaloogUitWaarde->Caption(), "0");

    openAfter({2, 2, 2, 4}, {2, 5});
    for (OptionGroup* group :
         {&timers->OptionPresetSetResetTimer, &timers->OptionActieSetOfResetTimer, &timers->OptionActieTimerNummer})
        EXPECT_FALSE(group->selected());
    EXPECT_FALSE(timers->OptionActieTimerNummer.isEnabled(4));
    openAfter({2, 1, 0, 0, 0, 250}, {2, 1, 0, 0, 0, 7000});
    EXPECT_EQ(timers->HScrollPresetTimer(3)->value(), 0);
    EXPECT_EQ(timers->PanelPresetTimer(3)->Caption(), "");
    openAfter({2, 1, 0, 0, 0, 7000}, {2, 2, 1, 0});
    EXPECT_EQ(timers->PanelPresetTimer(3)->Caption(), "0.00 sec.");

    openAfter({3, 2, 2, 3, 120}, {3, 5, 2, 3, 120});
    for (OptionGroup* group :
         {&memory->OptionSRGeheugenVVSVariabele, &memory->OptionActieVariabele, &memory->OptionVariabeleUitGroterKleinerGelijk})
        EXPECT_FALSE(group->selected());
    EXPECT_FALSE(memory->OptionActieVariabele.isEnabled(2));
    EXPECT_EQ(memory->PanelHScrollActieVariableABC->Caption(), "");
    memory->OptionSRGeheugenVVSVariabele(1)->click();  // a choice of the user's makes it a memory row
    EXPECT_EQ(shared.Acties[5], (Row{3, 1, 1, 0, 120}));
    openAfter({3, 2, 2, 3, 120}, {3, 2, 2, 3, 300});
    EXPECT_EQ(memory->HScrollActieVariableABC->value(), 0);
    EXPECT_EQ(memory->PanelHScrollActieVariableABC->Caption(), "");
    openAfter({3, 2, 2, 3, 300}, {3, 2, 2, 3, 0});
    EXPECT_EQ(memory->PanelHScrollActieVariableABC->Caption(), "0");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ActionEditorFixture, AValueBoxEmptiedForARowThePanelCannotShowShowsItsBarAgainAtTheNextChoice) {
    // Row 5 holds a value its bar cannot show; its box is empty until the user goes on.
    auto openUnshowableThen = [this](const Row& unshowable, const Row& next) {
        shared.Acties[5] = unshowable;
        open(5);
        ok();
        shared.Acties[6] = next;
        open(6);
    };
    // Memory then "Aanpassen variable": the bar stands at 0 already, as the empty box left it.
    openUnshowableThen({3, 2, 2, 3, 300}, {3, 1, 1, 4});
    EXPECT_EQ(memory->PanelHScrollActieVariableABC->Caption(), "0");
    memory->OptionSRGeheugenVVSVariabele(2)->click();
    EXPECT_EQ(memory->PanelHScrollActieVariableABC->Caption(), "0");
    EXPECT_EQ(captionsOf(6)[3], "0");
    ok();
    // Another kind and back on the unshowable row itself.
    shared.Acties[6] = {3, 2, 2, 3, 300};
    open(6);
    chooseTab(0);
    chooseTab(2);
    EXPECT_EQ(memory->PanelHScrollActieVariableABC->Caption(), "0");
    ok();

    // Presets after a start row: every timer's box shows its bar's preset.
    openUnshowableThen({2, 1, 0, 0, 0, 7000}, {2, 2, 1, 4});
    timers->OptionPresetSetResetTimer(1)->click();
    EXPECT_EQ(timers->PanelPresetTimer(3)->Caption(), "0.00 sec.");
    ok();

    // On the unshowable analog row itself: a mode chosen writes the bar's value into the row, and the box shows it.
    shared.Acties[6] = {1, 21, 2, 3000};
    open(6);
    EXPECT_EQ(output->PanelAnaloogUitWaarde->Caption(), "");
    output->OptionAnaloogUitGroterKleinerGelijk(2)->click();
    EXPECT_EQ(shared.Acties[6], (Row{1, 21, 2, 1000}));
    EXPECT_EQ(output->PanelAnaloogUitWaarde->Caption(), "0");
}

TEST_F(ActionEditorFixture, OpeningAnEmptyCellMakesTheDefaultOutput) {
    open(7);
    EXPECT_EQ(shared.Acties[7], (Row{1, 10, 1, 1}));
    EXPECT_EQ(captionsOf(7), (Lines{"Velleman. Kaart Nr.", "0", "Digitaal UIT", "Set 1"}));
    EXPECT_EQ(header->Caption(), "Actie");
    EXPECT_EQ(header->BackColor(), 0xFFC0C0u);
    EXPECT_TRUE(controlPanel->isHidden());
    EXPECT_EQ(ladderView.action[7].frameColor, 0x808080u);
    ok();
    EXPECT_EQ(ladderView.action[7].frameColor, 0xFFC0C0u);
    EXPECT_EQ(header->Caption(), "Beheer");
    EXPECT_FALSE(controlPanel->isHidden());
    EXPECT_FALSE(openEditor.isOpen());
}

TEST_F(ActionEditorFixture, OneEditorAtATimeTheStartRowIncluded) {
    shared.TaalVlag = true;
    open(0);
    open(7);
    EXPECT_EQ(dialogs.messages, QStringList{"Please close the action edit window first."});
    EXPECT_EQ(openEditor.number, 0);
    EXPECT_EQ(shared.Acties[7][0], 0);
    ok();
    openEditor = {OpenEditor::Condition, 12};
    open(0);
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(shared.Acties[0][0], 1);  // row 0 kept what the first edit made of it
    openEditor = {};
    shared.ProgrammaStatus = 1;  // opening during a run is allowed
    open(3);
    EXPECT_EQ(openEditor.number, 3);
}

TEST_F(ActionEditorFixture, ThePanelsWriteOnlyARowOpenInTheActionEditor) {
    // BewerkNummer 0 means "no editor" as well as the start-only row; and
    // while a condition cell is open it numbers that cell, not an action row.
    QDir(home.path()).mkpath("geluid");
    for (OpenEditor other : {OpenEditor{}, OpenEditor{OpenEditor::Condition, 5}}) {
        openEditor = other;
        shared.BewerkNummer = Integer(other.number);
        output->OptionWelkeInterfaceUit(2)->click();
        memory->ResetPanelActieBewerkGehVar();
        sound->openFolder(home.file("geluid"));
        for (int r : {0, 5}) {
            EXPECT_EQ(shared.Acties[std::size_t(r)], Row{}) << r;
            EXPECT_TRUE(shared.GeluidMappen[std::size_t(r)].isEmpty()) << r;
            EXPECT_EQ(captionsOf(r), Lines(4, "")) << r;
        }
    }
}

TEST_F(ActionEditorFixture, ChoosingAKindWritesOnlyOnARealChange) {
    shared.Acties[4] = {1, 21, 2, 1150, 1, 1};
    open(4);
    // The output tab is already chosen: nothing changes, the flags stay.
    chooseTab(0);
    EXPECT_EQ(shared.Acties[4], (Row{1, 21, 2, 1150, 1, 1}));
    chooseTab(1);
    EXPECT_EQ(shared.Acties[4], (Row{2, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(captionsOf(4), (Lines{"0.00 sec.", "", "Preset Timer", "T0"}));
    chooseTab(0);
    EXPECT_EQ(shared.Acties[4], (Row{1, 10, 1, 1, 0, 0, 0, 0, 0, 0}));
    chooseTab(2);
    EXPECT_EQ(shared.Acties[4], (Row{3, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(captionsOf(4), (Lines{"Geheugen", "", "Set", "M0"}));
    chooseTab(3);
    EXPECT_EQ(shared.Acties[4][0], 4);
    EXPECT_EQ(captionsOf(4), (Lines{"", "", "Speel geluid", ""}));
    ok();
    EXPECT_EQ(dialogs.messages, QStringList{"U heeft geen geluidsbestand geselecteerd."});
    EXPECT_EQ(shared.Acties[4][0], 4);
}

TEST_F(ActionEditorFixture, DeleteAddAndTheStartRow) {
    shared.GeluidMappen[12] = "/geluid";
    shared.GeluidBestanden[12] = "bel.wav";
    ladderView.action[12].addButtonVisible = false;
    ladderView.action[12].frameVisible = true;
    shared.Acties[12] = {4};
    ladderView.clearPicture = "BtnWissen.bmp";
    open(12);
    dialogs.messages.clear();
    editor->CommandVerwijderActie_Click();
    EXPECT_EQ(shared.Acties[12], Row{});
    EXPECT_EQ(shared.GeluidMappen[12], "/geluid");
    EXPECT_EQ(shared.GeluidBestanden[12], "bel.wav");
    EXPECT_FALSE(ladderView.action[12].frameVisible);
    EXPECT_TRUE(ladderView.action[12].addButtonVisible);
    EXPECT_EQ(captionsOf(12), (Lines{"", "", "", ""}));
    EXPECT_EQ(ladderView.clearPicture, "BtnWissenLeeg.bmp");
    EXPECT_FALSE(openEditor.isOpen());

    // Adding is refused during a run and during a pause; the start row's button never is.
    for (Integer status : {Integer(1), Integer(2)}) {
        shared.ProgrammaStatus = status;
        CommandVoegActieToe_Click(7);
        EXPECT_TRUE(ladderView.action[7].addButtonVisible);
        EXPECT_FALSE(ladderView.action[7].frameVisible);
        CommandInitialiseer_Click();
        EXPECT_TRUE(ladderView.action[0].frameVisible);
        ladderView.action[0].frameVisible = false;
    }
    EXPECT_EQ(dialogs.messages, QStringList(2, "Het programma 'loopt' op dit moment, u moet het eerst stoppen."));
    shared.ProgrammaStatus = 0;
    CommandVoegActieToe_Click(7);
    EXPECT_TRUE(ladderView.action[7].frameVisible);
    EXPECT_FALSE(ladderView.action[7].addButtonVisible);
    EXPECT_EQ(ladderView.clearPicture, "BtnWissen.bmp");

    // Row 0 keeps no add button after its delete.
    CommandInitialiseer_Click();
    open(0);
    editor->CommandVerwijderActie_Click();
    EXPECT_FALSE(ladderView.action[0].frameVisible);
    EXPECT_FALSE(ladderView.action[0].addButtonVisible);
}

TEST_F(ActionEditorFixture, ScreenshotsOfEveryTabInBothLanguages) {
    const QString folder = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(folder);
    window->show();
    sound->showProgramFolder();
    const Row rows[] = {{1, 21, 2, 1150, 1, 1}, {2, 1, 250, 6000}, {3, 2, 2, 3, 40}, {4}};
    for (bool english : {false, true}) {
        language(english);
        for (int tab = 0; tab < 4; ++tab) {
            shared.Acties[9] = rows[tab];
            open(9);
            EXPECT_EQ(editor->TabActies->current(), tab);
            const QString file = QString("%1/action-editor-tab%2-%3.png").arg(folder).arg(tab).arg(english ? "en" : "nl");
            EXPECT_TRUE(window->grab().save(file));
            ok();
        }
    }
    EXPECT_EQ(editor->TabActies->tabCaption(2), "Memory Variables");
    EXPECT_EQ(editor->TabActies->tabCaption(1), "Timers");
}
