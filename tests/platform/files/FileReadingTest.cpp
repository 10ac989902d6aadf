// The one reader of files: only a regular file within its caller's limit is
// read; anything else is told with its reason and never opened, a FIFO is not
// waited on, and no more memory is taken than the limit, whatever size the
// file claims.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "FileReading.h"

namespace tamberlo {
namespace {

// Reads `path` on a thread of its own. Should the read wait on a FIFO for a
// writer, the test gives it one, so that it fails instead of hanging.
FileRead ReadWatched(const QString& path, qint64 limit) {
    std::packaged_task<FileRead()> task([&] { return ReadRegularFile(path, limit); });
    std::future<FileRead> read = task.get_future();
    std::thread reader(std::move(task));
    const bool waited = read.wait_for(std::chrono::seconds(60)) != std::future_status::ready;
    if (waited) ::close(::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    reader.join();
    EXPECT_FALSE(waited) << "the read waited for a writer";
    return read.get();
}

// The names of the entries opened in the folder watched by `watch`, in order.
std::string Opened(int watch) {
    QStringList names;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            names << QString::fromUtf8(event->name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    return names.join(' ').toStdString();
}

TEST(FileReading, OnlyARegularFileWithinItsLimitIsRead) {
    QTemporaryDir dir;
    const auto native = [&](const char* name) { return QFile::encodeName(dir.filePath(QString::fromLatin1(name))); };
    {
        QFile f(dir.filePath("file"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("12345") == 5);
        // A file that claims a terabyte it does not hold.
        QFile sparse(dir.filePath("sparse"));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 40));
    }
    ASSERT_EQ(::mkfifo(native("fifo").constData(), 0600), 0);
    ASSERT_EQ(::mkdir(native("folder").constData(), 0700), 0);
    ASSERT_EQ(::symlink("loop", native("loop").constData()), 0);
    // The device /dev/zero, in the folder watched (only root may make one).
    const bool device = ::mknod(native("zero").constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_OPEN), 0);
    const struct {
        const char* what;
        QString path;
        qint64 limit;
        ReadFault fault;
        int error;
    } rows[] = {
        {"a file at its limit", dir.filePath("file"), 5, ReadFault::None, 0},
        {"a file past its limit", dir.filePath("file"), 4, ReadFault::TooLarge, EFBIG},
        {"a sparse file of a terabyte", dir.filePath("sparse"), 5, ReadFault::TooLarge, EFBIG},
        {"nothing by the name", dir.filePath("none"), 5, ReadFault::Missing, ENOENT},
        {"a FIFO without a writer", dir.filePath("fifo"), 5, ReadFault::NotAFile, 0},
        {"a device without an end", device ? dir.filePath("zero") : QStringLiteral("/dev/zero"), 5, ReadFault::NotAFile, 0},
        {"a folder", dir.filePath("folder"), 5, ReadFault::Unreadable, EISDIR},
        {"a link to itself", dir.filePath("loop"), 5, ReadFault::Unreadable, ELOOP},
    };
    for (const auto& row : rows) {
        const FileRead read = ReadWatched(row.path, row.limit);
        EXPECT_EQ(read.fault, row.fault) << row.what;
        EXPECT_EQ(read.error, row.error) << row.what;
        EXPECT_EQ(read.bytes, row.fault == ReadFault::None ? QByteArray("12345") : QByteArray()) << row.what;
    }
    // Only the regular files were opened (the system tells two opens of one
    // file in a row as one); the file read last shows that every open
    // before it has been seen.
    EXPECT_TRUE(ReadRegularFile(dir.filePath("file"), 5).ok());
    EXPECT_EQ(Opened(watch), "file sparse file");
    ::close(watch);
    struct stat info {};
    ASSERT_EQ(::lstat(native("fifo").constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
}  // namespace tamberlo
