#include "PortSettingsFile.h"

#include <QDir>
#include <QFile>

#include "PortSettingsFormat.h"
#include "ProgramFolder.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

QString FindFile() {
    const QDir map(AppPath());
    for (const QString& name : map.entryList(QDir::Files))
        if (name.compare(QStringLiteral("Poortsettings.dat"), Qt::CaseInsensitive) == 0) return map.filePath(name);
    return {};
}

}  // namespace

void ReadPortSettings() {
    shared.ParallellePoortAdressen = {0x378, 0x278, 0x3BC};
    const QString path = FindFile();
    if (path.isEmpty()) return;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = f.read(64 * 1024);  // a title and three short fields
    const auto addresses = ParsePortSettings(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    for (std::size_t p = 0; p < addresses.size(); ++p)
        if (addresses[p]) shared.ParallellePoortAdressen[p] = static_cast<Long>(*addresses[p]);
}

}  // namespace tamberlo
