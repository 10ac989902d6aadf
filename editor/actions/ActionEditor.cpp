#include "ActionEditor.h"

#include "ActionCaptions.h"
#include "ActionEditCell.h"
#include "ActionEditorLanguage.h"
#include "Dialogs.h"
#include "EditorHooks.h"
#include "LanguageText.h"
#include "MemoryVariablePanel.h"
#include "OutputPanel.h"
#include "SoleWindow.h"
#include "SoundPanel.h"
#include "TimersPanel.h"

namespace tamberlo {

namespace {

SoleWindow<ActionEditor> editor;

// The frame and line colours of each kind while its row is edited.
constexpr VbColor kFrameGrey = 0x808080, kFrameRed = 0x8080FF, kFrameCyan = 0xFFFF80, kFrameGreen = 0x8000;

enum Tab { kOutputTab = 0, kTimersTab = 1, kMemoryTab = 2, kSoundTab = 3 };

}  // namespace

ActionEditor& actionEditor() { return editor.get(); }

bool actionEditorExists() { return editor.exists(); }

ActionEditor::ActionEditor()
    : EditorFrame(OpenEditor::Action, {"TabActies", "PanelTabActiesBewerkCommands", "CommandOKActie", "CommandVerwijderActie"},
                  {"Actie", "Action", 0xFFC0C0}) {
    for (const char* caption : {"Uitgangen", "Timers", "Geheugen Variabelen", "Geluid"})
        TabActies->addTab(QString::fromLatin1(caption));
    PanelActieBewerkUitgang = new OutputPanel;
    PanelActieBewerkTimers = new TimersPanel;
    PanelActieBewerkGehVar = new MemoryVariablePanel;
    PanelActieBewerkGeluid = new SoundPanel;
    for (QWidget* panel : std::initializer_list<QWidget*>{PanelActieBewerkUitgang, PanelActieBewerkTimers, PanelActieBewerkGehVar,
                                                          PanelActieBewerkGeluid})
        TabActies->addPanel(panel);
    TabActies->onClick([this](int tab) { TabActies_Click(tab); });
    connect(CommandOKActie, &QPushButton::clicked, this, [this] { CommandOKActie_Click(); });
    connect(CommandVerwijderActie, &QPushButton::clicked, this, [this] { CommandVerwijderActie_Click(); });
    place(QRect(0, 0, 185, 760));
    caption();
}

void ActionEditor::place(const QRect& area) {
    constexpr int kCommands = 40;
    TabActies->setGeometry(area.x(), area.y(), area.width(), area.height() - kCommands);
    PanelTabActiesBewerkCommands->setGeometry(area.x(), area.bottom() + 1 - kCommands, area.width(), kCommands);
    const int half = (area.width() - 9) / 2;
    CommandOKActie->setGeometry(3, 4, half, kCommands - 8);
    CommandVerwijderActie->setGeometry(6 + half, 4, half, kCommands - 8);
}

void ActionEditor::caption() {
    captionFrame(actionEditorCaptions(), "TabActies", "CommandVerwijderActie");
    PanelActieBewerkUitgang->caption();
    PanelActieBewerkTimers->caption();
    PanelActieBewerkGehVar->caption();
    PanelActieBewerkGeluid->caption();
}

void ActionEditor::CommandPanelActie_Click(int r) {
    if (r < 0 || r > kRungs) return;
    // One editor at a time, the start-only row included.
    if (openEditor.isOpen()) {
        dialogs().MsgBox(T("Sluit a.u.b. eerst het actie bewerkings venster.", "Please close the action edit window first."),
                         MsgButtons::Ok);
        return;
    }
    const int kind = shared.Acties[std::size_t(r)][0];
    if (kind < 0 || kind > 4) return;  // only a hand-edited file holds such a row: it is not opened

    open(r);
    switch (kind) {
    case 0:
        PanelActieBewerkUitgang->ResetPanelActieBewerkUitgang();
        setFrameColour(kFrameGrey);
        setLineColours(kColorActionGrey);
        break;
    case 1: {
        PanelActieBewerkUitgang->SetPanelActieBewerkUitgang();
        setFrameColour(kFrameGrey);
        const int wait = actionColumn(5);
        for (int l = kActionNumber; l <= kActionValue; ++l) editedCell().lines[std::size_t(l)].backColor = kColorActionGrey;
        if (wait == 0 || wait == 1) setWaitForNotLook(wait == 1);
        break;
    }
    case 2:
        PanelActieBewerkTimers->SetPanelActieBewerkTimers();
        setFrameColour(kFrameRed);
        setLineColours(kColorTimerRed);
        showTab(kTimersTab, PanelActieBewerkTimers);
        return;
    case 3:
        PanelActieBewerkGehVar->SetPanelActieBewerkGehVar();
        setFrameColour(kFrameCyan);
        setLineColours(kColorMemoryVariableCyan);
        showTab(kMemoryTab, PanelActieBewerkGehVar);
        return;
    case 4:
        PanelActieBewerkGeluid->SetPanelActieBewerkGeluid();
        setFrameColour(kFrameGreen);
        setLineColours(kColorSoundGreen);
        showTab(kSoundTab, PanelActieBewerkGeluid);
        return;
    }
    showTab(kOutputTab, PanelActieBewerkUitgang);
    actionColumn(0) = 1;
}

void ActionEditor::TabActies_Click(int tab) {
    if (shared.TabVulBezig || !isOpen()) return;
    const int kind = actionColumn(0);
    // Only a real change of kind writes: the tab of the row's own kind changes nothing.
    switch (tab) {
    case kOutputTab:
        if (kind == 1) break;
        setFrameColour(kFrameGrey);
        setLineColours(kColorActionGrey);
        PanelActieBewerkUitgang->ResetPanelActieBewerkUitgang();
        actionColumn(0) = 1;
        actionColumn(4) = 0;
        actionColumn(5) = 0;
        TabActies->bringToFront(PanelActieBewerkUitgang);
        break;
    case kTimersTab:
        if (kind == 2) break;
        setFrameColour(kFrameRed);
        setLineColours(kColorTimerRed);
        PanelActieBewerkTimers->ResetPanelActieBewerkTimers();
        actionColumn(0) = 2;
        TabActies->bringToFront(PanelActieBewerkTimers);
        break;
    case kMemoryTab:
        if (kind == 3) break;
        setFrameColour(kFrameCyan);
        setLineColours(kColorMemoryVariableCyan);
        PanelActieBewerkGehVar->ResetPanelActieBewerkGehVar();
        actionColumn(0) = 3;
        TabActies->bringToFront(PanelActieBewerkGehVar);
        break;
    case kSoundTab:
        if (kind == 4) break;
        setFrameColour(kFrameGreen);
        setLineColours(kColorSoundGreen);
        PanelActieBewerkGeluid->ResetPanelActieBewerkGeluid();
        actionColumn(0) = 4;
        TabActies->bringToFront(PanelActieBewerkGeluid);
        break;
    default: break;
    }
}

void ActionEditor::CommandOKActie_Click() {
    if (!isOpen()) return;
    if (TabActies->current() == kSoundTab && PanelActieBewerkGeluid->selectedFile().isEmpty())
        dialogs().MsgBox(T("U heeft geen geluidsbestand geselecteerd.", "You didn't select a sound file."), MsgButtons::Ok);
    // The cell ends as reading its row from a file draws it (light blue frame, the kind's lines).
    if (const auto r = editedRow()) SetPanelActieBijLezen(*r);
    close();
}

}  // namespace tamberlo
