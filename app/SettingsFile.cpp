#include "SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "CodePage.h"
#include "Controls.h"
#include "Dialogs.h"
#include "SettingsFileFormat.h"
#include "ProgramFolder.h"
#include "TaalTekst.h"

namespace tamberlo {

namespace {

// A number as the program prints it: sign position, digits, trailing blank.
QByteArray NummerVorm(Long v) {
    return (v < 0 ? QByteArray("-") : QByteArray(" ")) + QByteArray::number(v < 0 ? -static_cast<qint64>(v) : v) + ' ';
}

}  // namespace

QString StandaardNetwerkAdres() { return QStringLiteral("192.168.1.100"); }

QString InstellingenPad() { return AppPath() + QStringLiteral("/Tamberlo.ini"); }

QByteArray InstellingenTekst(bool engels, const QString& host, Long port) {
    QByteArray t;
    t += "Instellingen voor Tamberlo\r\n";
    t += "Laatst geselecteerde taal. 0 = Nederlands 1 = Engels\r\n";
    t += NummerVorm(engels ? 1 : 0) + "\r\n";
    t += "Ip-adres\r\n";
    t += QByteArray::fromStdString(ToCodePage(host)) + "\r\n";
    t += "Poort\r\n";
    t += NummerVorm(port) + "\r\n";
    return t;
}

bool SchrijfInstellingen(bool engels, const QString& host, Long port) {
    QSaveFile f(InstellingenPad());
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QByteArray t = InstellingenTekst(engels, host, port);
    if (f.write(t) != t.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool SchrijfInstellingenVanWinsock() {
    return SchrijfInstellingen(shared.TaalVlag, WinsockHost().RemoteHost(), WinsockHost().RemotePort());
}

void LeesInstellingen() {
    const QString pad = InstellingenPad();
    if (!QFileInfo::exists(pad)) {
        shared.TaalVlag = false;
        shared.NetwerkAdres = StandaardNetwerkAdres();
        shared.NetwerkPoort = kStandaardPoort;
        if (!SchrijfInstellingen(false, shared.NetwerkAdres, shared.NetwerkPoort))
            dialogs().MsgBox(TekstGeenSchrijfrechtenTaal(), MsgButtons::Ok);
        return;
    }

    QByteArray bytes;
    QFile f(pad);
    if (f.open(QIODevice::ReadOnly)) bytes = f.read(64 * 1024);  // seven short lines
    const ParsedSettings gelezen = ParseSettingsFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));

    // Anything but 1 or 0 keeps the language as it is.
    if (gelezen.english) shared.TaalVlag = *gelezen.english;
    const QString host = FromCodePage(gelezen.host);
    shared.NetwerkAdres = host.isEmpty() ? StandaardNetwerkAdres() : host;
    shared.NetwerkPoort = gelezen.port ? static_cast<Long>(*gelezen.port) : kStandaardPoort;
}

QString TekstGeenSchrijfrechtenTaal() {
    return T("Er zijn geen schrijfrechten. Taal voor deze sessie is aangepast.",
             "File write protected. Language settings only for this session.");
}

QString TekstGeenSchrijfrechtenAdres() {
    return T("Er zijn geen schrijfrechten. IP-adres voor deze sessie is aangepast.",
             "File write protected. IP-address applied only for this session.");
}

}  // namespace tamberlo
