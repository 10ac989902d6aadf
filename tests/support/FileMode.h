#pragma once
// A file's permission bits as the system holds them (0 when there is no such
// file), and setting them, for tests of what a replaced file keeps.

#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace tamberlo::test {

inline mode_t FileMode(const QString& path) {
    struct stat s {};
    return ::stat(QFile::encodeName(path).constData(), &s) == 0 ? s.st_mode & 07777 : 0;
}

inline bool SetFileMode(const QString& path, mode_t mode) { return ::chmod(QFile::encodeName(path).constData(), mode) == 0; }

}  // namespace tamberlo::test
