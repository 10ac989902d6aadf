#include "Ini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <dlfcn.h>

namespace kelvanor {
namespace {

// The folder of this library's own file (not a fixed number of characters
// cut off its name: the file may be called anything).
QString ownFolder() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&GetIniFolder), &info) && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return {};
}

QString trimmedValue(QString v) {
    v = v.trimmed();
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        v = v.mid(1, v.size() - 2);
    return v;
}

bool isSection(const QString& line, QString* name) {
    const QString t = line.trimmed();
    if (!t.startsWith('[')) return false;
    const int end = t.indexOf(']');
    if (end < 0) return false;
    *name = t.mid(1, end - 1).trimmed();
    return true;
}

QStringList readLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

QString GetIniFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) {
        const QString home = qEnvironmentVariable("HOME");
        if (!home.isEmpty()) base = home + QStringLiteral("/.config");
    }
    if (!base.isEmpty()) {
        const QString folder = base + QStringLiteral("/Kelvanor");
        if (QDir().mkpath(folder)) return folder;
    }
    return ownFolder();
}

QString GetIniFilePath() {
    const QString folder = GetIniFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/Kelvanor.ini");
}

QString ReadProfileString(const QString& path, const QString& section, const QString& key, const QString& def) {
    QString current;
    bool inSection = false;
    for (const QString& line : readLines(path)) {
        if (isSection(line, &current)) {
            inSection = current.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection) continue;
        const int eq = line.indexOf('=');
        if (eq < 0) continue;
        if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) return trimmedValue(line.mid(eq + 1));
    }
    return def;
}

bool WriteProfileString(const QString& path, const QString& section, const QString& key, const QString& value) {
    QStringList lines = readLines(path);
    const QString entry = key + '=' + value;
    QString current;
    int sectionLine = -1, lastInSection = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (isSection(lines[i], &current)) {
            if (sectionLine >= 0) break;  // left our section
            if (current.compare(section, Qt::CaseInsensitive) == 0) sectionLine = lastInSection = i;
            continue;
        }
        if (sectionLine < 0) continue;
        if (!lines[i].trimmed().isEmpty()) lastInSection = i;
        const int eq = lines[i].indexOf('=');
        if (eq >= 0 && lines[i].left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = entry;
            sectionLine = -2;  // done
            break;
        }
    }
    if (sectionLine >= 0) {
        lines.insert(lastInSection + 1, entry);
    } else if (sectionLine == -1) {
        lines << '[' + section + ']' << entry;
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    return f.commit();
}

QString CIni::GetString(const QString& section, const QString& key, const QString& def) const {
    if (path_.isEmpty()) return {};
    const QString v = ReadProfileString(path_, section, key, def);
    return v.isEmpty() ? def : v;
}

bool CIni::GetBool(const QString& section, const QString& key, bool def) const {
    const QString v = GetString(section, key);
    if (v.isEmpty()) return def;
    const QChar c = v.at(0).toUpper();
    return c == '1' || c == 'O' || c == 'Y';
}

bool CIni::WriteString(const QString& section, const QString& key, const QString& value) const {
    if (path_.isEmpty()) return false;
    return WriteProfileString(path_, section, key, value);
}

}  // namespace kelvanor
