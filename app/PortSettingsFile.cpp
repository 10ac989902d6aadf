#include "PortSettingsFile.h"

#include <QDir>
#include <QFile>

#include <optional>

#include "FieldReader.h"
#include "ProgramFolder.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

std::optional<Long> HexAddress(const std::string& t) {
    if (t.empty()) return std::nullopt;
    Long v = 0;
    int significant = 0;
    for (char c : t) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        if (v != 0 || d != 0) ++significant;
        if (significant > 4) return std::nullopt;  // a port address is 16 bits
        v = v * 16 + d;
    }
    return v;
}

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
    FieldReader reader(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    reader.ReadTextField();  // the title line
    for (int p = 0; p < 3; ++p)
        if (auto v = HexAddress(reader.ReadTextField())) shared.ParallellePoortAdressen[p] = *v;
}

}  // namespace tamberlo
