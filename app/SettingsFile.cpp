#include "SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "CodePage.h"
#include "Controls.h"
#include "Dialogs.h"
#include "FieldReader.h"
#include "ProgramFolder.h"
#include "LanguageText.h"

namespace tamberlo {

namespace {

// A number as the program prints it: sign position, digits, trailing blank.
QByteArray NumberForm(Long v) {
    return (v < 0 ? QByteArray("-") : QByteArray(" ")) + QByteArray::number(v < 0 ? -static_cast<qint64>(v) : v) + ' ';
}

// The lines of the file, whatever line ends it was written with.
QList<QByteArray> SplitLines(const QByteArray& bytes) {
    QByteArray b = bytes;
    b.replace("\r\n", "\n");
    b.replace('\r', '\n');
    return b.split('\n');
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
    t += QByteArray::fromStdString(ToCodePage(host)) + "\r\n";
    t += "Poort\r\n";
    t += NumberForm(port) + "\r\n";
    return t;
}

bool WriteSettings(bool english, const QString& host, Long port) {
    QSaveFile f(SettingsPath());
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QByteArray t = SettingsText(english, host, port);
    if (f.write(t) != t.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool WriteSettingsFromWinsock() {
    return WriteSettings(shared.TaalVlag, WinsockHost().RemoteHost(), WinsockHost().RemotePort());
}

void LeesInstellingen() {
    const QString path = SettingsPath();
    if (!QFileInfo::exists(path)) {
        shared.TaalVlag = false;
        shared.NetwerkAdres = DefaultNetworkAddress();
        shared.NetwerkPoort = kDefaultPort;
        if (!WriteSettings(false, shared.NetwerkAdres, shared.NetwerkPoort))
            dialogs().MsgBox(TextNoWriteAccessLanguage(), MsgButtons::Ok);
        return;
    }

    QByteArray bytes;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) bytes = f.read(64 * 1024);  // seven short lines
    const QList<QByteArray> lines = SplitLines(bytes);
    auto field = [&lines](int line, bool text) -> std::string {
        if (line > lines.size()) return {};
        const QByteArray& r = lines[line - 1];
        FieldReader reader(std::string_view(r.constData(), static_cast<std::size_t>(r.size())));
        return text ? reader.ReadTextField() : reader.ReadField();
    };

    // Line 3: 1 English, 0 Dutch; anything else keeps the language as it is.
    const auto language = WholeNumberValue(field(3, false));
    if (language == 1)
        shared.TaalVlag = true;
    else if (language == 0)
        shared.TaalVlag = false;

    const QString host = FromCodePage(field(5, true));
    shared.NetwerkAdres = host.isEmpty() ? DefaultNetworkAddress() : host;

    const auto port = WholeNumberValue(field(7, false));
    shared.NetwerkPoort = (port && *port >= 0 && *port <= 65535) ? static_cast<Long>(*port) : kDefaultPort;
}

QString TextNoWriteAccessLanguage() {
    return T("Er zijn geen schrijfrechten. Taal voor deze sessie is aangepast.",
             "File write protected. Language settings only for this session.");
}

QString TextNoWriteAccessAddress() {
    return T("Er zijn geen schrijfrechten. IP-adres voor deze sessie is aangepast.",
             "File write protected. IP-address applied only for this session.");
}

}  // namespace tamberlo
