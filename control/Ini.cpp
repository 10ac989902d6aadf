#include "Ini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

#include <string>
#include <vector>

#include "FileErrorText.h"
#include "FileReading.h"
#include "FileReplacement.h"
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

// The file's bytes, or why they cannot be had (a file that is not there
// reads as empty).
struct FileBytes {
    std::string bytes;
    QString error;
};

FileBytes unreadable(int error) { return {{}, FileErrorText(error)}; }

// A profile file of some lines; anything far larger is not read into
// memory, and is not written either: the next read would refuse it.
constexpr qint64 kMaxIniBytes = 1024 * 1024;

FileBytes readText(const QString& path) {
    const tamberlo::FileRead file = tamberlo::ReadRegularFile(path, kMaxIniBytes);
    switch (file.fault) {
    case tamberlo::ReadFault::None: return {file.bytes.toStdString(), {}};
    case tamberlo::ReadFault::Missing: return {};
    case tamberlo::ReadFault::NotAFile:
        return {{}, QStringLiteral("Der Pfad führt zu keiner gewöhnlichen Datei (etwa zu einer Pipe oder einem Gerät).")};
    case tamberlo::ReadFault::TooLarge: return {{}, QStringLiteral("Die Datei ist zu groß, um gelesen zu werden.")};
    case tamberlo::ReadFault::Unreadable: break;
    }
    return unreadable(file.error);
}

ProfileWrite notWritten(const QString& reason) { return {false, reason}; }

QString unsettableReason(Unsettable why) {
    switch (why) {
    case Unsettable::CutUtf16: return QStringLiteral("Die Datei ist UTF-16-Text mit einer ungeraden Anzahl Bytes.");
    case Unsettable::NulInText: return QStringLiteral("Die Datei enthält NUL-Bytes mitten im Text.");
    case Unsettable::UnmarkedUtf16: break;
    }
    return QStringLiteral("Die Datei ist UTF-16-Text ohne Byte Order Mark (BOM).");
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
    const auto value = ProfileValue(readText(path).bytes, section.toStdString(), key.toStdString());
    return value ? QString::fromStdString(*value) : def;
}

ProfileWrite WriteProfileString(const QString& path, const QString& section, const QString& key, const QString& value) {
    return WriteProfileStrings(path, {{section, key, value}});
}

ProfileWrite WriteProfileStrings(const QString& path, std::initializer_list<ProfileString> values) {
    const FileBytes old = readText(path);
    if (!old.error.isEmpty()) return notWritten(old.error);
    // The names and values as UTF-8, kept while the entries point into them.
    std::vector<std::string> texts;
    for (const ProfileString& v : values)
        texts.insert(texts.end(), {v.section.toStdString(), v.key.toStdString(), v.value.toStdString()});
    std::vector<ProfileEntry> entries;
    for (std::size_t i = 0; i + 2 < texts.size(); i += 3) entries.push_back({texts[i], texts[i + 1], texts[i + 2]});
    const auto text = WithProfileValues(old.bytes, entries);
    if (!text) return notWritten(unsettableReason(WhyUnsettable(old.bytes)));
    // Unchanged: not replaced, so a file that already says it costs no
    // write (none to fail on a full disk or under a file-size limit).
    if (*text == old.bytes) return {true, {}};
    if (const int error = tamberlo::ReplaceFile(path, *text, kMaxIniBytes)) return notWritten(FileErrorText(error));
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
    return WriteStrings({{section, key, value}});
}

ProfileWrite CIni::WriteStrings(std::initializer_list<ProfileString> values) const {
    if (path_.isEmpty()) return notWritten(QStringLiteral("Es gibt keinen Ordner für die Datei."));
    return WriteProfileStrings(path_, values);
}

}  // namespace kelvanor
