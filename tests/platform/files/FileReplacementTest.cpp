// A file replaced whole: the temporary file's mode, name and descriptor, and
// a write the system refuses (a file-size limit, a full or read-only file
// system), which leaves the old file byte for byte and no temporary file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// How many of the process's descriptors are open on `path`.
int DescriptorsOn(const QString& path) {
    int count = 0;
    for (const QFileInfo& fd :
         QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        count += fd.symLinkTarget() == path;
    return count;
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
        // The temporary file is the one opened at its creation, until it is stored.
        EXPECT_EQ(DescriptorsOn(file.TempPath()), 1);
        ASSERT_TRUE(file.Write("new"));
        EXPECT_EQ(DescriptorsOn(file.TempPath()), 1);
        const QString temp = file.TempPath();
        ASSERT_TRUE(file.Commit());
        EXPECT_EQ(DescriptorsOn(temp) + DescriptorsOn(path), 0);
        EXPECT_EQ(test::FileMode(path), mode) << std::oct << mode;
        EXPECT_EQ(Get(path), "new");
    }
}

TEST(FileReplacement, NamesUpToTheLongestTheSystemTakesAreReplaced) {
    QTemporaryDir dir;
    const QString euros = QString(84, QChar(0x20AC));  // €, three bytes each
    // 249 and 255 bytes. The temporary name is cut at a character's start:
    // behind prefixes of 0, 1 and 2 bytes, the cut falls inside a character
    // in two of the three, whatever the length of the random suffix.
    for (const QString& name : {QString(249, 'a'), euros + QChar(0x20AC), 'x' + euros + "yy", "xx" + euros + 'y'}) {
        ASSERT_EQ(QFile::encodeName(name).size(), name.size() == 249 ? 249 : 255);
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
    // A host that keeps the limit's signal at its default action is not
    // ended by it: what would pass the limit is refused before it is written.
    QTemporaryDir dir;
    const QString path = dir.filePath("file");
    Put(path, "old bytes");
    const auto previous = std::signal(SIGXFSZ, SIG_DFL);
    {
        const test::FileSizeLimit limit(16);
        EXPECT_EQ(ReplaceFile(path, QByteArray(64, 'n')), EFBIG);
    }
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(Get(path), "old bytes");
}

TEST(FileReplacement, AFileOnAReadOnlyFileSystemIsKeptWithThatReason) {
    test::FullFileSystem disk;
    const QString path = disk.file("Kelvanor.ini");
    Put(path, "old bytes");
    if (!disk.MakeReadOnly()) GTEST_SKIP() << "no file system of its own to make read-only";
    EXPECT_EQ(ReplaceFile(path, "new"), EROFS);  // not a missing permission
    EXPECT_EQ(Get(path), "old bytes");
    EXPECT_EQ(ReplaceFile(disk.file("new"), "new"), EROFS);
}

}  // namespace
}  // namespace tamberlo
