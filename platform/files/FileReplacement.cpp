#include "FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
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

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// "<folder>/<name>.<random>": the target's own name, shortened where the
// suffix would take it past the longest name the system takes, cut at a
// character's start so that the name stays readable.
QByteArray NameBeside(const QByteArray& target, const QByteArray& suffix) {
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray name = target.mid(slash + 1);
    const qsizetype room = NAME_MAX - suffix.size();
    if (name.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.truncate(cut);
    }
    return target.left(slash + 1) + name + suffix;
}

}  // namespace

FileReplacement::FileReplacement(const QString& path) : target_(FileBehindLinks(path)) {
    const QFileInfo existing(target_);
    // Renaming over a write-protected file would get round its protection.
    if (existing.exists() && !existing.isWritable()) {
        error_ = EACCES;
        return;
    }
    // Owner only while new content for an existing file is written (it gets
    // the target's mode at the rename); a new file is made as any other.
    const mode_t mode = existing.exists() ? 0600 : 0666;
    const QByteArray target = Native(target_);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray suffix = '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const QByteArray name = NameBeside(target, suffix);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            ::close(fd);
            temp_ = QFile::decodeName(name);
            return;
        }
        if (errno != EEXIST) break;
    }
    error_ = errno;
}

FileReplacement::~FileReplacement() { Discard(); }

bool FileReplacement::Write(QByteArrayView bytes) {
    if (!Ok()) return false;
    const int fd = ::open(Native(temp_).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    int failure = fd < 0 ? errno : 0;
    for (qsizetype done = 0; failure == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) done += n;
        else if (n < 0 && errno != EINTR) failure = errno;
        else if (n == 0) failure = EIO;
    }
    if (fd >= 0 && ::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0) return true;
    error_ = failure;
    Discard();
    return false;
}

bool FileReplacement::Commit() {
    if (!Ok()) return false;
    const QByteArray temp = Native(temp_);
    const QByteArray target = Native(target_);
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    // Whether the system has stored what was written: a write it accepted
    // but could not store (a full disk behind a cache) shows up here.
    const int fd = ::open(temp.constData(), O_RDONLY | O_CLOEXEC);
    bool stored = fd >= 0 && (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) && ::fsync(fd) == 0;
    if (fd >= 0 && ::close(fd) != 0) stored = false;
    if (!stored || std::rename(temp.constData(), target.constData()) != 0) {
        error_ = errno;
        Discard();
        return false;
    }
    temp_.clear();
    // The rename itself is stored with the folder.
    const int folder = ::open(target.left(target.lastIndexOf('/') + 1).append('.').constData(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void FileReplacement::Discard() {
    if (Ok()) QFile::remove(temp_);
    temp_.clear();
}

int ReplaceFile(const QString& path, QByteArrayView bytes) {
    FileReplacement file(path);
    if (file.Write(bytes) && file.Commit()) return 0;
    return file.Error() != 0 ? file.Error() : EIO;
}

}  // namespace tamberlo
