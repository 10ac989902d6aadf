// A file replaced whole: the temporary file's mode, name and descriptor, the
// owner, group and mode the file keeps, and a write refused (past the
// reader's limit, a file-size limit, a full or read-only file system), which
// leaves the old file byte for byte, no temporary file and no descriptor.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <csignal>
#include <limits>
#include <optional>

#include "FileMode.h"
#include "FileReplacement.h"
#include "FullFileSystem.h"

namespace tamberlo {
namespace {

constexpr qint64 kNoLimit = std::numeric_limits<qint64>::max();

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

QByteArray Get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QFileInfoList OpenDescriptors() {
    return QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

// How many of the process's descriptors are open on `path`.
int DescriptorsOn(const QString& path) {
    int count = 0;
    for (const QFileInfo& fd : OpenDescriptors()) count += fd.symLinkTarget() == path;
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
    // A new file is made as any other: 0666 less the umask.
    const mode_t umask = ::umask(027);
    EXPECT_EQ(ReplaceFile(dir.filePath("new"), "new", kNoLimit), 0);
    ::umask(umask);
    EXPECT_EQ(test::FileMode(dir.filePath("new")), 0640u);
}

TEST(FileReplacement, AnotherUsersFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    QTemporaryDir dir;
    const QString path = dir.filePath("Kelvanor.ini");
    Put(path, "old");
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    ASSERT_EQ(ReplaceFile(path, "new", kNoLimit), 0);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(Get(path), "new");
}

TEST(FileReplacement, NamesUpToTheLongestTheSystemTakesAreReplaced) {
    QTemporaryDir dir;
    const QString euros = QString(84, QChar(0x20AC));  // €, three bytes each
    // 249 and 255 bytes; behind prefixes of 0, 1 and 2 bytes every cut of
    // the name falls on a character's start in one of the three.
    const QStringList names{QString(249, 'a'), euros + QChar(0x20AC), 'x' + euros + "yy", "xx" + euros + 'y'};
    for (const QString& name : names) {
        ASSERT_EQ(QFile::encodeName(name).size(), name.size() == 249 ? 249 : 255);
        // The temporary name for every length of suffix: within the limit,
        // the target's name cut at a character's start.
        for (qsizetype length = 1; length <= 12; ++length) {
            const QByteArray suffix = '.' + QByteArray(length - 1, 'z');
            const QByteArray temp = TemporaryNameBeside(QFile::encodeName(dir.filePath(name)), suffix);
            const QByteArray tempName = temp.mid(temp.lastIndexOf('/') + 1);
            EXPECT_LE(tempName.size(), NAME_MAX) << length;
            ASSERT_TRUE(tempName.endsWith(suffix)) << length;
            const QByteArray kept = tempName.chopped(suffix.size());
            EXPECT_TRUE(QFile::encodeName(name).startsWith(kept)) << length;
            EXPECT_FALSE(QString::fromUtf8(kept).contains(QChar::ReplacementCharacter))
                << "cut inside a character behind a suffix of " << length << " bytes: " << name.left(2).toStdString();
        }
        EXPECT_EQ(ReplaceFile(dir.filePath(name), "new", kNoLimit), 0);
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
        EXPECT_EQ(ReplaceFile(path, QByteArray(64 * 1024, 'n'), kNoLimit), disk.mounted() ? ENOSPC : EFBIG);
        EXPECT_EQ(Get(path), "old bytes");
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files), QStringList{"file"});
    }
}

TEST(FileReplacement, ContentUpToItsLimitIsWrittenAndNoMore) {
    QTemporaryDir dir;
    const QString path = dir.filePath("file");
    Put(path, "old bytes");
    const qsizetype descriptors = OpenDescriptors().size();
    // The limit of the file's reader, and the process's file-size limit with
    // its signal at the default action, which must not end the process:
    // what would pass a limit is refused before it is written.
    for (const bool processLimit : {false, true}) {
        int past = 0, at = 0;
        QByteArray kept;
        qsizetype open = 0;
        {
            // Checked once the limit is gone: a test's own output must not pass it.
            const auto previous = std::signal(SIGXFSZ, SIG_DFL);
            std::optional<test::FileSizeLimit> limit;
            if (processLimit) limit.emplace(16);
            const qint64 readerLimit = processLimit ? kNoLimit : 16;
            past = ReplaceFile(path, QByteArray(17, 'n'), readerLimit);
            kept = Get(path);
            open = OpenDescriptors().size();
            at = ReplaceFile(path, QByteArray(16, 'n'), readerLimit);
            limit.reset();
            std::signal(SIGXFSZ, previous);
        }
        EXPECT_EQ(past, EFBIG) << processLimit;
        EXPECT_EQ(kept, "old bytes") << processLimit;
        EXPECT_EQ(open, descriptors) << "a refused write keeps no descriptor open; " << processLimit;
        EXPECT_EQ(at, 0) << processLimit;
        EXPECT_EQ(Get(path), QByteArray(16, 'n')) << processLimit;
        Put(path, "old bytes");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"file"});
}

TEST(FileReplacement, AFileOnAReadOnlyFileSystemIsKeptWithThatReason) {
    test::FullFileSystem disk;
    const QString path = disk.file("Kelvanor.ini");
    Put(path, "old bytes");
    if (!disk.MakeReadOnly()) GTEST_SKIP() << "no file system of its own to make read-only";
    EXPECT_EQ(ReplaceFile(path, "new", kNoLimit), EROFS);  // not a missing permission
    EXPECT_EQ(Get(path), "old bytes");
    EXPECT_EQ(ReplaceFile(disk.file("new"), "new", kNoLimit), EROFS);
}

}  // namespace
}  // namespace tamberlo
