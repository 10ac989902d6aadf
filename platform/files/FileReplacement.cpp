#include "FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>

namespace tamberlo {

namespace {

// The file a path leads to: a symbolic link followed to the end of its
// chain, so that the link itself is kept. Nothing for a chain that does not
// end (a loop): no file may take the place of one of its links.
std::optional<QString> FileBehindLinks(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
    if (info.isSymLink()) return std::nullopt;
    return info.filePath();
}

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

}  // namespace

QByteArray TemporaryNameBeside(const QByteArray& target, const QByteArray& suffix) {
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray name = target.mid(slash + 1);
    const qsizetype room = NAME_MAX - suffix.size();
    if (name.size() > room) {
        // A continuation byte (10xxxxxx) is no character's start.
        qsizetype cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.truncate(cut);
    }
    return target.left(slash + 1) + name + suffix;
}

FileReplacement::FileReplacement(const QString& path, qint64 limit) : limit_(limit) {
    const std::optional<QString> target = FileBehindLinks(path);
    if (!target) {
        error_ = ELOOP;
        return;
    }
    target_ = *target;
    const QByteArray name = Native(target_);
    struct stat existing {};
    const bool exists = ::stat(name.constData(), &existing) == 0;
    // Renaming over a write-protected file would get round its protection;
    // the system tells why it may not be written (EACCES, EROFS).
    if (exists && ::access(name.constData(), W_OK) != 0) {
        error_ = errno;
        return;
    }
    // Owner only while new content for an existing file is written (it gets
    // the target's mode at the rename); a new file is made as any other.
    const mode_t mode = exists ? 0600 : 0666;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray suffix = '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const QByteArray temp = TemporaryNameBeside(name, suffix);
        // Kept open until it is stored: the file written and synced is the
        // one created here, whatever another takes its name meanwhile.
        fd_ = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd_ >= 0) {
            temp_ = QFile::decodeName(temp);
            return;
        }
        if (errno != EEXIST) break;
    }
    error_ = errno;
}

FileReplacement::~FileReplacement() { Discard(); }

bool FileReplacement::Write(QByteArrayView bytes) {
    if (!Ok()) return false;
    int failure = 0;
    const qint64 size = written_ + bytes.size();
    struct rlimit process {};
    if (size > limit_ || (::getrlimit(RLIMIT_FSIZE, &process) == 0 && process.rlim_cur != RLIM_INFINITY &&
                          static_cast<rlim_t>(size) > process.rlim_cur))
        failure = EFBIG;
    for (qsizetype done = 0; failure == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd_, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            written_ += n;
        } else if (n < 0 && errno != EINTR) failure = errno;
        else if (n == 0) failure = EIO;
    }
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
    int failure = 0;
    // Owner and group before the mode: a change of owner clears the set-id
    // bits. Only a privileged process may give a file away; for any other a
    // refusal (EPERM) leaves the file its writer's, as a new one would be.
    if (replacing && ::fchown(fd_, old.st_uid, old.st_gid) != 0 && errno != EPERM) failure = errno;
    if (failure == 0 && ((replacing && ::fchmod(fd_, old.st_mode & 07777) != 0) || ::fsync(fd_) != 0)) failure = errno;
    if (::close(fd_) != 0 && failure == 0) failure = errno;
    fd_ = -1;
    if (failure == 0 && std::rename(temp.constData(), target.constData()) != 0) failure = errno;
    if (failure != 0) {
        error_ = failure;
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
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (Ok()) QFile::remove(temp_);
    temp_.clear();
}

int ReplaceFile(const QString& path, QByteArrayView bytes, qint64 limit) {
    FileReplacement file(path, limit);
    if (file.Write(bytes) && file.Commit()) return 0;
    return file.Error() != 0 ? file.Error() : EIO;
}

}  // namespace tamberlo
