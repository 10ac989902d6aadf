#include "Ini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <dlfcn.h>

#include <string>

#include "IniText.h"

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

// The file's bytes; empty for a file that is not there. `error` gets the
// system's reason when the file is there but cannot be read.
std::string readText(const QString& path, QString* error = nullptr) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error && f.exists()) *error = f.errorString();
        return {};
    }
    const QByteArray bytes = f.readAll();
    if (error && f.error() != QFileDevice::NoError) *error = f.errorString();
    return bytes.toStdString();
}

ProfileWrite notWritten(const QString& reason) { return {false, reason}; }

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
    const auto value = ProfileValue(readText(path), section.toStdString(), key.toStdString());
    return value ? QString::fromStdString(*value) : def;
}

ProfileWrite WriteProfileString(const QString& path, const QString& section, const QString& key, const QString& value) {
    QString error;
    const std::string old = readText(path, &error);
    if (!error.isEmpty()) return notWritten(error);
    const auto text = WithProfileValue(old, section.toStdString(), key.toStdString(), value.toStdString());
    if (!text)
        return notWritten(WhyUnsettable(old) == Unsettable::CutUtf16
                              ? QStringLiteral("Die Datei ist UTF-16-Text mit einer ungeraden Anzahl Bytes.")
                              : QStringLiteral("Die Datei ist UTF-16-Text ohne Byte Order Mark (BOM)."));
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return notWritten(f.errorString());
    if (f.write(text->data(), static_cast<qint64>(text->size())) != static_cast<qint64>(text->size())) {
        const QString reason = f.errorString();
        f.cancelWriting();
        return notWritten(reason);
    }
    if (!f.commit()) return notWritten(f.errorString());
    return {true, {}};
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

ProfileWrite CIni::WriteString(const QString& section, const QString& key, const QString& value) const {
    if (path_.isEmpty()) return notWritten(QStringLiteral("Es gibt keinen Ordner für die Datei."));
    return WriteProfileString(path_, section, key, value);
}

}  // namespace kelvanor
