// Kelvanor.ini where the system refuses: a full disk or a file-size limit
// leaves the file byte for byte as it was (a wanted change is reported once,
// with its reason in German), a file that already says what would be
// written is not written at all, a path that is no regular file (or a
// file far too large for one) is neither read nor written over, and no file
// is written larger than the control reads.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>

#include "ControlTest.h"
#include "FileErrorText.h"
#include "FileSizeLimit.h"
#include "FullFileSystem.h"
#include "Ini.h"
#include "KelvanorCtrl.h"
#include "KelvanorPropPage.h"
#include "PropertyFrame.h"
#include "UserFileErrors.h"

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

// What a control writes for these settings, byte for byte.
const QByteArray kSettings =
    "[PortSettings]\r\nUseUSB=N\r\nUseSerial=Y\r\nSearchCOM=4-9\r\nExcludeCOM=\r\n[Debug]\r\nShowAtStartup=N\r\n";

TEST_F(IniStorageTest, AFullDiskOrAFileSizeLimitLeavesTheFileAsItWas) {
    using enum FullFileSystem::Means;
    // The five settings are saved in one replacement of the file: where the
    // room left takes the old text but not the new one ("ExcludeCOM=3" is
    // a byte longer), no part of the new settings gets in.
    const struct {
        FullFileSystem::Means means;
        qint64 room;
        QByteArray old;
        QString exclude;  // as read
    } rows[] = {
        // Not normalised: the control writes it back at its creation.
        {Mount, 0, "; mine\r\n[PortSettings]\r\nUseUSB=no\r\nExcludeCOM= 7-3\r\n", QStringLiteral("3-7")},
        {SizeLimit, 0, "; mine\r\n[PortSettings]\r\nUseUSB=no\r\nExcludeCOM= 7-3\r\n", QStringLiteral("3-7")},
        {SizeLimit, 93, kSettings, QString()},
        // One page free, and the old text fills one.
        {Mount, 4096, QByteArray(4096 - 2 - kSettings.size(), ';') + "\r\n" + kSettings, QString()},
    };
    ASSERT_EQ(kSettings.size(), 93);
    for (const auto& row : rows) {
        FullFileSystem fs(row.means);
        const ScopedEnv config("XDG_CONFIG_HOME", QFile::encodeName(fs.path()));
        const QString folder = fs.file(QStringLiteral("Kelvanor")), ini = folder + QStringLiteral("/Kelvanor.ini");
        const std::string name = std::to_string(fs.mounted()) + ' ' + std::to_string(row.room);
        ASSERT_TRUE(QDir().mkpath(folder));
        {
            QFile f(ini);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_EQ(f.write(row.old), row.old.size());
        }
        fs.Fill(row.room);
        messages.clear();
        {
            CKelvanorCtrl ctrl;
            EXPECT_EQ(ctrl.settings.ExcludeCOM, row.exclude) << name;
            EXPECT_EQ(bytesOf(ini), row.old) << name;
            EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("Kelvanor.ini")}) << name;
            EXPECT_TRUE(messages.isEmpty()) << name << messages.join('\n').toStdString();  // nothing the user chose is lost
            PropertyFrame frame;
            frame.page()->searchEdit()->setText(QStringLiteral("1-9"));
            frame.page()->excludeEdit()->setText(QStringLiteral("3"));
            frame.okButton()->click();
        }
        EXPECT_EQ(bytesOf(ini), row.old) << name;
        EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("Kelvanor.ini")}) << name;
        EXPECT_EQ(messages, QStringList{notSaved(ini, FileErrorText(fs.mounted() ? ENOSPC : EFBIG))})
            << name << messages.join('\n').toStdString();
    }
}

