// Kelvanor.ini where the system refuses: a full disk or a file-size limit
// leaves the file byte for byte as it was (a wanted change is reported once,
// with its reason in German), and a path that is no regular file (or a file
// far too large for one) is neither read nor written over.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <functional>

#include "ControlTest.h"
#include "FileErrorText.h"
#include "FullFileSystem.h"
#include "KelvanorCtrl.h"
#include "KelvanorPropPage.h"
#include "PropertyFrame.h"

namespace kelvanor::test {
namespace {

using tamberlo::test::FullFileSystem;

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QString notSaved(const QString& path, const QString& reason) {
    return QStringLiteral("Die Einstellungen konnten nicht in %1 gespeichert werden:\n%2").arg(path, reason);
}

using IniStorageTest = ControlTest;

TEST_F(IniStorageTest, AFullDiskOrAFileSizeLimitLeavesTheFileAsItWas) {
    // Not normalised: the control writes it back at its creation.
    const QByteArray old = "; mine\r\n[PortSettings]\r\nUseUSB=no\r\nExcludeCOM= 7-3\r\n";
    for (const auto means : {FullFileSystem::Means::Mount, FullFileSystem::Means::SizeLimit}) {
        FullFileSystem fs(means);
        const ScopedEnv config("XDG_CONFIG_HOME", QFile::encodeName(fs.path()));
        const QString folder = fs.file(QStringLiteral("Kelvanor")), ini = folder + QStringLiteral("/Kelvanor.ini");
        ASSERT_TRUE(QDir().mkpath(folder));
        {
            QFile f(ini);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_EQ(f.write(old), old.size());
        }
        fs.Fill();
        messages.clear();
        {
            CKelvanorCtrl ctrl;
            EXPECT_EQ(ctrl.settings.ExcludeCOM, QStringLiteral("3-7"));
            EXPECT_EQ(bytesOf(ini), old) << fs.mounted();
            EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("Kelvanor.ini")}) << fs.mounted();
            EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();  // nothing the user chose is lost
            PropertyFrame frame;
            frame.page()->excludeEdit()->setText(QStringLiteral("9"));
            frame.okButton()->click();
        }
        EXPECT_EQ(bytesOf(ini), old) << fs.mounted();
        EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("Kelvanor.ini")}) << fs.mounted();
        EXPECT_EQ(messages, QStringList{notSaved(ini, FileErrorText(fs.mounted() ? ENOSPC : EFBIG))})
            << messages.join('\n').toStdString();
    }
}

TEST_F(IniStorageTest, APathThatIsNoRegularFileIsNeitherReadNorWrittenOver) {
    const QString folder = QFileInfo(iniPath()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray name = QFile::encodeName(iniPath());
    const struct {
        const char* name;
        std::function<int()> make;
        mode_t type;
        QString reason;
    } paths[] = {
        {"FIFO", [&] { return ::mkfifo(name.constData(), 0600); }, S_IFIFO,
         QStringLiteral("Der Pfad führt zu keiner gewöhnlichen Datei (etwa zu einer Pipe oder einem Gerät).")},
        {"folder", [&] { return ::mkdir(name.constData(), 0700); }, S_IFDIR, FileErrorText(EISDIR)},
        {"link to itself", [&] { return ::symlink("Kelvanor.ini", name.constData()); }, S_IFLNK, FileErrorText(ELOOP)},
        {"file past a mebibyte",
         [&] {
             QFile f(iniPath());
             return f.open(QIODevice::WriteOnly) && f.resize(1024 * 1024 + 1) ? 0 : -1;
         },
         S_IFREG, QStringLiteral("Die Datei ist zu groß, um gelesen zu werden.")},
    };
    for (const auto& path : paths) {
        ASSERT_EQ(path.make(), 0) << path.name;
        messages.clear();
        {
            CKelvanorCtrl ctrl;  // returns: a FIFO is not opened to wait for a writer
            EXPECT_EQ(ctrl.settings.SearchCOM, QStringLiteral("1-255")) << path.name;
            ctrl.settings.ExcludeCOM = QStringLiteral("9");
            ctrl.SetModifiedFlag();
        }
        struct stat info {};
        ASSERT_EQ(::lstat(name.constData(), &info), 0) << path.name;
        EXPECT_EQ(info.st_mode & S_IFMT, path.type) << path.name;
        EXPECT_EQ(messages, QStringList{notSaved(iniPath(), path.reason)}) << path.name << messages.join('\n').toStdString();
        ASSERT_EQ(std::remove(name.constData()), 0) << path.name;
    }

    // The folder gone while the control lives.
    messages.clear();
    {
        CKelvanorCtrl ctrl;
        ASSERT_TRUE(QDir(folder).removeRecursively());
        ctrl.SetModifiedFlag();
    }
    EXPECT_EQ(messages, QStringList{notSaved(iniPath(), FileErrorText(ENOENT))}) << messages.join('\n').toStdString();
}

TEST(FileErrorTextTest, CommonReasonsInGermanOthersInTheSystemsWords) {
    for (const int error : {ENOSPC, EFBIG, EACCES, EPERM, EROFS, EISDIR, ELOOP, ENOENT})
        EXPECT_NE(FileErrorText(error), qt_error_string(error)) << error;
    EXPECT_EQ(FileErrorText(EPERM), FileErrorText(EACCES));
    EXPECT_EQ(FileErrorText(EIO), qt_error_string(EIO));
}

}  // namespace
}  // namespace kelvanor::test
