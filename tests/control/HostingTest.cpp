// Registration of the control library and its hosting by the program: the
// registration round trip, the registering tool, creating Kelvanor1 by class,
// driving an emulated module through the program's client, and the way out.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ClassLoader.h"
#include "ComRegistry.h"
#include "Controls.h"
#include "FakeDialogs.h"
#include "FifoWatchdog.h"
#include "FileSizeLimit.h"
#include "FolderWatch.h"
#include "FullFileSystem.h"
#include "HostTest.h"
#include "InputReading.h"
#include "InstalledServices.h"
#include "KelvanorDispatchClient.h"
#include "KelvanorHost.h"
#include "ProgramEnd.h"
#include "SharedState.h"

namespace kelvanor::test {
namespace {

namespace com = tamberlo::com;

using HostingTest = HostTest;

constexpr const char* kControlProgId = "QORLAN32.Qorlan32Ctrl.1";
constexpr const char* kPropPageProgId = "KELVANOR.KelvanorPropPage.1";
constexpr const char* kControlClassId = "{6B1F4C21-3D7A-4E52-9A0B-5C2E8D4F7A11}";

QString RegisteringTool() { return QCoreApplication::applicationDirPath() + QStringLiteral("/comregister"); }

bool IsFifo(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

// Closes the next modal dialog once it runs and gives its title.
std::shared_ptr<QString> CloseNextModal() {
    auto title = std::make_shared<QString>();
    QTimer::singleShot(0, [title] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            *title = w->windowTitle();
            w->close();
        }
    });
    return title;
}

TEST_F(HostingTest, TheLibraryExportsOnlyWhatAHostResolves) {
    for (const char* name : {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"})
        EXPECT_TRUE(library.Exports(name)) << name;
    QProcess nm;
    nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"), HostedLibrary::Path()});
    ASSERT_TRUE(nm.waitForFinished(30000));
    if (nm.exitCode() != 0) GTEST_SKIP() << "nm is not available";
    QStringList defined;
    for (const QByteArray& line : nm.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() == 3 && parts[1] != "A") defined << QString::fromLatin1(parts[2]);
    }
    defined.sort();
    EXPECT_EQ(defined, (QStringList{QStringLiteral("DllCanUnloadNow"), QStringLiteral("DllGetClassObject"),
                                    QStringLiteral("DllRegisterServer"), QStringLiteral("DllUnregisterServer")}));
}

TEST_F(HostingTest, RegistrationRoundTrip) {
    ASSERT_EQ(library.Register(), com::S_Ok);
    ASSERT_EQ(library.Register(), com::S_Ok);  // twice is fine
    std::string classId;
    const auto path = com::LibraryForProgId(kControlProgId, &classId);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(QFileInfo(QString::fromStdString(*path)).canonicalFilePath(), QFileInfo(HostedLibrary::Path()).canonicalFilePath());
    EXPECT_EQ(classId, kControlClassId);
    EXPECT_EQ(com::RegistryValue(std::string("CLSID\\") + kControlClassId + "\\MiscStatus"), std::string("131473"));
    EXPECT_TRUE(com::LibraryForProgId(kPropPageProgId).has_value());

    com::ClassFactory* factory = nullptr;
    ASSERT_EQ(library.GetClassObject(kControlClassId, &factory), com::S_Ok);
    com::DispatchObject* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(&object), com::S_Ok);
    EXPECT_TRUE(library.HasLiveObjects());
    object->Release();
    EXPECT_FALSE(library.HasLiveObjects());
    EXPECT_EQ(library.GetClassObject("{00000000-0000-0000-0000-000000000000}", &factory), com::Class_E_ClassNotAvailable);

    ASSERT_EQ(library.Unregister(), com::S_Ok);
    EXPECT_FALSE(com::LibraryForProgId(kControlProgId).has_value());
    EXPECT_FALSE(com::LibraryForProgId(kPropPageProgId).has_value());
    EXPECT_TRUE(com::ReadRegistry().empty());
}

TEST_F(HostingTest, AnUnwritableRegistrationFileFailsWithTheTypeLibraryCode) {
    ScopedEnv bad("TAMBERLO_COM_REGISTRY", "/proc/no-such-folder/ComClasses.reg");
    EXPECT_EQ(library.Register(), com::SelfReg_E_TypeLib);
}

TEST_F(HostingTest, ARegistrationIsOneReplacementAndOneThatFailsLeavesTheFileByteForByte) {
    tamberlo::test::FullFileSystem disk;
    QFile file(disk.file(QStringLiteral("ComClasses.reg")));
    ScopedEnv registry("TAMBERLO_COM_REGISTRY", QFile::encodeName(file.fileName()));
    const QByteArray others = "# COM-style class registrations\nCLSID\\{0}\\InprocServer32=/usr/lib/other.so\n";
    const auto holds = [&] {
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files), QStringList{QStringLiteral("ComClasses.reg")});
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        return bytes;
    };
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(others) == others.size());
    file.close();
    // Renames into the folder: replacements of the file (its temporary files'
    // creations between them, so that no two are told as one).
    tamberlo::test::FolderWatch watch(disk.path(), IN_CREATE | IN_MOVED_TO);
    ASSERT_TRUE(watch.ok());

    ASSERT_EQ(library.Register(), com::S_Ok);
    EXPECT_EQ(watch.Count(IN_MOVED_TO), 1);
    const QByteArray registered = holds();
    struct stat before {};
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(file.fileName()).constData(), &before), 0);
    // Registered already: not written at all.
    EXPECT_EQ(library.Register(), com::S_Ok);
    ASSERT_EQ(::stat(QFile::encodeName(file.fileName()).constData(), &after), 0);
    EXPECT_EQ(watch.Count(IN_MOVED_TO), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    ASSERT_EQ(library.Unregister(), com::S_Ok);
    EXPECT_EQ(watch.Count(IN_MOVED_TO), 1);
    EXPECT_EQ(holds(), others);

    // Room for all but the last byte of the registration: none of it gets
    // in (part of it would fit). The signal is ignored, as the tool does.
    {
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        const tamberlo::test::FileSizeLimit limit(static_cast<rlim_t>(registered.size() - 1));
        const com::HResult result = library.Register();
        std::signal(SIGXFSZ, previous);
        EXPECT_EQ(result, com::SelfReg_E_TypeLib);
    }
    EXPECT_EQ(holds(), others);

    ASSERT_EQ(library.Register(), com::S_Ok);
    // The registering tool under a file-size limit of 0, the signal at its default.
    QProcess tool;
    tool.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &none);
    });
    tool.start(RegisteringTool(), {QStringLiteral("-u"), HostedLibrary::Path()});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_EQ(QString::fromLocal8Bit(tool.readAllStandardError()),
              QStringLiteral("comregister: DllUnregisterServer failed (0x80040200): %1 cannot be written: %2\n")
                  .arg(file.fileName(), QString::fromLocal8Bit(std::strerror(EFBIG))));
    EXPECT_EQ(holds(), registered);

    disk.Fill();
    // Registering what is registered writes nothing: the program still starts.
    EXPECT_EQ(library.Register(), com::S_Ok);
    EXPECT_EQ(library.Unregister(), com::SelfReg_E_TypeLib);
    EXPECT_EQ(holds(), registered);
    EXPECT_EQ(watch.Count(IN_MOVED_TO), 1);  // the registration before the tool's
}

