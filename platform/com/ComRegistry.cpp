#include "ComRegistry.h"

#include <QFile>

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "FileReplacement.h"

namespace tamberlo::com {
namespace {

// Some thirty lines per library registered; anything far larger is no
// registration file: it is not read into memory, nor written.
constexpr qint64 kMaxRegistryBytes = 1024 * 1024;

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

void makeParentFolders(const std::string& file) {
    for (std::size_t pos = file.find('/', 1); pos != std::string::npos; pos = file.find('/', pos + 1))
        ::mkdir(file.substr(0, pos).c_str(), 0755);
}

bool writeRegistry(const std::map<std::string, std::string>& entries) {
    const std::string path = RegistryFilePath();
    makeParentFolders(path);
    std::string text = "# COM-style class registrations\n";
    for (const auto& [key, value] : entries) text += key + '=' + value + '\n';
    const int error = ReplaceFile(QFile::decodeName(QByteArray::fromStdString(path)),
                                  QByteArrayView(text.data(), static_cast<qsizetype>(text.size())), kMaxRegistryBytes);
    if (error != 0) errno = error;
    return error == 0;
}

// The entries a change starts from; nothing when the file cannot be read
// (errno then at the system's reason, where there is one).
std::optional<std::map<std::string, std::string>> entriesToChange() {
    RegistryFault why;
    auto entries = ReadRegistry(&why);
    if (!why) return entries;
    if (why.error != 0) errno = why.error;
    return std::nullopt;
}

// A registration that changes nothing writes nothing, so that registering
// again at every start (as the start script does) works on a full disk.
bool writeRegistryIfChanged(const std::map<std::string, std::string>& old, const std::map<std::string, std::string>& entries) {
    return entries == old || writeRegistry(entries);
}

}  // namespace

std::string RegistryFilePath() {
    std::string file = env("TAMBERLO_COM_REGISTRY");
    if (!file.empty()) return file;
    std::string base = env("XDG_CONFIG_HOME");
    if (base.empty()) base = env("HOME") + "/.config";
    return base + "/tamberlo/ComClasses.reg";
}

std::map<std::string, std::string> ReadRegistry(RegistryFault* why) {
    std::map<std::string, std::string> entries;
    const FileRead file = ReadRegularFile(QFile::decodeName(QByteArray::fromStdString(RegistryFilePath())), kMaxRegistryBytes);
    if (why) *why = file.fault == ReadFault::Missing ? RegistryFault{} : RegistryFault{file.fault, file.error};
    for (const QByteArray& line : file.bytes.split('\n')) {
        if (line.isEmpty() || line[0] == '#') continue;
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0) continue;
        entries[line.left(eq).toStdString()] = line.mid(eq + 1).toStdString();
    }
    return entries;
}

std::optional<std::string> RegistryValue(const std::string& key) {
    const auto entries = ReadRegistry();
    const auto it = entries.find(key);
    if (it == entries.end()) return std::nullopt;
    return it->second;
}

bool SetRegistryValues(const std::map<std::string, std::string>& values) {
    const auto old = entriesToChange();
    if (!old) return false;
    auto entries = *old;
    for (const auto& [key, value] : values) entries[key] = value;
    return writeRegistryIfChanged(*old, entries);
}

bool RemoveRegistryKeys(const std::initializer_list<std::string>& prefixes) {
    const auto old = entriesToChange();
    if (!old) return false;
    auto entries = *old;
    for (auto it = entries.begin(); it != entries.end();) {
        bool drop = false;
        for (const auto& p : prefixes) drop = drop || it->first.compare(0, p.size(), p) == 0;
        it = drop ? entries.erase(it) : std::next(it);
    }
    return writeRegistryIfChanged(*old, entries);
}

std::optional<std::string> LibraryForProgId(const std::string& progId, std::string* classId, RegistryFault* why) {
    const auto entries = ReadRegistry(why);
    const auto cls = entries.find("ProgID\\" + progId + "\\CLSID");
    if (cls == entries.end()) return std::nullopt;
    const auto lib = entries.find("CLSID\\" + cls->second + "\\InprocServer32");
    if (lib == entries.end()) return std::nullopt;
    if (classId) *classId = cls->second;
    return lib->second;
}

}  // namespace tamberlo::com
