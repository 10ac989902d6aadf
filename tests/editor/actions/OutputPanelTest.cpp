// The edit panels through a user's clicks: the output panel's interface
// switches, and the timers and memory/variable panels' faces.
#include "ActionEditorFixture.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {

using Row = std::array<Integer, kActionColumns>;

void click(OptionGroup& group, int index) { group(index)->click(); }

}  // namespace

TEST_F(ActionEditorFixture, InterfaceSwitchesBetweenDigitalAnalogPortsAndModules) {
    shared.Acties[3] = {1, 13, 1, 4};
    open(3);
    click(output->OptionWelkeInterfaceUit, 2);  // card 3 to the parallel port
    EXPECT_EQ(output->OptionKaartnummerAdresUit.caption(3), "");
    EXPECT_FALSE(output->OptionKaartnummerAdresUit.isEnabled(3));
    EXPECT_TRUE(output->OptionKaartnummerAdresUit.isSelected(0));
    EXPECT_EQ(output->OptionKaartnummerAdresUit.caption(2), "3BC");
    EXPECT_EQ(shared.Acties[3][1], 31);
    EXPECT_EQ(captionsOf(3), (Lines{"Parallelle Poort Nr.", "378", "Digitaal UIT", "Set 4"}));

    click(output->OptionKaartnummerAdresUit, 2);
    click(output->OptionWelkeInterfaceUit, 3);  // the module while option 2 was chosen
    EXPECT_EQ(shared.Acties[3][1], 40);
    EXPECT_EQ(captionsOf(3)[1], "0");
    EXPECT_TRUE(output->OptionKaartnummerAdresUit.isSelected(0));
    click(output->OptionKaartnummerAdresUit, 1);
    EXPECT_EQ(shared.Acties[3][1], 41);
    EXPECT_EQ(captionsOf(3)[1], "1");

    output->CheckNetwerkUIT->click();
    click(output->OptionWelkeInterfaceUit, 4);  // the Arduino, over the network
    EXPECT_EQ(shared.Acties[3][1], 50);
    EXPECT_EQ(shared.Acties[3][4], 1);
    EXPECT_EQ(captionsOf(3), (Lines{"Netw. Arduino", "0", "Digitaal UIT", "Set 4"}));

    click(output->OptionSetResetDigUitPoort, 3);
    click(output->OptionDigUitPoort, 9);
    click(output->OptionWelkeInterfaceUit, 0);
    EXPECT_EQ(captionsOf(3), (Lines{"Netw. Vell. Kaart Nr.", "0", "Digitaal UIT", "Imp All"}));

    // Digital output 5 to the analog card: the value starts at "= 0".
    click(output->OptionDigUitPoort, 5);
    click(output->OptionAnaloogA1A2Uit, 2);  // disabled for the user: nothing changes
    click(output->OptionWelkeInterfaceUit, 1);
    EXPECT_EQ(shared.Acties[3], (Row{1, 20, 1, 0, 1, 0}));
    EXPECT_EQ(captionsOf(3), (Lines{"Netw. Vell. Kaart Nr.", "0", "Ana. UIT A1", "= 0"}));
    click(output->OptionAnaloogA1A2Uit, 2);
    click(output->OptionAnaloogUitGroterKleinerGelijk, 2);
    output->HScrollAnaloogUit->setValue(120);
    EXPECT_EQ(shared.Acties[3][3], 1120);
    EXPECT_EQ(output->PanelAnaloogUitWaarde->Caption(), "120");
    output->HScrollAnaloogUit->setValue(255);
    EXPECT_EQ(captionsOf(3), (Lines{"Netw. Vell. Kaart Nr.", "0", "Ana. UIT A2", "+ 255"}));
    output->CheckWOL->click();
    EXPECT_EQ(shared.Acties[3], (Row{1, 20, 2, 1255, 1, 1}));
    EXPECT_EQ(ladderView.action[3].lines[0].backColor, 0x404040u);
    EXPECT_EQ(ladderView.action[3].lines[0].foreColor, 0xE0E0E0u);

    // Back to digital: Set 1, the "Wacht Op Niet" box cleared and greyed.
    click(output->OptionWelkeInterfaceUit, 0);
    EXPECT_EQ(shared.Acties[3], (Row{1, 10, 1, 1, 1, 0}));
    EXPECT_EQ(captionsOf(3), (Lines{"Netw. Vell. Kaart Nr.", "0", "Digitaal UIT", "Set 1"}));
    EXPECT_FALSE(output->CheckWOL->isChecked());
    EXPECT_FALSE(output->CheckWOL->isEnabled());
    EXPECT_EQ(ladderView.action[3].lines[0].backColor, 0xC0C0C0u);
}

