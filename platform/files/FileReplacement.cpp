#include "FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace tamberlo {

namespace {

// The file a path leads to: a symbolic link followed to the end of its
// chain, so that the link itself is kept. A chain that does not end (a loop)
// leaves the path as it is.
QString FileBehindLinks(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// A new, empty file "<target>.<random>" in the target's folder, or "" when
// the folder takes no new file. Created with the usual mode, so the user's
// umask decides who may read a new file.
QString CreateFileBeside(const QString& target) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = target + QLatin1Char('.') + QString::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) break;
    }
    return {};
}

// Whether the system has stored what was written to `path`: a write it
// accepted but could not store shows up here.
bool Stored(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

}  // namespace

FileReplacement::FileReplacement(const QString& path) : target_(FileBehindLinks(path)) {
    const QFileInfo existing(target_);
    // Renaming over a write-protected file would get round its protection.
    if (existing.exists() && !existing.isWritable()) return;
    temp_ = CreateFileBeside(target_);
}

FileReplacement::~FileReplacement() { Discard(); }

bool FileReplacement::Commit() {
    if (!Ok()) return false;
    if (QFileInfo::exists(target_)) QFile::setPermissions(temp_, QFile::permissions(target_));
    if (!Stored(temp_) || std::rename(QFile::encodeName(temp_).constData(), QFile::encodeName(target_).constData()) != 0) {
        Discard();
        return false;
    }
    temp_.clear();
    return true;
}

void FileReplacement::Discard() {
    if (Ok()) QFile::remove(temp_);
    temp_.clear();
}

}  // namespace tamberlo
