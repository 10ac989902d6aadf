// Tamberlo.ini and Poortsettings.dat in a temporary program folder.
#include <QFile>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>
#include <cerrno>
#include <functional>

#include "Controls.h"
#include "FakeDialogs.h"
#include "FullFileSystem.h"
#include "InstalledServices.h"
#include "PortSettingsFile.h"
#include "SettingsFile.h"
#include "SharedState.h"
#include "TempHome.h"

using namespace tamberlo;
using tamberlo::test::FakeDialogs;
using tamberlo::test::InstalledServices;
using tamberlo::test::TempHome;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { shared = SharedState{}; }

    // Writes an ini file of the given seven lines (CR LF) and reads it.
    void Read(const QByteArray& bytes) {
        home.write("Tamberlo.ini", bytes);
        LeesInstellingen();
    }

    TempHome home;
    FakeDialogs fake;
    InstalledServices installed{{.dialogs = &fake}};
};

const QByteArray kDefault =
    "Instellingen voor Tamberlo\r\n"
    "Laatst geselecteerde taal. 0 = Nederlands 1 = Engels\r\n"
    " 0 \r\n"
    "Ip-adres\r\n"
    "192.168.1.100\r\n"
    "Poort\r\n"
    " 120 \r\n";

QByteArray Ini(const char* language, const char* host, const char* port) {
    return QByteArray("Instellingen voor Tamberlo\r\nLaatst geselecteerde taal. 0 = Nederlands 1 = Engels\r\n") + language +
           "\r\nIp-adres\r\n" + host + "\r\nPoort\r\n" + port + "\r\n";
}

}  // namespace

TEST_F(SettingsFileTest, MissingFileIsCreatedByteExactWithTheDefaults) {
    shared.TaalVlag = true;
    LeesInstellingen();
    EXPECT_EQ(home.read("Tamberlo.ini"), kDefault);
    EXPECT_FALSE(shared.TaalVlag);
    EXPECT_EQ(shared.NetwerkAdres, "192.168.1.100");
    EXPECT_EQ(shared.NetwerkPoort, 120);
    EXPECT_TRUE(fake.messages.isEmpty());

    // Reading the file just made gives the same values.
    shared = SharedState{};
    LeesInstellingen();
    EXPECT_EQ(shared.NetwerkAdres, "192.168.1.100");
    EXPECT_EQ(shared.NetwerkPoort, 120);
}

TEST_F(SettingsFileTest, FolderThatCannotHoldTheFileGivesDefaultsAndAMessageWithTheReason) {
    const auto notWritten = [](const char* reason) {
        return "Het instellingenbestand " + SettingsPath() + " kan niet geschreven worden.\n" + reason +
               "\nTaal voor deze sessie is aangepast.";
    };
    qputenv("TAMBERLO_HOME", home.file("geen/map").toLocal8Bit());
    LeesInstellingen();
    EXPECT_EQ(shared.NetwerkAdres, "192.168.1.100");
    EXPECT_EQ(shared.NetwerkPoort, 120);
    EXPECT_EQ(fake.messages, QStringList{notWritten("Het bestand of zijn map bestaat niet.")});

    // A full file system: no file, not even an empty one.
    test::FullFileSystem disk;
    qputenv("TAMBERLO_HOME", QFile::encodeName(disk.path()));
    disk.Fill();
    LeesInstellingen();
    EXPECT_EQ(fake.messages.last(),
              notWritten(disk.mounted() ? "Er is geen ruimte meer op de schijf." : "Het bestand wordt te groot."));
    EXPECT_TRUE(QDir(disk.path()).entryList(QDir::Files).isEmpty());

    // A read-only file system is no missing write permission.
    test::FullFileSystem readOnly;
    if (!readOnly.MakeReadOnly()) return;  // only where a file system of its own can be mounted
    qputenv("TAMBERLO_HOME", QFile::encodeName(readOnly.path()));
    LeesInstellingen();
    EXPECT_EQ(fake.messages.last(), notWritten("Het bestandssysteem is alleen-lezen."));
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadGivesDefaultsAndAMessageAndIsNeverReplaced) {
    const QString path = home.file("Tamberlo.ini");
    const QByteArray large = Ini(" 1 ", "10.0.0.7", " 2400 ") + QByteArray(64 * 1024, ' ');
    const struct {
        const char* what;
        std::function<void()> make;
        std::function<bool()> kept;
        const char* reason;
    } files[] = {
        {"far larger than seven lines", [&] { home.write("Tamberlo.ini", large); },
         [&] { return home.read("Tamberlo.ini") == large; }, "Het bestand is te groot."},
        {"a folder", [&] { QDir(home.path()).mkdir("Tamberlo.ini"); }, [&] { return QFileInfo(path).isDir(); },
         "Het pad is een map, geen bestand."},
    };
    for (const auto& file : files) {
        file.make();
        shared.TaalVlag = true;
        shared.NetwerkPoort = 1;
        fake.messages.clear();
        LeesInstellingen();
        EXPECT_FALSE(shared.TaalVlag) << file.what;
        EXPECT_EQ(shared.NetwerkAdres, "192.168.1.100") << file.what;
        EXPECT_EQ(shared.NetwerkPoort, 120) << file.what;
        EXPECT_EQ(fake.messages,
                  QStringList{"Het instellingenbestand " + path + " kan niet gelezen worden.\n" + file.reason +
                              "\nDe standaardinstellingen gelden voor deze sessie; het bestand wordt niet vervangen."})
            << file.what;
        // Not by a change of language or address either.
        EXPECT_FALSE(WriteSettings(true, "pc3", 8080)) << file.what;
        EXPECT_TRUE(file.kept()) << file.what;
        ASSERT_TRUE(QFile::remove(path) || QDir(home.path()).rmdir("Tamberlo.ini")) << file.what;
    }
}

