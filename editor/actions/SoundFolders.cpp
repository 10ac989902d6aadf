#include "SoundFolders.h"

#include "CodePage.h"

#include <QDir>
#include <QRegularExpression>
#include <QStorageInfo>

#include <algorithm>

namespace tamberlo {

namespace {

std::optional<QList<MountedVolume>> givenVolumes;

QList<MountedVolume> mountedVolumes() {
    if (givenVolumes) return *givenVolumes;
    QList<MountedVolume> volumes;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        volumes.push_back({v.rootPath(), QString::fromLocal8Bit(v.device()), v.isValid() && v.isReady()});
    return volumes;
}

bool isWindowsPath(const QString& folder) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    return drive.match(folder).hasMatch();
}

// `root` contains `path` as a whole path prefix ("/media/a" contains "/media/a/b", not "/media/ab").
bool containsPath(const QString& root, const QString& path) {
    if (root == QLatin1String("/")) return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

QStringList sortedEntries(const QString& folder, QDir::Filters filters, const QStringList& patterns = {}) {
    QDir dir(folder);
    if (!patterns.isEmpty()) dir.setNameFilters(patterns);
    QStringList names = dir.entryList(filters | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    return names;
}

}  // namespace

QString cleanFolder(const QString& folder) {
    if (folder.isEmpty()) return folder;
    return QDir::cleanPath(QDir(folder).absolutePath());
}

void SetMountedVolumes(std::optional<QList<MountedVolume>> volumes) { givenVolumes = std::move(volumes); }

QStringList volumeRoots() {
    QStringList roots{QStringLiteral("/")};
    for (const MountedVolume& v : mountedVolumes()) {
        // Only volumes on a device hold the user's files; proc, sysfs, tmpfs and the like do not.
        if (!v.ready || !v.device.startsWith(QLatin1String("/dev/"))) continue;
        const QString& root = v.root;
        if (root.startsWith(QLatin1String("/boot")) || roots.contains(root)) continue;
        roots << root;
    }
    std::sort(roots.begin() + 1, roots.end());
    return roots;
}

QString driveOfFolder(const QString& folder) {
    if (folder.isEmpty()) return {};
    // A folder written on Windows, or one that is no absolute path, shows its first two characters.
    if (isWindowsPath(folder) || !folder.startsWith(QLatin1Char('/'))) return folder.left(2);
    const QString path = QDir::cleanPath(folder);
    QString best = QStringLiteral("/");
    for (const MountedVolume& v : mountedVolumes()) {
        if (v.root.size() > best.size() && containsPath(v.root, path)) best = v.root;
    }
    return best;
}

QStringList subfolders(const QString& folder) { return sortedEntries(folder, QDir::Dirs); }

QStringList wavFiles(const QString& folder) {
    // Name filters of QDir match without regard to case unless told otherwise.
    return sortedEntries(folder, QDir::Files, {QStringLiteral("*.wav")});
}

bool storableSoundName(const QString& name) {
    for (QChar c : name)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char(',')) return false;
    if (name.startsWith(QLatin1Char('"'))) return false;
    return !name.contains(QLatin1String("/\\")) && CodePageHolds(name);
}

}  // namespace tamberlo
