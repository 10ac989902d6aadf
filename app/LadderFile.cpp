#include "LadderFile.h"

#include <variant>

#include "ActionCaptions.h"
#include "CodePage.h"
#include "ConditionCaptions.h"
#include "Controls.h"
#include "Dialogs.h"
#include "FileReading.h"
#include "FileReason.h"
#include "FileReplacement.h"
#include "LadderFileFormat.h"
#include "LadderStore.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "MessageQuote.h"
#include "SettingsFile.h"
#include "SharedState.h"
#include "SoundPlayer.h"
#include "UnsavedLadder.h"

namespace tamberlo {

namespace {

// A valid file is some 30 KB; anything far larger is not a ladder file and
// is not read into memory, nor written (it could not be read back).
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

QString Reason(const LadderFileError& e) {
    const QString field = Quotable(FromCodePage(e.field));
    switch (e.kind) {
    case LadderFileErrorKind::NotANumber: return T("\"%1\" is geen geheel getal.", "\"%1\" is not a whole number.").arg(field);
    case LadderFileErrorKind::TooLarge:
        return T("%1 is te groot voor een getal van het ladderprogramma (-32768 tot 32767).",
                 "%1 is too large for a number of the ladder program (-32768 to 32767).")
            .arg(field);
    case LadderFileErrorKind::EndsEarly: return T("het bestand houdt te vroeg op.", "the file ends too early.");
    case LadderFileErrorKind::NoSoundSeparator:
        return T("bij het geluid ontbreekt \"/\\\" tussen map en bestand.", "the sound lacks \"/\\\" between folder and file.");
    case LadderFileErrorKind::InvalidValue:
        return T("de waarde %1 is hier niet geldig.", "the value %1 is not valid here.").arg(field);
    }
    return {};
}

void ShowCannotRead(const QString& path, const QString& detail) {
    dialogs().MsgBox(T("Het ladderprogramma %1 kan niet gelezen worden.\n%2\nHet huidige ladderprogramma blijft staan.",
                       "The ladder program %1 cannot be read.\n%2\nThe current ladder program is kept.")
                         .arg(path, detail),
                     MsgButtons::Ok);
}

}  // namespace

bool SchrijfLadderOpDisk(const QString& path, int* error) {
    LadderData d;
    for (int i = 1; i <= kConditions; ++i)
        for (int k = 0; k < kConditionColumns; ++k) d.conditions[i][k] = shared.Condities[i][k];
    for (int r = 0; r <= kRungs; ++r) {
        for (int k = 0; k < kActionColumns; ++k) d.actions[r][k] = shared.Acties[r][k];
        if (shared.Acties[r][0] == 4) {
            d.soundFolders[r] = ToCodePageLine(shared.GeluidMappen[r]);
            d.soundFiles[r] = ToCodePageLine(shared.GeluidBestanden[r]);
        }
    }
    const std::string bytes = FormatLadderFile(d, ToCodePageLine(WinsockHost().RemoteHost()), WinsockHost().RemotePort());

    const int failed = ReplaceFile(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), kMaxFileSize);
    if (error) *error = failed;
    if (failed != 0) return false;
    RememberLadderAsSaved();
    return true;
}

QStringList NamesTheFileCannotHold() {
    QStringList out;
    for (int r = 0; r <= kRungs; ++r) {
        if (shared.Acties[r][0] != 4) continue;  // only sound rows carry their names
        const QString& folder = shared.GeluidMappen[r];
        const QString& file = shared.GeluidBestanden[r];
        if (CodePageLineHolds(folder) && CodePageLineHolds(file)) continue;
        const QString name = Quotable(SoundPath(folder, file), 80);
        out << (r == 0 ? T("Startregel: geluid \"%1\"", "Start rung: sound \"%1\"").arg(name)
                       : T("Regel %1: geluid \"%2\"", "Rung %1: sound \"%2\"").arg(r).arg(name));
    }
    const QString host = WinsockHost().RemoteHost();
    if (!CodePageLineHolds(host)) out << T("Netwerkadres: \"%1\"", "Network address: \"%1\"").arg(Quotable(host, 80));
    return out;
}

bool LeesLadderVanDisk(const QString& path) {
    const FileRead file = ReadRegularFile(path, kMaxFileSize);
    if (!file.ok()) {
        const QString reason = FileReadReason(file.fault, file.error);
        ShowCannotRead(path, file.fault == ReadFault::TooLarge
                                 ? reason
                                 : T("Het bestand kan niet geopend worden.", "The file cannot be opened.") + ' ' + reason);
        return false;
    }
    const QByteArray& bytes = file.bytes;

    const LadderParseResult result = ParseLadderFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* e = std::get_if<LadderFileError>(&result)) {
        ShowCannotRead(path, T("Fout in regel %1: %2", "Error in line %1: %2").arg(e->line).arg(Reason(*e)));
        return false;
    }
    const ParsedLadder& p = std::get<ParsedLadder>(result);

    WisLadderProgramma();
    for (int i = 1; i <= p.conditionRecords; ++i) {
        for (int k = 0; k < kConditionColumns; ++k) shared.Condities[i][k] = p.ladder.conditions[i][k];
        SetPanelConditieBijLezen(i);
    }
    for (int r = 0; r < p.actionRecords; ++r) {
        for (int k = 0; k < kActionColumns; ++k) shared.Acties[r][k] = p.ladder.actions[r][k];
        if (shared.Acties[r][0] == 4) {
            shared.GeluidMappen[r] = FromCodePage(p.ladder.soundFolders[r]);
            shared.GeluidBestanden[r] = FromCodePage(p.ladder.soundFiles[r]);
        }
        SetPanelActieBijLezen(r);
    }
    RememberLadderAsSaved();
    // An address the settings file would not keep is refused as a typed one
    // is; the ladder is read all the same.
    if (p.host && TakePeerAddress(FromCodePage(*p.host))) ladderView.panelIpAddress = WinsockHost().RemoteHost();
    if (p.port) {
        WinsockHost().SetRemotePort(*p.port);
        ladderView.panelPort = QString::number(WinsockHost().RemotePort());
    }
    ladderView.windowCaption = FixedTitle() + QLatin1Char(' ') + path;
    ladderView.changed();
    return true;
}

}  // namespace tamberlo
