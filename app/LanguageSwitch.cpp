// The language of the main window's captions, and its window caption.
#include "ActionCaptions.h"
#include "ActionEditor.h"
#include "CaptionTable.h"
#include "ConditionCaptions.h"
#include "ConditionEditor.h"
#include "Dashboard.h"
#include "LadderProgrammeren.h"
#include "LadderStore.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "MainWindowCommands.h"
#include "Picture.h"
#include "SettingsWindow.h"
#include "SharedState.h"
#include "Version.h"
#include "WholeCaption.h"

namespace tamberlo {

namespace {
QString A(std::string_view control) { return captionOf(mainWindowCaptions(), control); }

void setText(QAbstractButton* b, std::string_view control) { SetButtonCaption(b, A(control)); }
}  // namespace

void LadderProgrammeren::TaalAanpassenConActBeh() {
    PanelKopConditie->SetCaption(A("PanelKopConditie"));
    PanelKopActie->SetCaption(A("PanelKopActie"));
    PanelKopInstellingen->SetCaption(A("PanelKopInstellingen"));
    // The drawing area is cleared and its printed texts come back in the new language.
    ladderView.startNote = T("Deze regel wordt alleen bij de Start uitgevoerd!", " This line will only be executed at Start!");

    ladderView.changeCaption = A("CommandPanelConditie");
    ladderView.addActionCaption = A("CommandVoegActieToe");
    for (auto [button, control] : {std::pair{CommandInitialiseer, "CommandInitialiseer"},
                                   {CommandWissen, "CommandWissen"},
                                   {CommandPauze, "CommandPauze"},
                                   {CommandSchrijven, "CommandSchrijven"},
                                   {CommandLezen, "CommandLezen"},
                                   {CommandAfsluiten, "CommandAfsluiten"},
                                   {CommandTaal, "CommandTaal"},
                                   {CommandPrinten, "CommandPrinten"},
                                   {CommandAbout, "CommandAbout"},
                                   {CommandClipBoard, "CommandClipBoard"},
                                   {CommandResetAll, "CommandResetAll"},
                                   {CMDZoekVelleman, "CMDZoekVelleman"},
                                   {CMDZoekBrask, "CMDZoekBrask"},
                                   {CMDZoekiCP12, "CMDZoekiCP12"}})
        setText(button, control);
    const QString flag = A("CommandTaal/picture");
    CommandTaal->setProperty("vbPicture", flag);
    CommandTaal->setIcon(QIcon(LoadPicture(flag)));
    SSPanel67->SetCaption(A("SSPanel67"));
    SSPanel77->SetCaption(A("SSPanel77"));
    SSPanel75->SetCaption(A("SSPanel75"));
    SSPanel80->SetCaption(A("SSPanel80"));
    PanelNetwerkUit->SetCaption(A("PanelNetwerkUit"));
    switch (shared.Verbindingsstatus) {
    case 0: ladderView.status.caption = A("PanelStatus/0"); break;
    case 1: ladderView.status.caption = A("PanelStatus/1"); break;
    case 3: ladderView.status.caption = A("PanelStatus/3"); break;
    default: break;
    }
    // The font button names a field only while it shows one of the two field
    // words: the other language's word (any case) becomes this language's.
    const QString font = CommandFont->text().toUpper();
    if (font == T("NAME", "NAAM")) SetButtonCaption(CommandFont, T("Naam", "Name"));
    else if (font == T("SIZE", "GROOTTE")) SetButtonCaption(CommandFont, T("Grootte", "Size"));

    dashboardWindow().ApplyLanguage();
    settingsWindow().ApplyLanguage();
    // An editor made later takes the language it is made in.
    if (conditionEditorExists()) conditionEditor().caption();
    if (actionEditorExists()) actionEditor().caption();

    for (int i = 1; i <= kConditions; ++i) SetPanelConditieBijAndereTaal(i);
    for (int r = 0; r <= kRungs; ++r) SetPanelActieBijAndereTaal(r);
    ladderView.rungNumbers = true;
    ladderView.changed();
}

void LadderProgrammeren::CaptionFormAanpassen() {
    ladderView.windowCaption =
        FixedTitle() + T("  Versie ", "  Version ") + VersionNumber() + QStringLiteral(" Velleman, Brask, Arduino en Parallel.");
    ladderView.changed();
    RefreshFromLadderView();
}

}  // namespace tamberlo
