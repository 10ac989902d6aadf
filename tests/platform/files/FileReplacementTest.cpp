// A file replaced whole: the temporary file's mode and name, and a write the
// system refuses (a file-size limit, a full file system), which leaves the
// old file byte for byte and no temporary file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

#include "FileMode.h"
#include "FileReplacement.h"
#include "FullFileSystem.h"

namespace tamberlo {
namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

QByteArray Get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(FileReplacement, TheNewContentIsNeverMoreOpenThanTheOldAndGetsItsMode) {
    QTemporaryDir dir;
    const QString path = dir.filePath("file");
    for (const mode_t mode : {0600, 0644}) {
        Put(path, "old");
        ASSERT_TRUE(test::SetFileMode(path, mode));
        FileReplacement file(path);
        ASSERT_TRUE(file.Ok());
        EXPECT_EQ(test::FileMode(file.TempPath()) & ~mode, 0u) << std::oct << mode;  // while it is written
        ASSERT_TRUE(file.Write("new") && file.Commit());
        EXPECT_EQ(test::FileMode(path), mode) << std::oct << mode;
        EXPECT_EQ(Get(path), "new");
    }
}

TEST(FileReplacement, NamesUpToTheLongestTheSystemTakesAreReplaced) {
    QTemporaryDir dir;
    const QString twoBytes = QString(127, QChar(0xE9));  // é, two bytes each
    // 249 and 255 bytes; the temporary name is cut at a character's start
    // whether the cut falls on an even or an odd byte.
    for (const QString& name : {QString(249, 'a'), twoBytes + 'x', 'x' + twoBytes}) {
        EXPECT_EQ(ReplaceFile(dir.filePath(name), "new"), 0);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
        QFile::remove(dir.filePath(name));
    }
}

TEST(FileReplacement, ARefusedWriteKeepsTheOldBytesAndLeavesNoTemporaryFile) {
    using Means = test::FullFileSystem::Means;
    for (const Means means : {Means::SizeLimit, Means::Mount}) {
        test::FullFileSystem disk(means);
        const QString path = disk.file("file");
        Put(path, "old bytes");
        disk.Fill();
        EXPECT_EQ(ReplaceFile(path, QByteArray(64 * 1024, 'n')), disk.mounted() ? ENOSPC : EFBIG);
        EXPECT_EQ(Get(path), "old bytes");
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files), QStringList{"file"});
    }
}

}  // namespace
}  // namespace tamberlo
