#include "PortSettingsFile.h"

#include <QDir>

#include "FileReading.h"
#include "PortSettingsFormat.h"
#include "ProgramFolder.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

// Whatever bears the name, a FIFO or a device too: the reader refuses what
// is no regular file.
QString FindFile() {
    const QDir map(AppPath());
    for (const QString& name : map.entryList(QDir::Files | QDir::System))
        if (name.compare(QStringLiteral("Poortsettings.dat"), Qt::CaseInsensitive) == 0) return map.filePath(name);
    return {};
}

}  // namespace

void ReadPortSettings() {
    shared.ParallellePoortAdressen = {0x378, 0x278, 0x3BC};
    const QString path = FindFile();
    if (path.isEmpty()) return;
    // A title and three short fields; a file that cannot be read keeps the
    // defaults, as a missing one does.
    const FileRead file = ReadRegularFile(path, 64 * 1024);
    if (!file.ok()) return;
    const QByteArray& bytes = file.bytes;
    const auto addresses = ParsePortSettings(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    for (std::size_t p = 0; p < addresses.size(); ++p)
        if (addresses[p]) shared.ParallellePoortAdressen[p] = static_cast<Long>(*addresses[p]);
}

}  // namespace tamberlo
