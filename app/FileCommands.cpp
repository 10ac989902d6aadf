#include "FileCommands.h"

#include <QDir>
#include <QFileInfo>

#include "Dialogs.h"
#include "FileReason.h"
#include "LadderFile.h"
#include "LadderStore.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "SharedState.h"
#include "UnsavedLadder.h"

namespace tamberlo {

namespace {

QString AttentionTitle() { return T("Let op", "Attention"); }
const QString kFilter = QStringLiteral("*.vpp");

// Shows the refusal and returns true while a run is on or paused.
bool RefuseDuringRun() {
    if (shared.ProgrammaStatus == 0) return false;
    dialogs().MsgBox(TextProgramRunning(), MsgButtons::Ok);
    return true;
}

// Names the file cannot hold would be written as "?" and lost: the user is
// told which and decides before anything is written.
bool NamesMayBeLost() {
    constexpr qsizetype kShown = 12;
    const QStringList names = NamesTheFileCannotHold();
    if (names.isEmpty()) return true;
    QString list = names.mid(0, kShown).join(QLatin1Char('\n'));
    if (names.size() > kShown) list += QLatin1Char('\n') + T("en nog %1 andere.", "and %1 more.").arg(names.size() - kShown);
    return dialogs().MsgBox(T("Het bestand kan niet alle tekens van deze namen bewaren; wat het niet kan bewaren "
                              "wordt als \"?\" geschreven en gaat verloren:\n%1\n\nToch opslaan?",
                              "The file cannot hold every character of these names; what it cannot hold is "
                              "written as \"?\" and lost:\n%1\n\nSave anyway?")
                                .arg(list),
                            MsgButtons::OkCancel, AttentionTitle()) == MsgResult::Ok;
}

FileDialogRequest Request() {
    return {ladderView.fileDialogFolder, kFilter, QStringLiteral("vpp"), T("Ladderprogramma's", "Ladder programs"),
            T("Alle bestanden", "All files")};
}

}  // namespace

QString TextProgramRunning() {
    return T("Het programma 'loopt' op dit moment, u moet het eerst stoppen.",
             "The program is currently 'running', you'll have to stop it first.");
}

bool MapBestaat(const QString& path) { return QFileInfo(path).isDir(); }

void SetPad() {
    const QString home = QDir::homePath();
    QString path = home + QStringLiteral("/Tamberlo");
    if (!MapBestaat(path) && !QDir().mkdir(path)) {
        dialogs().MsgBox(T("De map %1 kan niet aangemaakt worden.", "The folder %1 cannot be created.").arg(path),
                         MsgButtons::Ok);
        path = home;
    }
    ladderView.fileDialogFolder = path;
}

// The file dialog's name is the one the printed header shows: it changes only
// when a ladder was really read or written, never after a cancel or a failure.
void CommandLezen() {
    if (RefuseDuringRun()) return;
    SetPad();
    const QString chosen = dialogs().OpenFile(Request());
    // Anything but a readable ladder file (a FIFO, a device, a folder) is
    // refused by the reader with its reason.
    if (chosen.isEmpty() || chosen == kFilter) return;
    if (LadderHasUnsavedChanges() &&
        dialogs().MsgBox(T("Het ladderprogramma is gewijzigd en niet opgeslagen.\nToch een ander ladderprogramma openen?",
                           "The ladder program has changed and has not been saved.\nOpen another ladder program anyway?"),
                         MsgButtons::YesNo, AttentionTitle()) != MsgResult::Ok)
        return;
    if (!LeesLadderVanDisk(chosen)) return;  // the loaded ladder stays, and so does its name
    ladderView.fileDialogName = chosen;
    ladderView.clearPicture = QStringLiteral("BtnWissen.bmp");
    ladderView.changed();
}

void CommandSchrijven() {
    if (RefuseDuringRun()) return;
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
    // Before any read has set it, the dialog starts in the work folder, not
    // wherever the program happened to be started from.
    if (ladderView.fileDialogFolder.isEmpty()) SetPad();
    const QString chosen = dialogs().SaveFile(Request());
    if (chosen.isEmpty() || chosen == kFilter) return;
    const bool existed = QFileInfo::exists(chosen);
    if (existed && dialogs().MsgBox(T("Het bestand bestaat al. Overschrijven?", "The file already exists. Overwrite?"),
                                    MsgButtons::OkCancel, AttentionTitle()) != MsgResult::Ok)
        return;
    if (int error = 0; !SchrijfLadderOpDisk(chosen, &error)) {
        QString text =
            T("Het ladderprogramma kan niet opgeslagen worden in %1.", "The ladder program cannot be saved in %1.").arg(chosen) +
            QLatin1Char('\n') + FileErrorReason(error);
        if (existed) text += T("\nHet bestaande bestand is niet veranderd.", "\nThe existing file has not been changed.");
        dialogs().MsgBox(text, MsgButtons::Ok);
        return;
    }
    ladderView.fileDialogName = chosen;
    ladderView.windowCaption = FixedTitle() + QLatin1Char(' ') + chosen;
    ladderView.changed();
}

void CommandWissen() {
    if (RefuseDuringRun()) return;
    if (dialogs().MsgBox(
            T("Weet U zeker dat U het ladderprogramma wilt wissen?", "Are you sure you want to delete the ladder program?"),
            MsgButtons::OkCancel, AttentionTitle()) != MsgResult::Ok)
        return;
    WisLadderProgramma();
    ladderView.fileDialogName.clear();
    shared.PrintNaam.clear();
    shared.PrintAfdeling.clear();
    ladderView.clearPicture = QStringLiteral("BtnWissenLeeg.bmp");
    ladderView.changed();
}

}  // namespace tamberlo
