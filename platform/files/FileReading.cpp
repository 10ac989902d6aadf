#include "FileReading.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace tamberlo {

namespace {

FileRead Failed(ReadFault fault, int error) { return {{}, fault, error}; }

FileRead FromErrno(int error) {
    return error == ENOENT ? Failed(ReadFault::Missing, ENOENT) : Failed(ReadFault::Unreadable, error);
}

// Why a path that leads to no regular file is not read.
FileRead NoRegularFile(mode_t mode) {
    return S_ISDIR(mode) ? Failed(ReadFault::Unreadable, EISDIR) : Failed(ReadFault::NotAFile, 0);
}

// Opens the regular file `name` for reading, looked at before it is opened
// (opening a device may act on it) and again once open (a FIFO may have taken
// its place since: opened without waiting for a writer). The descriptor, or
// -1 with the fault in `file`; `info` describes what was opened.
int OpenRegularFile(const QByteArray& name, FileRead& file, struct stat& info) {
    if (::stat(name.constData(), &info) != 0) {
        file = FromErrno(errno);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        file = NoRegularFile(info.st_mode);
        return -1;
    }
    int fd;
    do fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) file = FromErrno(errno);
    else if (::fstat(fd, &info) != 0) file = Failed(ReadFault::Unreadable, errno);
    else if (!S_ISREG(info.st_mode)) file = NoRegularFile(info.st_mode);
    if (fd >= 0 && !file.ok()) {
        ::close(fd);
        fd = -1;
    }
    return fd;
}

}  // namespace

FileRead ReadRegularFile(const QString& path, qint64 limit) {
    FileRead file;
    struct stat info {};
    const int fd = OpenRegularFile(QFile::encodeName(path), file, info);
    if (fd < 0) return file;
    // Read up to one byte past the limit, whatever size the file claims: a
    // file may grow while it is read.
    const qint64 room = limit + 1;
    file.bytes.resize(static_cast<qsizetype>(std::min<qint64>(info.st_size, limit) + 1));
    qint64 done = 0;
    while (file.ok()) {
        if (done == file.bytes.size()) file.bytes.resize(static_cast<qsizetype>(std::min(room, 2 * done)));
        const ssize_t n = ::read(fd, file.bytes.data() + done, static_cast<size_t>(file.bytes.size() - done));
        if (n > 0) done += n;
        else if (n == 0) break;
        else if (errno != EINTR) file = Failed(ReadFault::Unreadable, errno);
        if (done > limit) file = Failed(ReadFault::TooLarge, EFBIG);
    }
    ::close(fd);
    if (file.ok()) file.bytes.truncate(static_cast<qsizetype>(done));
    return file;
}

FileRead LookAtRegularFile(const QString& path) {
    FileRead file;
    struct stat info {};
    const int fd = OpenRegularFile(QFile::encodeName(path), file, info);
    if (fd >= 0) ::close(fd);
    return file;
}

}  // namespace tamberlo