TEST_F(HostingTest, ARegistrationFileIsNotWrittenLargerThanItIsRead) {
    // A mebibyte, the most a registration file is read, in one entry; the
    // registration would add to it.
    const QString path = QString::fromStdString(com::RegistryFilePath());
    const QByteArray others = "# COM-style class registrations\nOther=" + QByteArray(1024 * 1024 - 39, 'x') + '\n';
    ASSERT_EQ(others.size(), 1024 * 1024);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(others) == others.size());
    file.close();
    errno = 0;
    EXPECT_EQ(library.Register(), com::SelfReg_E_TypeLib);
    EXPECT_EQ(errno, EFBIG);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == others);
}

TEST_F(HostingTest, ARegistrationFileThatIsAFifoIsNeitherWaitedOnNorReplaced) {
    const QString path = QString::fromStdString(com::RegistryFilePath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // The registering tool (as the start script runs it) returns, naming the file and the reason.
    QProcess tool;
    tool.start(RegisteringTool(), {HostedLibrary::Path()});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_EQ(QString::fromLocal8Bit(tool.readAllStandardError()),
              QStringLiteral("comregister: DllRegisterServer failed (0x80040200): %1 cannot be read: it is no regular file (a "
                             "FIFO, a device or a socket) and is left as it is\n")
                  .arg(path));
    // So does the program's lookup, and it says why in the user's language.
    tamberlo::test::FakeDialogs dialogs;
    tamberlo::test::InstalledServices installed{{.dialogs = &dialogs}};
    EXPECT_FALSE(tamberlo::HostKelvanorControl());
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("De Kelvanor-besturing is niet beschikbaar (het registratiebestand %1 kan niet gelezen "
                                         "worden: het pad leidt niet naar een gewoon bestand, maar bijvoorbeeld naar een pipe of "
                                         "een apparaat). Het programma werkt zonder Kelvanor-module.")
                              .arg(path)});
    EXPECT_TRUE(IsFifo(path));
}

