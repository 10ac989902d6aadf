// The one reader of files: only a regular file within its caller's limit is
// read; anything else is told with its reason and never opened, a FIFO is not
// waited on, and no more memory is taken than the limit, whatever size the
// file claims.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <cerrno>
#include <string>

#include "FifoWatchdog.h"
#include "FileReading.h"
#include "FolderWatch.h"

namespace tamberlo {
namespace {

// The names of the entries opened in the folder `watch` watches, in order.
std::string Opened(test::FolderWatch& watch) {
    QStringList names;
    for (const test::FolderWatch::Event& event : watch.Events()) names << event.name;
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
    test::FolderWatch watch(dir.path(), IN_OPEN);
    ASSERT_TRUE(watch.ok());
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
        FileRead read;
        EXPECT_TRUE(test::ReturnsWithoutAWriter(row.path, [&] { read = ReadRegularFile(row.path, row.limit); })) << row.what;
        EXPECT_EQ(read.fault, row.fault) << row.what;
        EXPECT_EQ(read.error, row.error) << row.what;
        EXPECT_EQ(read.bytes, row.fault == ReadFault::None ? QByteArray("12345") : QByteArray()) << row.what;
    }
    // Only the regular files were opened (two opens of one in a row told as
    // one); the file read last shows that every open before it was seen.
    EXPECT_TRUE(ReadRegularFile(dir.filePath("file"), 5).ok());
    EXPECT_EQ(Opened(watch), "file sparse file");
    struct stat info {};
    ASSERT_EQ(::lstat(native("fifo").constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
}  // namespace tamberlo
