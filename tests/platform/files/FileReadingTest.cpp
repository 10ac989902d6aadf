// The one reader of files: only a regular file within its caller's limit is
// read; anything else is told with its reason, and a FIFO is not waited on.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "FileReading.h"

namespace tamberlo {
namespace {

TEST(FileReading, OnlyARegularFileWithinItsLimitIsRead) {
    QTemporaryDir dir;
    const auto native = [&](const char* name) { return QFile::encodeName(dir.filePath(QString::fromLatin1(name))); };
    {
        QFile f(dir.filePath("file"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("12345") == 5);
    }
    ASSERT_EQ(::mkfifo(native("fifo").constData(), 0600), 0);
    ASSERT_EQ(::mkdir(native("folder").constData(), 0700), 0);
    ASSERT_EQ(::symlink("loop", native("loop").constData()), 0);
    const struct {
        const char* what;
        QString path;
        qint64 limit;
        ReadFault fault;
        int error;
    } rows[] = {
        {"a file at its limit", dir.filePath("file"), 5, ReadFault::None, 0},
        {"a file past its limit", dir.filePath("file"), 4, ReadFault::TooLarge, EFBIG},
        {"nothing by the name", dir.filePath("none"), 5, ReadFault::Missing, ENOENT},
        {"a FIFO without a writer", dir.filePath("fifo"), 5, ReadFault::NotAFile, 0},
        {"a device without an end", QStringLiteral("/dev/zero"), 5, ReadFault::NotAFile, 0},
        {"a folder", dir.filePath("folder"), 5, ReadFault::Unreadable, EISDIR},
        {"a link to itself", dir.filePath("loop"), 5, ReadFault::Unreadable, ELOOP},
    };
    for (const auto& row : rows) {
        const FileRead read = ReadRegularFile(row.path, row.limit);
        EXPECT_EQ(read.fault, row.fault) << row.what;
        EXPECT_EQ(read.error, row.error) << row.what;
        EXPECT_EQ(read.bytes, row.fault == ReadFault::None ? QByteArray("12345") : QByteArray()) << row.what;
    }
    struct stat info {};
    ASSERT_EQ(::lstat(native("fifo").constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
}  // namespace tamberlo