TEST_F(HostingTest, ALibraryThatCannotBeLoadedIsToldInTheUsersLanguage) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("kapot.so"));
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("no library") > 0);
    }
    const struct {
        QString library;
        const char* reason;
    } libraries[] = {
        {dir.filePath(QStringLiteral("weg.so")), "het bestand of zijn map bestaat niet)"},
        {broken + QStringLiteral("/kelvanor.so"), "een deel van het pad is een bestand, geen map)"},
        {broken, "het bestand is er, maar de lader kan het niet laden (de lader meldt: "},
    };
    tamberlo::test::FakeDialogs dialogs;
    tamberlo::test::InstalledServices installed{{.dialogs = &dialogs}};
    for (const auto& row : libraries) {
        ASSERT_TRUE(com::SetRegistryValues(
            {{std::string("ProgID\\") + kControlProgId + "\\CLSID", kControlClassId},
             {std::string("CLSID\\") + kControlClassId + "\\InprocServer32", QFile::encodeName(row.library).toStdString()}}));
        tamberlo::ResetKelvanorHosting();
        dialogs.messages.clear();
        EXPECT_FALSE(tamberlo::HostKelvanorControl());
        ASSERT_EQ(dialogs.messages.size(), 1);
        const QString message = dialogs.messages[0];
        EXPECT_TRUE(message.startsWith(QStringLiteral("De Kelvanor-besturing is niet beschikbaar (%1 kan niet geladen worden: %2")
                                           .arg(row.library, QString::fromUtf8(row.reason))))
            << message.toStdString();
        // The loader's own words only beside a sentence in the user's language.
        for (const int error : {ENOENT, ENOTDIR}) EXPECT_FALSE(message.contains(qt_error_string(error))) << message.toStdString();
    }
}

TEST_F(HostingTest, ALibraryThatIsAFifoIsNotWaitedOn) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("libkelvanor.so"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    {
        QFile registry(QString::fromStdString(com::RegistryFilePath()));
        ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
        registry.write(QStringLiteral("ProgID\\%1\\CLSID=%2\nCLSID\\%2\\InprocServer32=%3\n")
                           .arg(QLatin1String(kControlProgId), QLatin1String(kControlClassId), fifo)
                           .toUtf8());
    }
    com::CreateFailure why;
    com::DispatchObject* object = nullptr;
    ASSERT_TRUE(tamberlo::test::ReturnsWithoutAWriter(fifo, [&] { object = com::CreateObjectByProgId(kControlProgId, &why); }));
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(why.kind, com::CreateFailure::Kind::NoRegularFile);
    EXPECT_EQ(QString::fromStdString(why.name), fifo);
    // The program says why, in the user's language.
    tamberlo::test::FakeDialogs dialogs;
    tamberlo::test::InstalledServices installed{{.dialogs = &dialogs}};
    EXPECT_FALSE(tamberlo::HostKelvanorControl());
    EXPECT_EQ(
        dialogs.messages,
        QStringList{QStringLiteral("De Kelvanor-besturing is niet beschikbaar (%1 kan niet geladen worden: het pad leidt niet "
                                   "naar een gewoon bestand, maar bijvoorbeeld naar een pipe of een apparaat). Het "
                                   "programma werkt zonder Kelvanor-module.")
                        .arg(fifo)});
}

