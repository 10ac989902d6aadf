#include "PortSettingsFile.h"

#include <QDir>
#include <QFile>

#include "PortSettingsFormat.h"
#include "ProgramFolder.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

QString ZoekBestand() {
    const QDir map(AppPath());
    for (const QString& naam : map.entryList(QDir::Files))
        if (naam.compare(QStringLiteral("Poortsettings.dat"), Qt::CaseInsensitive) == 0) return map.filePath(naam);
    return {};
}

}  // namespace

void LeesPoortsettings() {
    shared.ParallellePoortAdressen = {0x378, 0x278, 0x3BC};
    const QString pad = ZoekBestand();
    if (pad.isEmpty()) return;
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = f.read(64 * 1024);  // a title and three short fields
    const auto adressen = ParsePortSettings(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    for (std::size_t p = 0; p < adressen.size(); ++p)
        if (adressen[p]) shared.ParallellePoortAdressen[p] = static_cast<Long>(*adressen[p]);
}

}  // namespace tamberlo
