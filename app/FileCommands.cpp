#include "FileCommands.h"

#include <QDir>
#include <QFileInfo>

#include "Dialogs.h"
#include "LadderFile.h"
#include "LadderStore.h"
#include "LadderView.h"
#include "SharedState.h"
#include "TaalTekst.h"

namespace tamberlo {

namespace {

QString TitelLetOp() { return T("Let op", "Attention"); }
const QString kFilter = QStringLiteral("*.vpp");

// Shows the refusal and returns true while a run is on or paused.
bool WeigerTijdensRun() {
    if (shared.ProgrammaStatus == 0) return false;
    dialogs().MsgBox(TekstProgrammaLoopt(), MsgButtons::Ok);
    return true;
}

// Names the file cannot hold would be written as "?" and lost: the user is
// told which and decides before anything is written.
bool NamesMayBeLost() {
    constexpr qsizetype kShown = 12;
    const QStringList names = NamesTheFileCannotHold();
    if (names.isEmpty()) return true;
    QString list = names.mid(0, kShown).join(QLatin1Char('\n'));
    if (names.size() > kShown)
        list += QLatin1Char('\n') + T("en nog %1 andere.", "and %1 more.").arg(names.size() - kShown);
    return dialogs().MsgBox(T("Het bestand kan niet alle tekens van deze namen bewaren; wat het niet kan bewaren "
                              "wordt als \"?\" geschreven en gaat verloren:\n%1\n\nToch opslaan?",
                              "The file cannot hold every character of these names; what it cannot hold is "
                              "written as \"?\" and lost:\n%1\n\nSave anyway?")
                                .arg(list),
                            MsgButtons::OkCancel, TitelLetOp()) == MsgResult::Ok;
}

FileDialogRequest Verzoek() { return {ladderView.fileDialogFolder, kFilter, QStringLiteral("vpp")}; }

}  // namespace

QString TekstProgrammaLoopt() {
    return T("Het programma 'loopt' op dit moment, u moet het eerst stoppen.",
             "The program is currently 'running', you'll have to stop it first.");
}

bool MapBestaat(const QString& path) { return QFileInfo(path).isDir(); }

void SetPad() {
    const QString home = QDir::homePath();
    QString pad = home + QStringLiteral("/Tamberlo");
    if (!MapBestaat(pad) && !QDir().mkdir(pad)) {
        dialogs().MsgBox(T("De map %1 kan niet aangemaakt worden.", "The folder %1 cannot be created.").arg(pad),
                         MsgButtons::Ok);
        pad = home;
    }
    ladderView.fileDialogFolder = pad;
}

void CommandLezen() {
    if (WeigerTijdensRun()) return;
    SetPad();
    const QString vorige = ladderView.fileDialogName;
    ladderView.fileDialogName = kFilter;
    const QString gekozen = dialogs().OpenFile(Verzoek());
    if (gekozen.isEmpty() || gekozen == kFilter) return;
    ladderView.fileDialogName = gekozen;
    if (!QFileInfo(gekozen).isFile()) return;
    if (!LeesLadderVanDisk(gekozen)) {
        // The loaded ladder stays, and so does the name it came from.
        ladderView.fileDialogName = vorige;
        return;
    }
    ladderView.wissenPicture = QStringLiteral("BtnWissen.bmp");
    ladderView.changed();
}

void CommandSchrijven() {
    if (WeigerTijdensRun()) return;
    IsErEenProgramma();
    if (!shared.ConditiesAanwezig) {
        dialogs().MsgBox(T("U moet nog wel Condities invoeren!.", "You'll have to introduce Conditions!."), MsgButtons::Ok);
        return;
    }
    if (!shared.ActiesAanwezig) {
        dialogs().MsgBox(T("U moet nog wel Acties invoeren!.", "You'll have to introduce Actions!."), MsgButtons::Ok);
        return;
    }
    if (!NamesMayBeLost()) return;
    ladderView.fileDialogName = kFilter;
    const QString gekozen = dialogs().SaveFile(Verzoek());
    if (gekozen.isEmpty() || gekozen == kFilter) return;
    ladderView.fileDialogName = gekozen;
    const bool bestond = QFileInfo::exists(gekozen);
    if (bestond &&
        dialogs().MsgBox(T("Het bestand bestaat al. Overschrijven?", "The file already exists. Overwrite?"),
                         MsgButtons::OkCancel, TitelLetOp()) != MsgResult::Ok)
        return;
    if (!SchrijfLadderOpDisk(gekozen)) {
        QString tekst = T("Het ladderprogramma kan niet opgeslagen worden in %1.",
                          "The ladder program cannot be saved in %1.").arg(gekozen);
        if (bestond) tekst += T("\nHet bestaande bestand is niet veranderd.", "\nThe existing file has not been changed.");
        dialogs().MsgBox(tekst, MsgButtons::Ok);
        return;
    }
    ladderView.windowCaption = VasteTitel() + QLatin1Char(' ') + gekozen;
    ladderView.changed();
}

void CommandWissen() {
    if (WeigerTijdensRun()) return;
    if (dialogs().MsgBox(T("Weet U zeker dat U het ladderprogramma wilt wissen?",
                           "Are you sure you want to delete the ladder program?"),
                         MsgButtons::OkCancel, TitelLetOp()) != MsgResult::Ok)
        return;
    WisLadderProgramma();
    ladderView.fileDialogName.clear();
    shared.PrintNaam.clear();
    shared.PrintAfdeling.clear();
    ladderView.wissenPicture = QStringLiteral("BtnWissenLeeg.bmp");
    ladderView.changed();
}

}  // namespace tamberlo