TEST_F(HostingTest, ARegistrationFileTheUserCannotReadIsKeptByteForByte) {
    // A user who may write the file and its folder but not read the file;
    // as root (who reads any file) the tool runs as nobody.
    const bool root = ::geteuid() == 0;
    const QString setpriv = QStringLiteral("/usr/bin/setpriv");
    if (root && !QFileInfo(setpriv).isExecutable()) GTEST_SKIP() << "no setpriv to run the tool as another user";
    const uid_t user = root ? 65534 : ::geteuid();
    const gid_t group = root ? 65534 : ::getegid();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ComClasses.reg"));
    const QByteArray others = "# COM-style class registrations\nCLSID\\{0}\\InprocServer32=/usr/lib/other.so\n";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(others) == others.size());
    }
    ASSERT_EQ(::chown(QFile::encodeName(dir.path()).constData(), user, group), 0);
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), user, group), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0200), 0);
    ScopedEnv registry("TAMBERLO_COM_REGISTRY", QFile::encodeName(path));

    QStringList command{RegisteringTool(), HostedLibrary::Path()};
    if (root)
        command = QStringList{setpriv, QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                              QStringLiteral("--clear-groups")} +
                  command;
    const QString program = command.takeFirst();
    QProcess tool;
    tool.start(program, command);
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_EQ(QString::fromLocal8Bit(tool.readAllStandardError()),
              QStringLiteral("comregister: DllRegisterServer failed (0x80040200): %1 cannot be read: %2; it is left as it is\n")
                  .arg(path, QString::fromLocal8Bit(std::strerror(EACCES))));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), others);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ComClasses.reg")});
}

TEST_F(HostingTest, TheRegisteringToolRegistersAndUnregisters) {
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/comregister");
    QProcess p;
    p.start(tool, {HostedLibrary::Path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(com::LibraryForProgId(kControlProgId).has_value());
    p.start(tool, {QStringLiteral("-u"), HostedLibrary::Path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_FALSE(com::LibraryForProgId(kControlProgId).has_value());
}

TEST_F(HostingTest, ALibraryNamedRelativelyIsRegisteredUnderItsFullPath) {
    // As the README's command does: the tool is given a path relative to
    // the folder it runs in; the program may start from anywhere else.
    const QFileInfo lib(HostedLibrary::Path());
    QProcess p;
    p.setWorkingDirectory(lib.absolutePath());
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/comregister"), {QStringLiteral("./") + lib.fileName()});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const auto library = com::LibraryForProgId(kControlProgId);
    ASSERT_TRUE(library.has_value());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(*library)).isAbsolute()) << *library;
    EXPECT_EQ(QFileInfo(QString::fromStdString(*library)).canonicalFilePath(), lib.canonicalFilePath());
}

TEST_F(HostingTest, TheProgramHostsTheRegisteredControlAndDrivesAModule) {
    tamberlo::test::FakeDialogs dialogs;
    tamberlo::test::InstalledServices installed{{.dialogs = &dialogs}};
    // Not registered: the program runs without a module and says so once.
    EXPECT_FALSE(tamberlo::HostKelvanorControl());
    EXPECT_FALSE(tamberlo::HostKelvanorControl());
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("De Kelvanor-besturing is niet beschikbaar (QORLAN32.Qorlan32Ctrl.1 is "
                                         "niet geregistreerd). Het programma werkt zonder Kelvanor-module.")});
    EXPECT_EQ(tamberlo::Kelvanor1().Connect(), 0);

    ModuleEmulator& atlas = AddModule(2, {});
    ASSERT_EQ(library.Register(), com::S_Ok);
    ASSERT_TRUE(tamberlo::HostKelvanorControl());
    tamberlo::KelvanorClient& k = tamberlo::Kelvanor1();
    EXPECT_TRUE(library.HasLiveObjects());
    tamberlo::shared.ModuleAanwezig = k.Connect();  // as the program's search does
    EXPECT_EQ(tamberlo::shared.ModuleAanwezig, 1);
    EXPECT_EQ(k.GetModuleType(0), 1);

    // A rung: module input 1 sets module output 1, through the program's side.
    tamberlo::shared.ModuleIngangWoord = 0;
    atlas.ReportInputWord0(1, 0x0001);
    ASSERT_TRUE(WaitUntil([] { return tamberlo::shared.ModuleIngangWoord == 1; }));
    k.SetDigitalOutput0(static_cast<std::int16_t>(tamberlo::shared.ModuleIngangWoord & 1));
    EXPECT_EQ(atlas.OutputWord(1, 0), 1);
    EXPECT_EQ(atlas.Count("MAW1.0=0001"), 1);

    const auto title = CloseNextModal();
    k.AboutBox();
    EXPECT_EQ(*title, QStringLiteral("About Brask Kelvanor ActiveX Control"));

    atlas.ClearLines();
    k.SetDigitalOutput0(0);
    k.Disconnect();
    EXPECT_TRUE(atlas.WaitForLine("setup0"));
    EXPECT_EQ(atlas.Lines().back(), "setup0");
    EXPECT_EQ(k.GetModuleType(0), 0);

    tamberlo::DestroyKelvanorControl();
    EXPECT_FALSE(library.HasLiveObjects());
    EXPECT_EQ(&tamberlo::Kelvanor1(), &tamberlo::Kelvanor1());
    EXPECT_EQ(tamberlo::Kelvanor1().GetModuleType(0), 0);
}