TEST_F(ActionEditorFixture, FillingShowsTheRowAndEnglishTexts) {
    language(true);
    shared.Acties[6] = {1, 21, 2, 1150, 1, 1};
    open(6);
    EXPECT_TRUE(output->OptionKaartnummerAdresUit.isSelected(1));
    EXPECT_TRUE(output->OptionAnaloogA1A2Uit.isSelected(2));
    EXPECT_TRUE(output->OptionAnaloogUitGroterKleinerGelijk.isSelected(2));
    EXPECT_EQ(output->HScrollAnaloogUit->value(), 150);
    EXPECT_EQ(output->PanelAnaloogUitWaarde->Caption(), "150");
    EXPECT_TRUE(output->CheckNetwerkUIT->isChecked());
    EXPECT_TRUE(output->CheckWOL->isChecked());
    click(output->OptionAnaloogA1A2Uit, 1);
    click(output->OptionAnaloogA1A2Uit, 2);
    EXPECT_EQ(captionsOf(6)[2], "Ana. OUT A2");
    ok();

    shared.Acties[6] = {1, 32, 1, 2};
    open(6);
    output->CheckNetwerkUIT->click();
    EXPECT_EQ(captionsOf(6)[0], "Netw. Par. Port Nr.");
    EXPECT_EQ(shared.Acties[6][4], 1);
    click(output->OptionSetResetDigUitPoort, 2);
    click(output->OptionDigUitPoort, 9);
    EXPECT_EQ(captionsOf(6)[3], "Res All");
    EXPECT_EQ(output->CheckNetwerkUIT->text(), "Network");
}

TEST_F(ActionEditorFixture, TimerPresetsAndStartOrReset) {
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    open(2);
    chooseTab(1);
    timers->HScrollPresetTimer(3)->setValue(250);
    EXPECT_EQ(shared.Acties[2][5], 250);
    EXPECT_EQ(timers->PanelPresetTimer(3)->Caption(), "2,50 sec.");
    EXPECT_EQ(captionsOf(2), (Lines{"2,50 sec.", "", "Preset Timer", "T3"}));
    timers->HScrollPresetTimer(0)->setValue(6000);
    EXPECT_EQ(captionsOf(2)[0], "1 Min.");
    timers->HScrollPresetTimer(0)->setValue(5999);
    EXPECT_EQ(captionsOf(2)[0], "59,99 sec.");

    click(timers->OptionPresetSetResetTimer, 2);
    EXPECT_EQ(shared.Acties[2], (Row{2, 2, 1, 0, 0, 250, 0, 0, 0, 0}));
    EXPECT_EQ(captionsOf(2), (Lines{"", "", "Set Timer", "T0"}));
    click(timers->OptionActieSetOfResetTimer, 2);
    click(timers->OptionActieTimerNummer, 6);
    EXPECT_EQ(captionsOf(2), (Lines{"", "", "Reset Timer", "T6"}));
    // Back to presets: the bars give the presets as they stand.
    click(timers->OptionPresetSetResetTimer, 1);
    EXPECT_EQ(shared.Acties[2], (Row{2, 1, 5999, 0, 0, 250, 0, 0, 0, 0}));
    ok();
    EXPECT_EQ(captionsOf(2), (Lines{"59,99 sec.", "", "Preset Timer", "T0"}));

    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(timerPresetText(250), "2.50 sec.");
    EXPECT_EQ(timerPresetText(-1), "1 Min.");
}

TEST_F(ActionEditorFixture, MemoryAndVariableFaces) {
    language(true);
    shared.Acties[8] = {3, 2, 3, 2, 40};
    open(8);
    EXPECT_TRUE(memory->OptionActieVariabele.isSelected(3));
    EXPECT_TRUE(memory->OptionVariabeleUitGroterKleinerGelijk.isSelected(2));
    EXPECT_EQ(memory->HScrollActieVariableABC->value(), 40);
    EXPECT_EQ(captionsOf(8), (Lines{"Variable", "C", "Increase with", "40"}));
    EXPECT_EQ(shared.Acties[8], (Row{3, 2, 3, 2, 40}));

    click(memory->OptionSRGeheugenVVSVariabele, 1);
    EXPECT_EQ(shared.Acties[8], (Row{3, 1, 1, 0, 40}));  // column 4 stays
    click(memory->OptionActieSetResetGeheugen, 5);
    click(memory->OptionSetOfResetGeheugen, 2);
    EXPECT_EQ(captionsOf(8), (Lines{"Memory", "", "Reset", "M5"}));
    click(memory->OptionSRGeheugenVVSVariabele, 2);
    EXPECT_EQ(shared.Acties[8], (Row{3, 2, 1, 1, 0}));
    EXPECT_EQ(captionsOf(8), (Lines{"Variable", "A", "Set to", "0"}));
    // The variable goes to column 2; the operation in column 3 stays.
    click(memory->OptionActieVariabele, 3);
    EXPECT_EQ(shared.Acties[8], (Row{3, 2, 3, 1, 0}));
    EXPECT_EQ(captionsOf(8)[1], "C");
    memory->HScrollActieVariableABC->setValue(255);
    EXPECT_EQ(memory->PanelHScrollActieVariableABC->Caption(), "255");
    EXPECT_EQ(shared.Acties[8][4], 255);
    EXPECT_EQ(memory->SSPanel69->Caption(), "Adjust variable");
}
