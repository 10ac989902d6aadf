#pragma once
// The file system as the sound picker sees it: "drives" (on Linux the roots
// of the mounted volumes), the sub-folders and .wav files of a folder, and
// which names a ladder file can hold. No widgets and no shared state.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tamberlo {

// A mounted volume as the drive list looks at it.
struct MountedVolume {
    QString root;
    QString device;  // "/dev/sdb1"; proc, sysfs, tmpfs and the like have none
    bool ready = true;
};
// The volumes volumeRoots and driveOfFolder look at are these from now on;
// nullopt gives them the machine's own (QStorageInfo) again. A test gives its
// own: the machine's depend on what happens to be mounted.
void SetMountedVolumes(std::optional<QList<MountedVolume>> volumes);

// The drive list: the roots of the mounted volumes that hold files, "/" first.
QStringList volumeRoots();
// The drive of a stored sound folder: "C:" for a folder written on Windows
// ("C:\...") and for a path that is not absolute the first two characters,
// otherwise the root of the mounted volume the folder lies on ("/" or
// "/media/stick").
QString driveOfFolder(const QString& folder);
// The sub-folders of `folder`, sorted without regard to case.
QStringList subfolders(const QString& folder);
// The .wav files of `folder` (".wav" in any case), sorted without regard to case.
QStringList wavFiles(const QString& folder);
// A folder or file name that the ladder file can hold: no Tab, CR or LF
// (they would break its columns and lines), no comma and no leading double
// quote (a reader of the file ends the sound field at a comma and reads a
// field that opens with a quote as a quoted one), no "/\" (its separator
// between folder and file), and only characters its code page holds (it
// would write the others as "?" and the sound would be lost).
bool storableSoundName(const QString& name);
// The path of a folder as the folder list reports it: absolute, clean, with
// forward slashes and no trailing slash (except "/").
QString cleanFolder(const QString& folder);

}  // namespace tamberlo
