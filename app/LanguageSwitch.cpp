// The language of the main window's captions, and its window caption.
#include "ActionCaptions.h"
#include "ConditionCaptions.h"
#include "Dashboard.h"
#include "LadderProgrammeren.h"
#include "LadderStore.h"
#include "LadderView.h"
#include "StartUpTexts.h"
#include "Picture.h"
#include "SharedState.h"
#include "Version.h"

namespace tamberlo {

void LadderProgrammeren::TaalAanpassenConActBeh() {
    PanelKopConditie->SetCaption(T("Conditie", "Condition"));
    PanelKopActie->SetCaption(T("Actie", "Action"));
    PanelKopInstellingen->SetCaption(T("Beheer", "Management"));
    ladderView.startNote = T("Deze regel wordt alleen bij de Start uitgevoerd!", " This line will only be executed at Start!");

    ladderView.changeCaption = T("Wijzig", "Edit");
    ladderView.addActionCaption = T("Voeg actie toe", "Add action");
    CommandWissen->setText(T("Wissen", "Delete"));
    CommandPauze->setText(T("Pauze", "Pause"));
    CommandSchrijven->setText(T("Opslaan", "Save"));
    CommandLezen->setText(T("Openen", "Open"));
    CommandAfsluiten->setText(T("Einde", "Close"));
    CommandTaal->setText(T("Nederl.", "English"));
    CommandTaal->setIcon(QIcon(LoadPicture(shared.TaalVlag ? "vlag Engels.bmp" : "vlag Nederlands.bmp")));
    CommandPrinten->setText(T("Printen", "Print"));
    CommandAbout->setText(T("Over", "About"));
    SSPanel67->SetCaption(T("Ladder Programma", "Ladder Program"));
    for (QPushButton* k : {CMDZoekVelleman, CMDZoekBrask, CMDZoekiCP12}) k->setText(T("Vind !", "Find !"));
    SSPanel77->SetCaption(T("Variabele", "Variables"));
    SSPanel75->SetCaption(T("Geheugen", "Memory"));
    SSPanel80->SetCaption(T("Tijd per Cyclus", "Cycle Time"));
    PanelNetwerkUit->SetCaption(T("Uit", "Out"));
    switch (shared.Verbindingsstatus) {
        case 0: ladderView.status.caption = T("Niet verbonden.", "Not Connected."); break;
        case 1: ladderView.status.caption = T("Verbonden.", "Connected."); break;
        case 3: ladderView.status.caption = T("Zoeken...", "Searching..."); break;
        default: break;
    }
    const QString font = CommandFont->text().toUpper();
    if (!shared.TaalVlag && font == QLatin1String("NAME")) CommandFont->setText(QStringLiteral("Naam"));
    if (!shared.TaalVlag && font == QLatin1String("SIZE")) CommandFont->setText(QStringLiteral("Grootte"));
    if (shared.TaalVlag && font == QLatin1String("NAAM")) CommandFont->setText(QStringLiteral("Name"));
    if (shared.TaalVlag && font == QLatin1String("GROOTTE")) CommandFont->setText(QStringLiteral("Size"));

    Dashboard().ApplyLanguage();

    for (int i = 1; i <= kConditions; ++i) SetPanelConditieBijAndereTaal(i);
    for (int r = 0; r <= kRungs; ++r) SetPanelActieBijAndereTaal(r);
    ladderView.rungNumbers = true;
    ladderView.changed();
}

void LadderProgrammeren::CaptionFormAanpassen() {
    ladderView.windowCaption = FixedTitle() + T("  Versie ", "  Version ") + VersionNumber() +
                               QStringLiteral(" Velleman, Brask, Arduino en Parallel.");
    ladderView.changed();
    RefreshFromLadderView();
}

}  // namespace tamberlo