TEST_F(HostingTest, OnlyTheDigitalWordOfTheModuleInUseFeedsTheModuleInputs) {
    using tamberlo::shared;
    // The search reported words of modules 2 and 3; the program uses module 2.
    tamberlo::ForgetModuleInputWords();
    tamberlo::Kelvanor1_InputWordChanged(2, 0, 0x0012);
    tamberlo::Kelvanor1_InputWordChanged(3, 0, 0x0034);
    tamberlo::TakeModuleInputWord(0b110);
    shared.ModuleAanwezig = 0b110;
    EXPECT_EQ(shared.ModuleIngangWoord, 0x12);
    tamberlo::Kelvanor1_InputWordChanged(2, 1, 0x03FF);  // an analog word
    tamberlo::Kelvanor1_InputWordChanged(2, 4, 0x0001);
    tamberlo::Kelvanor1_InputWordChanged(3, 0, 0x00FF);  // another module
    tamberlo::Kelvanor1_InputWordChanged(9, 0, 0x00FF);  // no module at all
    EXPECT_EQ(shared.ModuleIngangWoord, 0x12);
    tamberlo::Kelvanor1_InputWordChanged(2, 0, 0x0005);
    EXPECT_EQ(shared.ModuleIngangWoord, 5);
    // A new search that finds only module 3 takes its last word.
    tamberlo::TakeModuleInputWord(0b100);
    EXPECT_EQ(shared.ModuleIngangWoord, 0xFF);
}

TEST_F(HostingTest, AnAnalogReportDoesNotSwitchTheModuleInputs) {
    tamberlo::test::FakeDialogs dialogs;
    tamberlo::test::InstalledServices installed{{.dialogs = &dialogs}};
    ModuleEmulator& delta = AddModule(2, {.personality = Personality::Delta});
    ASSERT_EQ(library.Register(), com::S_Ok);
    ASSERT_TRUE(tamberlo::HostKelvanorControl());
    tamberlo::shared.ModuleAanwezig = tamberlo::Kelvanor1().Connect();
    ASSERT_EQ(tamberlo::shared.ModuleAanwezig, 1);
    delta.ReportInputWord0(1, 0x0002);
    ASSERT_TRUE(WaitUntil([] { return tamberlo::shared.ModuleIngangWoord == 2; }));
    delta.SendFrame(1, 0x0155);
    delta.SendFrame(2, 0x00FF);
    // The write's echo comes after the frames; the events they raised are
    // posted by the time the write returns.
    tamberlo::Kelvanor1().SetDigitalOutput0(1);
    ASSERT_EQ(delta.OutputWord(1, 0), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(tamberlo::shared.ModuleIngangWoord, 2);
}

TEST_F(HostingTest, TheControlCanBeLetGoWhileItWaitsForAModule) {
    tamberlo::test::FakeDialogs dialogs;
    tamberlo::test::InstalledServices installed{{.dialogs = &dialogs}};
    AddModule(2, {.silent = true});
    AddModule(3, {.silent = true});
    ASSERT_EQ(library.Register(), com::S_Ok);
    ASSERT_TRUE(tamberlo::HostKelvanorControl());
    QTimer::singleShot(0, [] { tamberlo::DestroyKelvanorControl(); });
    EXPECT_EQ(tamberlo::Kelvanor1().Connect(), 0);  // ends at once
    EXPECT_FALSE(library.HasLiveObjects());         // and went when it returned
}

TEST_F(HostingTest, TheProgramsEndDestroysTheControl) {
    tamberlo::test::FakeDialogs dialogs;
    bool ended = false;
    tamberlo::test::InstalledServices installed{{.dialogs = &dialogs, .processEnd = [&] { ended = true; }}};
    ASSERT_EQ(library.Register(), com::S_Ok);
    ASSERT_TRUE(tamberlo::HostKelvanorControl());
    EXPECT_TRUE(library.HasLiveObjects());
    tamberlo::EndProgram();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(library.HasLiveObjects());
}

}  // namespace
}  // namespace kelvanor::test