TEST_F(IniStorageTest, AControlCreatedOverAFileThatSaysWhatItWouldWriteWritesNothing) {
    // In a child process: a host that keeps SIGXFSZ's default action, under
    // a file-size limit of 0. Any write would end it.
    if (const QByteArray parents = qgetenv("KELVANOR_TEST_PARENT_CONFIG"); !parents.isEmpty()) {
        const ScopedEnv config("XDG_CONFIG_HOME", parents);
        std::signal(SIGXFSZ, SIG_DFL);
        const tamberlo::test::FileSizeLimit none(0);
        CKelvanorCtrl ctrl;
        return;
    }
    const QString folder = QFileInfo(iniPath()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(kSettings), kSettings.size());
    }
    const QByteArray name = QFile::encodeName(iniPath());
    struct stat before {};
    ASSERT_EQ(::stat(name.constData(), &before), 0);
    const auto untouched = [&] {
        struct stat after {};
        ASSERT_EQ(::stat(name.constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
        EXPECT_EQ(bytesOf(iniPath()), kSettings);
        EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("Kelvanor.ini")});  // no temporary file
    };
    { CKelvanorCtrl ctrl; }
    untouched();

    QProcess host;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KELVANOR_TEST_PARENT_CONFIG"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    host.setProcessEnvironment(env);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    host.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=%1.%2")
                    .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()))});
    ASSERT_TRUE(host.waitForFinished(60000));
    EXPECT_EQ(host.exitStatus(), QProcess::NormalExit);
    const QByteArray said = host.readAllStandardOutput();
    EXPECT_EQ(host.exitCode(), 0) << said.toStdString();
    EXPECT_TRUE(said.contains("[  PASSED  ] 1 test.")) << said.toStdString();  // the child did create a control
    untouched();
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

TEST_F(IniStorageTest, AFileTheNextReadWouldRefuseAsTooLargeIsNotWritten) {
    // A mebibyte, the most the control reads: a setting that keeps its size
    // is written, one that adds a byte is refused as too large.
    ASSERT_TRUE(QDir().mkpath(QFileInfo(iniPath()).absolutePath()));
    const QByteArray full = kSettings + QByteArray(1024 * 1024 - kSettings.size() - 2, ';') + "\r\n";
    {
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(full) == full.size());
    }
    const ProfileWrite same =
        WriteProfileString(iniPath(), QStringLiteral("PortSettings"), QStringLiteral("SearchCOM"), QStringLiteral("1-9"));
    EXPECT_TRUE(same.written) << same.reason.toStdString();
    QByteArray expected = full;
    expected.replace("SearchCOM=4-9", "SearchCOM=1-9");
    EXPECT_EQ(bytesOf(iniPath()), expected);
    const ProfileWrite more =
        WriteProfileString(iniPath(), QStringLiteral("PortSettings"), QStringLiteral("ExcludeCOM"), QStringLiteral("3"));
    EXPECT_FALSE(more.written);
    EXPECT_EQ(more.reason, FileErrorText(EFBIG));
    EXPECT_EQ(bytesOf(iniPath()), expected);
}

TEST(FileErrorTextTest, EveryReasonAUserCanCauseInGermanOthersWithTheSystemsWordsBeside) {
    const struct {
        int error;
        const char* text;
    } reasons[] = {
        {ENOSPC, "Auf dem Datenträger ist kein Platz mehr frei."},
        {EFBIG, "Die Datei wäre zu groß."},
        {EACCES, "Dafür fehlt die Berechtigung."},
        {EROFS, "Das Dateisystem ist schreibgeschützt."},
        {EISDIR, "Der Pfad ist ein Ordner, keine Datei."},
        {ENOTDIR, "Ein Teil des Pfades ist eine Datei, kein Ordner."},
        {ELOOP, "Der Pfad führt über zu viele symbolische Verknüpfungen."},
        {ENOENT, "Die Datei oder ihr Ordner wurde nicht gefunden."},
    };
    for (const auto& reason : reasons) EXPECT_EQ(FileErrorText(reason.error), QString::fromUtf8(reason.text)) << reason.error;
    // The system's words (English here) are never the reason.
    for (const int error : tamberlo::test::kUserFileErrors) {
        EXPECT_FALSE(FileErrorText(error).contains(qt_error_string(error), Qt::CaseInsensitive)) << error;
        EXPECT_TRUE(FileErrorText(error).endsWith(QLatin1Char('.'))) << error;
    }
    EXPECT_EQ(FileErrorText(EPROTO),
              QStringLiteral("Das System meldet den Fehler %1 (%2).").arg(EPROTO).arg(qt_error_string(EPROTO)));
}

}  // namespace
}  // namespace kelvanor::test
