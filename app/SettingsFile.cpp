#include "SettingsFile.h"

#include <cerrno>

#include "CodePage.h"
#include "Controls.h"
#include "Dialogs.h"
#include "FileReading.h"
#include "FileReason.h"
#include "FileReplacement.h"
#include "LanguageText.h"
#include "MessageQuote.h"
#include "ProgramFolder.h"
#include "SettingsFileFormat.h"

namespace tamberlo {

namespace {

// Seven short lines; anything far larger is no settings file, and is
// neither read nor written.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;

// A number as the program prints it: sign position, digits, trailing blank.
QByteArray NumberForm(Long v) {
    return (v < 0 ? QByteArray("-") : QByteArray(" ")) + QByteArray::number(v < 0 ? -static_cast<qint64>(v) : v) + ' ';
}

}  // namespace

QString DefaultNetworkAddress() { return QStringLiteral("192.168.1.100"); }

QString SettingsPath() { return AppPath() + QStringLiteral("/Tamberlo.ini"); }

QByteArray SettingsText(bool english, const QString& host, Long port) {
    QByteArray t;
    t += "Instellingen voor Tamberlo\r\n";
    t += "Laatst geselecteerde taal. 0 = Nederlands 1 = Engels\r\n";
    t += NumberForm(english ? 1 : 0) + "\r\n";
    t += "Ip-adres\r\n";
    t += QByteArray::fromStdString(ToCodePageLine(host)) + "\r\n";
    t += "Poort\r\n";
    t += NumberForm(port) + "\r\n";
    return t;
}

bool SettingsFileKeepsAddress(const QString& host) {
    const QByteArray text = SettingsText(false, host, kDefaultPort);
    return FromCodePage(ParseSettingsFile(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))).host) ==
           host;
}

bool WriteSettings(bool english, const QString& host, Long port, SettingsWriteFailure* why) {
    SettingsWriteFailure failure;
    // A file that is there but cannot be read (no regular file, no permission
    // to read it) is the user's to mend: it is never replaced.
    const FileRead file = ReadRegularFile(SettingsPath(), kMaxSettingsBytes);
    if (file.fault != ReadFault::None && file.fault != ReadFault::Missing) failure = {file.fault, file.error};
    else {
        // An address the file would give back otherwise is not written: the
        // file keeps the one it holds (the default when it is new).
        QString kept = host;
        if (!SettingsFileKeepsAddress(host))
            kept = file.ok() ? FromCodePage(ParseSettingsFile(std::string_view(file.bytes.constData(),
                                                                               static_cast<std::size_t>(file.bytes.size())))
                                                .host)
                             : DefaultNetworkAddress();
        failure.error = ReplaceFile(SettingsPath(), SettingsText(english, kept, port), kMaxSettingsBytes);
    }
    if (why) *why = failure;
    return failure.fault == ReadFault::None && failure.error == 0;
}

bool WriteSettingsFromWinsock(SettingsWriteFailure* why) {
    return WriteSettings(shared.TaalVlag, WinsockHost().RemoteHost(), WinsockHost().RemotePort(), why);
}

bool TakePeerAddress(const QString& host) {
    if (!SettingsFileKeepsAddress(host)) {
        dialogs().MsgBox(T("Het netwerkadres \"%1\" bevat tekens die het instellingenbestand niet kan bewaren. "
                           "Het adres %2 blijft in gebruik.",
                           "The network address \"%1\" has characters the settings file cannot hold. "
                           "The address %2 stays in use.")
                             .arg(Quotable(host, 80), WinsockHost().RemoteHost()),
                         MsgButtons::Ok);
        return false;
    }
    WinsockHost().SetRemoteHost(host);
    return true;
}

void LeesInstellingen() {
    const QString path = SettingsPath();
    const FileRead file = ReadRegularFile(path, kMaxSettingsBytes);
    if (!file.ok()) {
        shared.TaalVlag = false;
        shared.NetwerkAdres = DefaultNetworkAddress();
        shared.NetwerkPoort = kDefaultPort;
        if (file.fault != ReadFault::Missing)
            dialogs().MsgBox(TextCannotReadSettings(path, FileReadReason(file.fault, file.error)), MsgButtons::Ok);
        else if (SettingsWriteFailure why; !WriteSettings(false, shared.NetwerkAdres, shared.NetwerkPoort, &why))
            dialogs().MsgBox(TextSettingsNotWritten(TextLanguageForSession(), why), MsgButtons::Ok);
        return;
    }

    const QByteArray& bytes = file.bytes;
    const ParsedSettings read = ParseSettingsFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));

    // Anything but 1 or 0 keeps the language as it is.
    if (read.english) shared.TaalVlag = *read.english;
    const QString host = FromCodePage(read.host);
    shared.NetwerkAdres = host.isEmpty() ? DefaultNetworkAddress() : host;
    shared.NetwerkPoort = read.port ? static_cast<Long>(*read.port) : kDefaultPort;
}

QString TextLanguageForSession() { return T("Taal voor deze sessie is aangepast.", "Language settings only for this session."); }

QString TextAddressForSession() {
    return T("IP-adres voor deze sessie is aangepast.", "IP-address applied only for this session.");
}

QString TextPortForSession() { return T("Poort voor deze sessie is aangepast.", "Port applied only for this session."); }

QString TextSettingsNotWritten(const QString& forSession, const SettingsWriteFailure& why) {
    if (why.fault == ReadFault::None && (why.error == EACCES || why.error == EPERM))
        return T("Er zijn geen schrijfrechten.", "File write protected.") + QLatin1Char(' ') + forSession;
    const QString reason = why.fault != ReadFault::None ? FileReadReason(why.fault, why.error) : FileErrorReason(why.error);
    return T("Het instellingenbestand %1 kan niet geschreven worden.", "The settings file %1 cannot be written.")
               .arg(SettingsPath()) +
           QLatin1Char('\n') + reason + QLatin1Char('\n') + forSession;
}

QString TextCannotReadSettings(const QString& path, const QString& reason) {
    return T("Het instellingenbestand %1 kan niet gelezen worden.\n%2\nDe standaardinstellingen gelden voor deze sessie; "
             "het bestand wordt niet vervangen.",
             "The settings file %1 cannot be read.\n%2\nThe default settings apply for this session; the file is not replaced.")
        .arg(path, reason);
}

}  // namespace tamberlo
