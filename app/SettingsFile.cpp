#include "SettingsFile.h"

#include "CodePage.h"
#include "Controls.h"
#include "Dialogs.h"
#include "FileReadReason.h"
#include "FileReading.h"
#include "FileReplacement.h"
#include "LanguageText.h"
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

bool WriteSettings(bool english, const QString& host, Long port) {
    // A file that is there but cannot be read (no regular file, no permission
    // to read it) is the user's to mend: it is never replaced.
    const ReadFault fault = ReadRegularFile(SettingsPath(), kMaxSettingsBytes).fault;
    if (fault != ReadFault::None && fault != ReadFault::Missing) return false;
    return ReplaceFile(SettingsPath(), SettingsText(english, host, port), kMaxSettingsBytes) == 0;
}

bool WriteSettingsFromWinsock() { return WriteSettings(shared.TaalVlag, WinsockHost().RemoteHost(), WinsockHost().RemotePort()); }

void LeesInstellingen() {
    const QString path = SettingsPath();
    const FileRead file = ReadRegularFile(path, kMaxSettingsBytes);
    if (!file.ok()) {
        shared.TaalVlag = false;
        shared.NetwerkAdres = DefaultNetworkAddress();
        shared.NetwerkPoort = kDefaultPort;
        if (file.fault != ReadFault::Missing)
            dialogs().MsgBox(TextCannotReadSettings(path, FileReadReason(file.fault, file.error)), MsgButtons::Ok);
        else if (!WriteSettings(false, shared.NetwerkAdres, shared.NetwerkPoort))
            dialogs().MsgBox(TextNoWriteAccessLanguage(), MsgButtons::Ok);
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

QString TextNoWriteAccessLanguage() {
    return T("Er zijn geen schrijfrechten. Taal voor deze sessie is aangepast.",
             "File write protected. Language settings only for this session.");
}

QString TextCannotReadSettings(const QString& path, const QString& reason) {
    return T("Het instellingenbestand %1 kan niet gelezen worden.\n%2\nDe standaardinstellingen gelden voor deze sessie; "
             "het bestand wordt niet vervangen.",
             "The settings file %1 cannot be read.\n%2\nThe default settings apply for this session; the file is not replaced.")
        .arg(path, reason);
}

QString TextNoWriteAccessAddress() {
    return T("Er zijn geen schrijfrechten. IP-adres voor deze sessie is aangepast.",
             "File write protected. IP-address applied only for this session.");
}

}  // namespace tamberlo
