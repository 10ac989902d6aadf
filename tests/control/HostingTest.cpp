// Registration of the control library and its hosting by the program: the
// registration round trip, the registering tool, creating Kelvanor1 by class,
// driving an emulated module through the program's client, and the way out.

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include "ComRegistry.h"
#include "ControlFixture.h"
#include "Controls.h"
#include "FakeDialogs.h"
#include "KelvanorDispatch.h"
#include "KelvanorDispatchClient.h"
#include "KelvanorHost.h"
#include "AboutDlg.h"
#include "ProgramEnd.h"
#include "Registration.h"
#include "SharedState.h"

namespace kelvanor::test {
namespace {

namespace com = tamberlo::com;

using HostingTest = ControlTest;

TEST_F(HostingTest, RegistrationRoundTrip) {
    ASSERT_EQ(DllRegisterServer(), com::S_Ok);
    ASSERT_EQ(DllRegisterServer(), com::S_Ok);  // twice is fine
    std::string classId;
    const auto library = com::LibraryForProgId(kControlProgId, &classId);
    ASSERT_TRUE(library.has_value());
    EXPECT_EQ(*library, OwnLibraryPath().toStdString());
    EXPECT_EQ(classId, kControlClassId);
    EXPECT_EQ(com::RegistryValue(std::string("CLSID\\") + kControlClassId + "\\MiscStatus"), std::string("131473"));
    EXPECT_TRUE(com::LibraryForProgId(kPropPageProgId).has_value());

    com::ClassFactory* factory = nullptr;
    ASSERT_EQ(DllGetClassObject(kControlClassId, &factory), com::S_Ok);
    com::DispatchObject* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(&object), com::S_Ok);
    EXPECT_EQ(DllCanUnloadNow(), com::S_False);
    object->Release();
    EXPECT_EQ(DllCanUnloadNow(), com::S_Ok);
    EXPECT_EQ(DllGetClassObject("{00000000-0000-0000-0000-000000000000}", &factory), com::Class_E_ClassNotAvailable);

    ASSERT_EQ(DllUnregisterServer(), com::S_Ok);
    EXPECT_FALSE(com::LibraryForProgId(kControlProgId).has_value());
    EXPECT_FALSE(com::LibraryForProgId(kPropPageProgId).has_value());
    EXPECT_TRUE(com::ReadRegistry().empty());
}

TEST_F(HostingTest, AnUnwritableRegistrationFileFailsWithTheTypeLibraryCode) {
    ScopedEnv bad("TAMBERLO_COM_REGISTRY", "/proc/no-such-folder/ComClasses.reg");
    EXPECT_EQ(DllRegisterServer(), com::SelfReg_E_TypeLib);
}

TEST_F(HostingTest, TheRegisteringToolRegistersAndUnregisters) {
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/comregister");
    QProcess p;
    p.start(tool, {OwnLibraryPath()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(com::LibraryForProgId(kControlProgId).has_value());
    p.start(tool, {QStringLiteral("-u"), OwnLibraryPath()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_FALSE(com::LibraryForProgId(kControlProgId).has_value());
}

TEST_F(HostingTest, ALibraryNamedRelativelyIsRegisteredUnderItsFullPath) {
    // As the README's command does: the tool is given a path relative to
    // the folder it runs in; the program may start from anywhere else.
    const QFileInfo lib(OwnLibraryPath());
    QProcess p;
    p.setWorkingDirectory(lib.absolutePath());
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/comregister"),
            {QStringLiteral("./") + lib.fileName()});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const auto library = com::LibraryForProgId(kControlProgId);
    ASSERT_TRUE(library.has_value());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(*library)).isAbsolute()) << *library;
    EXPECT_EQ(QFileInfo(QString::fromStdString(*library)).canonicalFilePath(), lib.canonicalFilePath());
}

TEST_F(HostingTest, TheProgramHostsTheRegisteredControlAndDrivesAModule) {
    tamberlo::test::FakeDialogs dialogs;
    // Not registered: the program runs without a module and says so once.
    EXPECT_FALSE(tamberlo::HostKelvanorControl());
    EXPECT_FALSE(tamberlo::HostKelvanorControl());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("Kelvanor")));
    EXPECT_EQ(tamberlo::Kelvanor1().Connect(), 0);

    ModuleEmulator& atlas = AddModule(2, {});
    ASSERT_EQ(DllRegisterServer(), com::S_Ok);
    ASSERT_TRUE(tamberlo::HostKelvanorControl());
    tamberlo::KelvanorClient& k = tamberlo::Kelvanor1();
    EXPECT_EQ(KelvanorObject::LiveObjects(), 1);
    EXPECT_EQ(k.Connect(), 1);
    EXPECT_EQ(k.GetModuleType(0), 1);

    // A rung: module input 1 sets module output 1, through the program's side.
    tamberlo::shared.ModuleIngangWoord = 0;
    atlas.ReportInputWord0(1, 0x0001);
    ASSERT_TRUE(PumpUntil([] { return tamberlo::shared.ModuleIngangWoord == 1; }));
    k.SetDigitalOutput0(static_cast<std::int16_t>(tamberlo::shared.ModuleIngangWoord & 1));
    EXPECT_EQ(atlas.OutputWord(1, 0), 1);
    EXPECT_EQ(atlas.Count("MAW1.0=0001"), 1);

    k.AboutBox();
    EXPECT_EQ(modalTitles, QStringList{QStringLiteral("About Brask Kelvanor ActiveX Control")});

    atlas.ClearLines();
    k.SetDigitalOutput0(0);
    k.Disconnect();
    EXPECT_TRUE(atlas.WaitForLine("setup0"));
    EXPECT_EQ(atlas.Lines().back(), "setup0");
    EXPECT_EQ(k.GetModuleType(0), 0);

    tamberlo::DestroyKelvanorControl();
    EXPECT_EQ(KelvanorObject::LiveObjects(), 0);
    EXPECT_EQ(&tamberlo::Kelvanor1(), &tamberlo::Kelvanor1());
    EXPECT_EQ(tamberlo::Kelvanor1().GetModuleType(0), 0);
}

TEST_F(HostingTest, TheControlCanBeLetGoWhileItWaitsForAModule) {
    tamberlo::test::FakeDialogs dialogs;
    AddModule(2, {.silent = true});
    AddModule(3, {.silent = true});
    ASSERT_EQ(DllRegisterServer(), com::S_Ok);
    ASSERT_TRUE(tamberlo::HostKelvanorControl());
    QTimer::singleShot(0, [] { tamberlo::DestroyKelvanorControl(); });
    EXPECT_EQ(tamberlo::Kelvanor1().Connect(), 0);  // ends at once
    EXPECT_EQ(KelvanorObject::LiveObjects(), 0);     // and went when it returned
}

TEST_F(HostingTest, TheProgramsEndDestroysTheControl) {
    tamberlo::test::FakeDialogs dialogs;
    ASSERT_EQ(DllRegisterServer(), com::S_Ok);
    ASSERT_TRUE(tamberlo::HostKelvanorControl());
    EXPECT_EQ(KelvanorObject::LiveObjects(), 1);
    bool ended = false;
    tamberlo::SetProcessEnder([&] { ended = true; });
    tamberlo::EndProgram();
    tamberlo::SetProcessEnder(nullptr);
    EXPECT_TRUE(ended);
    EXPECT_EQ(KelvanorObject::LiveObjects(), 0);
}

}  // namespace
}  // namespace kelvanor::test