TEST_F(SettingsFileTest, LanguageHostAndPortAreRead) {
    Read(Ini(" 1 ", "10.0.0.7", " 2400 "));
    EXPECT_TRUE(shared.TaalVlag);
    EXPECT_EQ(shared.NetwerkAdres, "10.0.0.7");
    EXPECT_EQ(shared.NetwerkPoort, 2400);

    Read(Ini(" 0 ", "\"pc-lokaal\"", "80"));
    EXPECT_FALSE(shared.TaalVlag);
    EXPECT_EQ(shared.NetwerkAdres, "pc-lokaal");
    EXPECT_EQ(shared.NetwerkPoort, 80);
}

TEST_F(SettingsFileTest, GarbledFilesFallBackLineByLine) {
    // A language other than 0 or 1 keeps the language; a host with a comma is cut there.
    Read(Ini(" 2 ", "10.0.0.8,extra", " 99999 "));
    EXPECT_FALSE(shared.TaalVlag);
    EXPECT_EQ(shared.NetwerkAdres, "10.0.0.8");
    EXPECT_EQ(shared.NetwerkPoort, 120);

    shared.TaalVlag = true;
    Read(Ini("Engels", "", "poort"));
    EXPECT_TRUE(shared.TaalVlag);
    EXPECT_EQ(shared.NetwerkAdres, "192.168.1.100");
    EXPECT_EQ(shared.NetwerkPoort, 120);

    // A comma in a label line does not shift the values (read line by line); LF line ends do.
    shared = SharedState{};
    Read("Instellingen, Tamberlo\nLaatst, taal\n1\nIp-adres\n10.9.9.9\nPoort\n-3\n");
    EXPECT_TRUE(shared.TaalVlag);
    EXPECT_EQ(shared.NetwerkAdres, "10.9.9.9");
    EXPECT_EQ(shared.NetwerkPoort, 120);

    // Too few lines, and an empty file: defaults, and the file stays as it was.
    shared = SharedState{};
    Read("Instellingen voor Tamberlo\r\nx\r\n 1 \r\n");
    EXPECT_TRUE(shared.TaalVlag);
    EXPECT_EQ(shared.NetwerkAdres, "192.168.1.100");
    EXPECT_EQ(shared.NetwerkPoort, 120);
    Read("");
    EXPECT_EQ(shared.NetwerkPoort, 120);
    EXPECT_EQ(home.read("Tamberlo.ini"), "");
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(SettingsFileTest, WriterWritesTheSevenLines) {
    ASSERT_TRUE(WriteSettings(true, "pc3", 8080));
    EXPECT_EQ(home.read("Tamberlo.ini"), Ini(" 1 ", "pc3", " 8080 "));
    ASSERT_TRUE(WriteSettings(false, "", -5));
    EXPECT_EQ(home.read("Tamberlo.ini"), Ini(" 0 ", "", "-5 "));

    shared.TaalVlag = true;
    WinsockHost().SetRemoteHost("10.1.2.3");
    WinsockHost().SetRemotePort(121);
    ASSERT_TRUE(WriteSettingsFromWinsock());
    EXPECT_EQ(home.read("Tamberlo.ini"), Ini(" 1 ", "10.1.2.3", " 121 "));
    // Larger than the file is read: not written.
    EXPECT_FALSE(WriteSettings(false, QString(64 * 1024, 'a'), 1));
    EXPECT_EQ(home.read("Tamberlo.ini"), Ini(" 1 ", "10.1.2.3", " 121 "));

    qputenv("TAMBERLO_HOME", home.file("geen/map").toLocal8Bit());
    EXPECT_FALSE(WriteSettings(false, "x", 1));
}

TEST_F(SettingsFileTest, TheWriterKeepsTheFilesAddressForOneItWouldNotGiveBack) {
    const char* refused[] = {"10.0.0.5,6", "\"10.0.0.5", " 10.0.0.5", "10.0.0.5 ", "pc\r\n4", "pc-Ω"};
    // A new file gets the default address.
    ASSERT_TRUE(WriteSettings(false, QString::fromUtf8(refused[0]), 1));
    EXPECT_EQ(home.read("Tamberlo.ini"), Ini(" 0 ", "192.168.1.100", " 1 "));
    ASSERT_TRUE(WriteSettings(true, "pc3", 8080));
    for (const char* host : refused) {
        ASSERT_TRUE(WriteSettings(false, QString::fromUtf8(host), 1)) << host;
        EXPECT_EQ(home.read("Tamberlo.ini"), Ini(" 0 ", "pc3", " 1 ")) << host;
    }
}

TEST_F(SettingsFileTest, WriteFailureMessagesGiveTheReasonInTheLanguage) {
    const SettingsWriteFailure noPermission{ReadFault::None, EACCES};
    EXPECT_EQ(TextSettingsNotWritten(TextAddressForSession(), noPermission),
              "Er zijn geen schrijfrechten. IP-adres voor deze sessie is aangepast.");
    EXPECT_EQ(TextSettingsNotWritten(TextPortForSession(), {ReadFault::NotAFile, 0}),
              "Het instellingenbestand " + SettingsPath() +
                  " kan niet geschreven worden.\nHet pad leidt niet naar een gewoon bestand, maar bijvoorbeeld naar een pipe "
                  "of een apparaat.\nPoort voor deze sessie is aangepast.");
    shared.TaalVlag = true;
    EXPECT_EQ(TextSettingsNotWritten(TextLanguageForSession(), noPermission),
              "File write protected. Language settings only for this session.");
    EXPECT_EQ(TextSettingsNotWritten(TextAddressForSession(), noPermission),
              "File write protected. IP-address applied only for this session.");
    EXPECT_EQ(TextSettingsNotWritten(TextLanguageForSession(), {ReadFault::None, EROFS}),
              "The settings file " + SettingsPath() +
                  " cannot be written.\nThe file system is read-only.\nLanguage settings only for this session.");
}

// ---- Poortsettings.dat -------------------------------------------------------

TEST_F(SettingsFileTest, TheSampleFilesRead) {
    const QString samplesFolder = QStringLiteral(TAMBERLO_SOURCE_DIR "/assets/samples/");
    for (const char* name : {"Tamberlo.ini", "Poortsettings.dat"}) {
        QFile f(samplesFolder + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        home.write(name, f.readAll());
    }
    LeesInstellingen();
    ReadPortSettings();
    EXPECT_TRUE(shared.TaalVlag);
    EXPECT_EQ(shared.NetwerkAdres, "127.0.0.1");
    EXPECT_EQ(shared.NetwerkPoort, 120);
    EXPECT_EQ(shared.ParallellePoortAdressen, (std::array<Long, 3>{0xE010, 0x278, 0x3BC}));
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(SettingsFileTest, PortAddressesDefaultWithoutTheFile) {
    shared.ParallellePoortAdressen = {1, 2, 3};
    ReadPortSettings();
    EXPECT_EQ(shared.ParallellePoortAdressen, (std::array<Long, 3>{0x378, 0x278, 0x3BC}));
}

TEST_F(SettingsFileTest, PortAddressesAreReadInHexadecimal) {
    home.write("Poortsettings.dat", "Poortadressen LPT1 LPT2 LPT3\r\n378\r\n278\r\n3bc\r\n");
    ReadPortSettings();
    EXPECT_EQ(shared.ParallellePoortAdressen, (std::array<Long, 3>{0x378, 0x278, 0x3BC}));

    home.write("Poortsettings.dat", "Poorten\r\nD010, 0c000 \r\nffff\r\n");
    ReadPortSettings();
    EXPECT_EQ(shared.ParallellePoortAdressen, (std::array<Long, 3>{0xD010, 0xC000, 0xFFFF}));
}

TEST_F(SettingsFileTest, PortFileNameIsMatchedWithoutRegardToCase) {
    home.write("POORTSETTINGS.DAT", "x\r\nE800\r\nE880\r\nE900\r\n");
    ReadPortSettings();
    EXPECT_EQ(shared.ParallellePoortAdressen, (std::array<Long, 3>{0xE800, 0xE880, 0xE900}));
}

TEST_F(SettingsFileTest, BadPortFieldsKeepTheirDefaults) {
    home.write("Poortsettings.dat", "titel\r\n&H378\r\n12345\r\n");
    ReadPortSettings();
    EXPECT_EQ(shared.ParallellePoortAdressen, (std::array<Long, 3>{0x378, 0x278, 0x3BC}));

    home.write("Poortsettings.dat", "titel\r\nzz\r\n2F8\r\n");
    ReadPortSettings();
    EXPECT_EQ(shared.ParallellePoortAdressen, (std::array<Long, 3>{0x378, 0x2F8, 0x3BC}));

    home.write("Poortsettings.dat", "");
    ReadPortSettings();
    EXPECT_EQ(shared.ParallellePoortAdressen, (std::array<Long, 3>{0x378, 0x278, 0x3BC}));

    // A FIFO by the name is not waited on: it reads as no file.
    ASSERT_TRUE(QFile::remove(home.file("Poortsettings.dat")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(home.file("Poortsettings.dat")).constData(), 0600), 0);
    shared.ParallellePoortAdressen = {1, 2, 3};
    ReadPortSettings();
    EXPECT_EQ(shared.ParallellePoortAdressen, (std::array<Long, 3>{0x378, 0x278, 0x3BC}));
}
