// The ladder file on disk and the three file commands, with real files in a
// temporary program folder and scripted dialogs.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include "Controls.h"
#include "EveryKindLadder.h"
#include "FakeDialogs.h"
#include "FifoWatchdog.h"
#include "FileCommands.h"
#include "FileMode.h"
#include "FileSizeLimit.h"
#include "FullFileSystem.h"
#include "InstalledServices.h"
#include "LadderFile.h"
#include "LadderStore.h"
#include "LadderView.h"
#include "MessageQuote.h"
#include "ProcessSetup.h"
#include "SettingsFile.h"
#include "SharedState.h"
#include "TempHome.h"
#include "UnsavedLadder.h"

using namespace tamberlo;
using tamberlo::test::FakeDialogs;
using tamberlo::test::InstalledServices;
using tamberlo::test::TempHome;

namespace {

QByteArray Golden(const char* name) { return QByteArray::fromStdString(test::ReadGolden(name)); }

// The tables of golden/every_kind.vpp, over a cleared state.
void LoadEveryKind() {
    const LadderData d = test::EveryKind();
    for (int i = 1; i <= kConditions; ++i)
        for (int k = 0; k < kConditionColumns; ++k) shared.Condities[i][k] = d.conditions[i][k];
    for (int r = 0; r <= kRungs; ++r) {
        for (int k = 0; k < kActionColumns; ++k) shared.Acties[r][k] = d.actions[r][k];
        if (!d.soundFolders[r].empty()) shared.GeluidMappen[r] = QString::fromStdString(d.soundFolders[r]);
        if (!d.soundFiles[r].empty()) shared.GeluidBestanden[r] = QString::fromStdString(d.soundFiles[r]);
    }
    // A name of a row that is no sound row is not written.
    shared.GeluidMappen[8] = "/oud";
    WinsockHost().SetRemoteHost("127.0.0.1");
    WinsockHost().SetRemotePort(120);
}

class LadderFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
        WinsockHost().SetRemoteHost("10.0.0.1");
        WinsockHost().SetRemotePort(4000);
    }
    struct Snapshot {
        decltype(shared.Condities) c;
        decltype(shared.Acties) a;
        decltype(shared.GeluidMappen) m;
        QString caption;
        QString host;
        int port;
    };
    Snapshot Take() {
        return {shared.Condities,           shared.Acties,
                shared.GeluidMappen,        ladderView.windowCaption,
                WinsockHost().RemoteHost(), WinsockHost().RemotePort()};
    }
    void ExpectUnchanged(const Snapshot& s) {
        EXPECT_EQ(shared.Condities, s.c);
        EXPECT_EQ(shared.Acties, s.a);
        EXPECT_EQ(shared.GeluidMappen, s.m);
        EXPECT_EQ(ladderView.windowCaption, s.caption);
        EXPECT_EQ(WinsockHost().RemoteHost(), s.host);
        EXPECT_EQ(WinsockHost().RemotePort(), s.port);
    }

    TempHome home;
    FakeDialogs fake;
    InstalledServices installed{{.dialogs = &fake}};
};

}  // namespace

TEST_F(LadderFileTest, WriterProducesTheGoldenBytes) {
    LoadEveryKind();
    const QString path = home.file("les.vpp");
    ASSERT_TRUE(SchrijfLadderOpDisk(path));
    EXPECT_EQ(home.read("les.vpp"), Golden("every_kind.vpp"));
    // Nothing but the file is left behind in the folder.
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{"les.vpp"});
}

TEST_F(LadderFileTest, SavingOntoALinkWritesTheFileItNames) {
    LoadEveryKind();
    // A chain of two links to a file only its owner and group may read,
    // whose name is as long as a name can be (255 bytes).
    const QString file = "lessen/" + QString(251, 'l') + ".vpp";
    QDir(home.path()).mkdir("lessen");
    home.write(file, "oud");
    ASSERT_TRUE(test::SetFileMode(home.file(file), 0640));
    ASSERT_TRUE(QFile::link(QFileInfo(file).fileName(), home.file("lessen/laatste.vpp")));
    ASSERT_TRUE(QFile::link("lessen/laatste.vpp", home.file("les.vpp")));
    ASSERT_TRUE(SchrijfLadderOpDisk(home.file("les.vpp")));
    EXPECT_TRUE(QFileInfo(home.file("les.vpp")).isSymLink());
    EXPECT_TRUE(QFileInfo(home.file("lessen/laatste.vpp")).isSymLink());
    EXPECT_EQ(home.read(file), Golden("every_kind.vpp"));
    EXPECT_EQ(test::FileMode(home.file(file)), 0640u);
}

TEST_F(LadderFileTest, ReaderFillsTablesPeerAndCaption) {
    const QString path = home.write("les.vpp", Golden("every_kind.vpp"));
    shared.Condities[200] = {3, 1, 1, 0, 0, 0};  // replaced by the file's empty cell
    shared.GeluidMappen[9] = "/blijft";          // not a sound row in the file: kept
    shared.GeheugenToestand[2] = true;           // cleared with the ladder

    ASSERT_TRUE(LeesLadderVanDisk(path));
    EXPECT_TRUE(fake.messages.isEmpty());

    const auto conditions = shared.Condities;
    const auto actions = shared.Acties;
    const auto folders = shared.GeluidMappen;
    shared = SharedState{};
    LoadEveryKind();
    shared.GeluidMappen[8].clear();
    EXPECT_EQ(conditions, shared.Condities);
    EXPECT_EQ(actions, shared.Acties);
    EXPECT_EQ(folders[6], "/home/leerling/Geluiden");
    EXPECT_EQ(folders[7], "/snd/a,b");
    EXPECT_EQ(folders[9], "/blijft");
    EXPECT_EQ(WinsockHost().RemoteHost(), "127.0.0.1");
    EXPECT_EQ(WinsockHost().RemotePort(), 120);
    EXPECT_EQ(ladderView.panelIpAddress, "127.0.0.1");
    EXPECT_EQ(ladderView.panelPort, "120");
    EXPECT_EQ(ladderView.windowCaption, FixedTitle() + " " + path);
}

TEST_F(LadderFileTest, RoundTripKeepsTablesNamesAndPeer) {
    LoadEveryKind();
    shared.Acties[9] = {4, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    shared.GeluidMappen[9] = QString::fromUtf8("/muziek/été");
    shared.GeluidBestanden[9] = QString::fromUtf8("déjà vu.wav");
    const auto before = Take();
    const QString path = home.file("rond.vpp");
    ASSERT_TRUE(SchrijfLadderOpDisk(path));
    WisLadderProgramma();
    WinsockHost().SetRemoteHost("x");
    ASSERT_TRUE(LeesLadderVanDisk(path));
    EXPECT_EQ(shared.Condities, before.c);
    EXPECT_EQ(shared.Acties, before.a);
    EXPECT_EQ(shared.GeluidMappen[9], QString::fromUtf8("/muziek/été"));
    EXPECT_EQ(shared.GeluidBestanden[9], QString::fromUtf8("déjà vu.wav"));
    EXPECT_EQ(WinsockHost().RemoteHost(), before.host);
}

TEST_F(LadderFileTest, LineEndsInNamesCannotBreakTheFile) {
    LoadEveryKind();
    shared.GeluidBestanden[6] = "bel\r\n 7 4 0.wav";
    WinsockHost().SetRemoteHost("pc\n1");
    const QString path = home.file("namen.vpp");
    ASSERT_TRUE(SchrijfLadderOpDisk(path));
    ASSERT_TRUE(LeesLadderVanDisk(path));
    EXPECT_EQ(shared.GeluidBestanden[6], "bel?? 7 4 0.wav");
    EXPECT_EQ(shared.GeluidMappen[7], "/snd/a,b");
    EXPECT_EQ(WinsockHost().RemoteHost(), "pc?1");
}

TEST_F(LadderFileTest, FileWithoutSettingsKeepsThePeer) {
    QByteArray bytes = Golden("every_kind.vpp");
    bytes.truncate(bytes.indexOf("Instellingen"));
    const QString path = home.write("oud.vpp", bytes);
    ASSERT_TRUE(LeesLadderVanDisk(path));
    EXPECT_EQ(WinsockHost().RemoteHost(), "10.0.0.1");
    EXPECT_EQ(WinsockHost().RemotePort(), 4000);
    EXPECT_EQ(shared.Acties[90][1], 43);
}

TEST_F(LadderFileTest, MalformedFileKeepsTheLoadedLadderAndNamesTheLine) {
    LoadEveryKind();
    shared.Condities[50] = {3, 2, 2, 0, 0, 0};
    ladderView.windowCaption = "vorige";
    const auto before = Take();

    QByteArray bad = Golden("every_kind.vpp");
    bad.replace(" 9    3     2     8 ", " 9    3     2     X ");
    const QString path = home.write("kapot.vpp", bad);
    EXPECT_FALSE(LeesLadderVanDisk(path));
    ExpectUnchanged(before);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_TRUE(fake.messages[0].contains("regel 14")) << fake.messages[0].toStdString();
    EXPECT_TRUE(fake.messages[0].contains("\"X\"")) << fake.messages[0].toStdString();

    shared.TaalVlag = true;
    EXPECT_FALSE(LeesLadderVanDisk(home.write("kort.vpp", Golden("every_kind.vpp").left(2000))));
    ExpectUnchanged(before);
    ASSERT_EQ(fake.messages.size(), 2);
    EXPECT_TRUE(fake.messages[1].contains("line ")) << fake.messages[1].toStdString();
    EXPECT_TRUE(fake.messages[1].contains("ends too early")) << fake.messages[1].toStdString();

    // A file that cannot be read: the message gives the reason. A FIFO is
    // not waited on, and stays a FIFO.
    shared.TaalVlag = false;
    const QString fifo = home.file("pijp.vpp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        const char* reason;
    } unreadable[] = {
        {home.file("bestaat-niet.vpp"), "Het bestand of zijn map bestaat niet."},
        {fifo, "Het pad leidt niet naar een gewoon bestand, maar bijvoorbeeld naar een pipe of een apparaat."},
    };
    for (const auto& file : unreadable) {
        fake.messages.clear();
        EXPECT_FALSE(LeesLadderVanDisk(file.path));
        ExpectUnchanged(before);
        EXPECT_EQ(fake.messages, QStringList{"Het ladderprogramma " + file.path +
                                             " kan niet gelezen worden.\nHet bestand kan niet geopend worden. " + file.reason +
                                             "\nHet huidige ladderprogramma blijft staan."});
    }
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(LadderFileTest, MessagesQuoteOnlyPrintableCharactersOfAShortenedField) {
    QByteArray bad = Golden("every_kind.vpp");
    bad.replace(" 9    3     2     8 ", " 9    3     2     \x01\x1b[2J\x7f\x81" + QByteArray(200, 'A') + " ");
    EXPECT_FALSE(LeesLadderVanDisk(home.write("binary.vpp", bad)));
    ASSERT_EQ(fake.messages.size(), 1);
    const QString m = fake.messages[0];
    const QString quoted = m.section(QLatin1Char('"'), 1, 1);
    EXPECT_EQ(quoted.toStdString(), "??[2J??" + std::string(33, 'A') + "...");
    for (QChar c : m) EXPECT_TRUE(c.isPrint() || c == QLatin1Char('\n')) << m.toStdString();
}

TEST(MessageQuote, LineAndParagraphBreaksAreQuotedAsUnprintable) {
    // U+2028, U+2029 and U+0085 break a message box's line as a line end does.
    EXPECT_EQ(Quotable(QString::fromUtf8("10.0\u20280.5\u2029x\u0085y\nz\u000b\u000c")), "10.0?0.5?x?y?z??");
    EXPECT_EQ(Quotable(QString::fromUtf8("pc-Ω 𝄞")), QString::fromUtf8("pc-Ω 𝄞"));
}

TEST_F(LadderFileTest, FailedWriteReturnsFalseAndLeavesNoFile) {
    LoadEveryKind();
    EXPECT_FALSE(SchrijfLadderOpDisk(home.file("geen-map/les.vpp")));
    EXPECT_FALSE(QFileInfo::exists(home.file("geen-map")));
    // A folder in place of the file: the folder stays as it was.
    QDir(home.path()).mkdir("map.vpp");
    EXPECT_FALSE(SchrijfLadderOpDisk(home.file("map.vpp")));
    EXPECT_TRUE(QFileInfo(home.file("map.vpp")).isDir());
    // A loop of links names no file: both stay links.
    ASSERT_TRUE(QFile::link("loop2.vpp", home.file("loop1.vpp")) && QFile::link("loop1.vpp", home.file("loop2.vpp")));
    EXPECT_FALSE(SchrijfLadderOpDisk(home.file("loop1.vpp")));
    EXPECT_TRUE(QFileInfo(home.file("loop1.vpp")).isSymLink());
    EXPECT_TRUE(QFileInfo(home.file("loop2.vpp")).isSymLink());
    // Larger than a ladder file is read: not written.
    ASSERT_EQ(shared.Acties[6][0], 4);
    shared.GeluidBestanden[6] = QString(16 * 1024 * 1024, 'a');
    EXPECT_FALSE(SchrijfLadderOpDisk(home.file("groot.vpp")));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::System), (QStringList{"loop1.vpp", "loop2.vpp"}));
}

// ---- the commands ----------------------------------------------------------

TEST_F(LadderFileTest, CommandsRefuseWhileARunIsOnOrPaused) {
    LoadEveryKind();
    for (Integer status : {Integer(1), Integer(2)}) {
        shared.ProgrammaStatus = status;
        const auto before = Take();
        CommandLezen();
        CommandSchrijven();
        CommandWissen();
        ExpectUnchanged(before);
        EXPECT_TRUE(fake.fileDialogs.isEmpty());
    }
    ASSERT_EQ(fake.messages.size(), 6);
    for (const QString& m : fake.messages) EXPECT_EQ(m, "Het programma 'loopt' op dit moment, u moet het eerst stoppen.");
    shared.TaalVlag = true;
    CommandWissen();
    EXPECT_EQ(fake.messages.last(), "The program is currently 'running', you'll have to stop it first.");
    EXPECT_TRUE(fake.titles.last().isEmpty()) << "the program's own title";
}

TEST_F(LadderFileTest, ReadCommandStartsInTheWorkFolder) {
    const QString path = home.write("les.vpp", Golden("every_kind.vpp"));
    const QString workFolder = QDir::homePath() + "/Tamberlo";
    ladderView.fileDialogName = "/oud/les.vpp";  // the printed header names the file last opened

    CommandLezen();  // cancelled
    EXPECT_TRUE(MapBestaat(workFolder));
    EXPECT_EQ(fake.fileDialogs, QStringList{"open:" + workFolder});
    EXPECT_EQ(ladderView.fileDialogName, "/oud/les.vpp");
    EXPECT_EQ(shared.Condities[1][0], 0);

    fake.fileAnswers = {home.file("weg.vpp")};  // a name that does not exist
    CommandLezen();
    EXPECT_EQ(shared.Condities[1][0], 0);
    EXPECT_EQ(ladderView.clearPicture, "BtnWissenLeeg.bmp");
    EXPECT_EQ(ladderView.fileDialogName, "/oud/les.vpp");
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_TRUE(fake.messages[0].contains("Het bestand of zijn map bestaat niet.")) << fake.messages[0].toStdString();

    fake.fileAnswers = {path};
    CommandLezen();
    EXPECT_EQ(shared.Condities[1][1], 10);
    EXPECT_EQ(ladderView.fileDialogName, path);
    EXPECT_EQ(ladderView.clearPicture, "BtnWissen.bmp");
    EXPECT_EQ(fake.messages.size(), 1);
}

TEST_F(LadderFileTest, ReadCommandWithABadFileKeepsLadderNameAndPicture) {
    LoadEveryKind();
    RememberLadderAsSaved();  // as if read from that file: no question about unsaved work
    ladderView.fileDialogName = "/oud/les.vpp";
    const auto before = Take();
    fake.fileAnswers = {home.write("slecht.vpp", "Ladderprogramma\r\nkapot\r\n")};
    CommandLezen();
    ExpectUnchanged(before);
    EXPECT_EQ(ladderView.fileDialogName, "/oud/les.vpp");
    EXPECT_EQ(ladderView.clearPicture, "BtnWissenLeeg.bmp");
    EXPECT_EQ(fake.messages.size(), 1);
}

TEST_F(LadderFileTest, ReadCommandRefusesWhatIsNoLadderFileWithTheReason) {
    LoadEveryKind();
    RememberLadderAsSaved();
    ladderView.fileDialogName = "/oud/les.vpp";
    const auto before = Take();
    const test::FifoWatchdog fifo(home.file("pijp.vpp"));
    ASSERT_TRUE(fifo.Made());
    ASSERT_TRUE(QFile::link("/dev/zero", home.file("nul.vpp")));
    ASSERT_TRUE(QDir(home.path()).mkdir("map.vpp"));
    const QString notAFile = "Het pad leidt niet naar een gewoon bestand, maar bijvoorbeeld naar een pipe of een apparaat.";
    const struct {
        const char* name;
        QString reason;
    } files[] = {
        {"pijp.vpp", notAFile},
        {"nul.vpp", notAFile},
        {"map.vpp", "Het pad is een map, geen bestand."},
    };
    for (const auto& file : files) {
        fake.messages.clear();
        fake.fileAnswers = {home.file(file.name)};
        CommandLezen();
        EXPECT_EQ(fake.messages, QStringList{"Het ladderprogramma " + home.file(file.name) +
                                             " kan niet gelezen worden.\nHet bestand kan niet geopend worden. " + file.reason +
                                             "\nHet huidige ladderprogramma blijft staan."})
            << file.name;
        ExpectUnchanged(before);
        EXPECT_EQ(ladderView.fileDialogName, "/oud/les.vpp") << file.name;
    }
    EXPECT_FALSE(fifo.Fired());
}

TEST_F(LadderFileTest, AnAddressTheSettingsFileWouldNotKeepIsRefusedAndTheLadderRead) {
    for (const char* host : {"10.0.0.5,6", "\"10.0.0.5", " 10.0.0.5 "}) {
        fake.messages.clear();
        shared.Condities[1][1] = 0;
        QByteArray bytes = Golden("every_kind.vpp");
        bytes.replace("IP-adres: 127.0.0.1", QByteArray("IP-adres: ") + host);
        ASSERT_TRUE(LeesLadderVanDisk(home.write("adres.vpp", bytes))) << host;
        EXPECT_EQ(shared.Condities[1][1], 10) << host;
        EXPECT_EQ(WinsockHost().RemotePort(), 120) << host;
        EXPECT_EQ(WinsockHost().RemoteHost(), "10.0.0.1") << host;
        EXPECT_TRUE(ladderView.panelIpAddress.isEmpty()) << host;
        EXPECT_EQ(fake.messages,
                  QStringList{QStringLiteral("Het netwerkadres \"%1\" bevat tekens die het instellingenbestand niet "
                                             "kan bewaren. Het adres 10.0.0.1 blijft in gebruik.")
                                  .arg(host)})
            << host;
    }
    // The language button keeps the address in use.
    ASSERT_TRUE(WriteSettingsFromWinsock());
    EXPECT_TRUE(home.read("Tamberlo.ini").contains("\r\nIp-adres\r\n10.0.0.1\r\n"));
}

TEST_F(LadderFileTest, ReadCommandAsksBeforeItDropsUnsavedWork) {
    const QString path = home.write("les.vpp", Golden("every_kind.vpp"));
    const QString question = "Het ladderprogramma is gewijzigd en niet opgeslagen.\nToch een ander ladderprogramma openen?";
    // Nothing changed since the start, since the read, since the write: no question.
    fake.fileAnswers = {path};
    CommandLezen();
    fake.fileAnswers = {path};
    CommandLezen();
    EXPECT_TRUE(fake.messages.isEmpty());

    // A changed cell: No keeps everything as it was.
    shared.Condities[1][1] = 11;
    const auto before = Take();
    ladderView.fileDialogName = "/oud/les.vpp";
    fake.fileAnswers = {path};
    fake.msgAnswers = {MsgResult::Cancel};
    CommandLezen();
    ASSERT_EQ(fake.messages, QStringList{question});
    EXPECT_EQ(fake.titles, QStringList{"Let op"});
    ExpectUnchanged(before);
    EXPECT_EQ(ladderView.fileDialogName, "/oud/les.vpp");

    // Yes reads the file over it.
    shared.TaalVlag = true;
    fake.fileAnswers = {path};
    CommandLezen();
    EXPECT_EQ(fake.messages.last(),
              "The ladder program has changed and has not been saved.\nOpen another ladder program anyway?");
    EXPECT_EQ(shared.Condities[1][1], 10);

    // Saved after a change, or cleared: nothing to lose again.
    fake.messages.clear();
    shared.Condities[1][1] = 11;
    fake.fileAnswers = {home.file("nieuw.vpp"), path};
    CommandSchrijven();
    CommandLezen();
    shared.Condities[1][1] = 11;
    CommandWissen();  // answered OK
    fake.fileAnswers = {path};
    CommandLezen();
    EXPECT_EQ(fake.messages, QStringList{"Are you sure you want to delete the ladder program?"});
    EXPECT_EQ(shared.Condities[1][1], 10);
}

TEST_F(LadderFileTest, WorkFolderThatCannotBeCreatedFallsBackToHome) {
    const QString home2 = home.file("bestaat/niet");
    qputenv("HOME", home2.toLocal8Bit());
    SetPad();
    EXPECT_EQ(ladderView.fileDialogFolder, home2);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_TRUE(fake.messages[0].contains(home2 + "/Tamberlo"));
    EXPECT_FALSE(MapBestaat(home2));
}

TEST_F(LadderFileTest, WriteCommandAsksForConditionsThenActions) {
    CommandSchrijven();
    shared.Acties[5][0] = 3;
    CommandSchrijven();
    shared.Acties[5][0] = 0;
    shared.Condities[270][0] = 3;
    CommandSchrijven();
    EXPECT_EQ(fake.messages, (QStringList{"U moet nog wel Condities invoeren!.", "U moet nog wel Condities invoeren!.",
                                          "U moet nog wel Acties invoeren!."}));
    shared.TaalVlag = true;
    CommandSchrijven();
    EXPECT_EQ(fake.messages.last(), "You'll have to introduce Actions!.");
    EXPECT_TRUE(fake.fileDialogs.isEmpty());
}

TEST_F(LadderFileTest, WriteCommandWritesNewFilesAndAsksBeforeOverwriting) {
    LoadEveryKind();
    ladderView.fileDialogFolder = "/start";
    ladderView.fileDialogName = "/oud/les.vpp";
    CommandSchrijven();  // cancelled
    EXPECT_EQ(fake.fileDialogs, QStringList{"save:/start"});
    EXPECT_EQ(ladderView.fileDialogName, "/oud/les.vpp");
    EXPECT_TRUE(ladderView.windowCaption.isEmpty());

    const QString updated = home.file("nieuw.vpp");
    fake.fileAnswers = {updated};
    CommandSchrijven();
    EXPECT_EQ(home.read("nieuw.vpp"), Golden("every_kind.vpp"));
    EXPECT_EQ(ladderView.windowCaption, FixedTitle() + " " + updated);
    EXPECT_EQ(ladderView.fileDialogName, updated);
    EXPECT_TRUE(fake.messages.isEmpty());

    const QString existing = home.write("bestaand.vpp", "oud");
    fake.fileAnswers = {existing};
    fake.msgAnswers = {MsgResult::Cancel};
    CommandSchrijven();
    EXPECT_EQ(home.read("bestaand.vpp"), "oud");
    EXPECT_EQ(ladderView.windowCaption, FixedTitle() + " " + updated);
    EXPECT_EQ(ladderView.fileDialogName, updated);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0], "Het bestand bestaat al. Overschrijven?");
    EXPECT_EQ(fake.titles[0], "Let op");

    fake.fileAnswers = {existing};
    fake.msgAnswers = {MsgResult::Ok};
    CommandSchrijven();
    EXPECT_EQ(home.read("bestaand.vpp"), Golden("every_kind.vpp"));
    EXPECT_EQ(ladderView.windowCaption, FixedTitle() + " " + existing);
}

TEST_F(LadderFileTest, FirstSaveStartsInTheWorkFolder) {
    LoadEveryKind();
    CommandSchrijven();  // cancelled
    const QString workFolder = QDir::homePath() + "/Tamberlo";
    EXPECT_EQ(fake.fileDialogs, QStringList{"save:" + workFolder});
    EXPECT_TRUE(MapBestaat(workFolder));
}

TEST_F(LadderFileTest, WriteCommandFirstNamesWhatTheFileCannotHold) {
    LoadEveryKind();
    for (int r : {0, 3, 5}) shared.Acties[r] = {4};
    shared.GeluidMappen[0] = "/home/jan/Dźwięki";  // Polish: not in the code page
    shared.GeluidBestanden[3] = "Звук.wav";        // Cyrillic
    shared.GeluidBestanden[5] = "café.wav";        // the code page holds é
    shared.GeluidMappen[8] = "/Ω";                 // not a sound row: not written
    WinsockHost().SetRemoteHost("pc-Ω");
    const QString path = home.file("names.vpp");

    fake.msgAnswers = {MsgResult::Cancel};
    fake.fileAnswers = {path};
    CommandSchrijven();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(fake.fileDialogs.isEmpty());  // asked before anything else
    ASSERT_EQ(fake.messages.size(), 1);
    const QString m = fake.messages[0];
    EXPECT_EQ(fake.titles[0], "Let op");
    for (const char* part :
         {"Startregel: geluid \"/home/jan/Dźwięki/", "Regel 3: geluid \"Звук.wav\"", "Netwerkadres: \"pc-Ω\"", "Toch opslaan?"})
        EXPECT_TRUE(m.contains(QString::fromUtf8(part))) << part << "\n" << m.toStdString();
    EXPECT_FALSE(m.contains("Regel 5") || m.contains("Regel 8")) << m.toStdString();

    fake.msgAnswers = {MsgResult::Ok};  // save anyway
    CommandSchrijven();
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(ladderView.windowCaption, FixedTitle() + " " + path);

    // A ladder whose names the file holds is saved without the question.
    shared.GeluidMappen[0] = "/home/jan";
    shared.GeluidBestanden[3] = "bel.wav";
    WinsockHost().SetRemoteHost("pc-1");
    fake.messages.clear();
    fake.msgAnswers = {MsgResult::Ok};  // the overwrite question
    fake.fileAnswers = {path};
    CommandSchrijven();
    EXPECT_EQ(fake.messages, QStringList{"Het bestand bestaat al. Overschrijven?"});
}

TEST_F(LadderFileTest, WriteCommandReportsAFailedWriteWithTheReason) {
    LoadEveryKind();
    ladderView.windowCaption = "vorige";
    ladderView.fileDialogName = "/oud/les.vpp";
    ASSERT_TRUE(QFile::link("lus2.vpp", home.file("lus1.vpp")) && QFile::link("lus1.vpp", home.file("lus2.vpp")));
    test::FullFileSystem readOnly;
    const QString onReadOnly = readOnly.file("les.vpp");
    {
        QFile old(onReadOnly);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("oud") == 3);
    }
    const bool mounted = readOnly.MakeReadOnly();
    const struct {
        QString path;
        const char* reason;
        bool existed;
    } failures[] = {
        {home.file("geen-map/les.vpp"), "Het bestand of zijn map bestaat niet.", false},
        {home.file("lus1.vpp"), "Het pad loopt via te veel symbolische koppelingen.", false},
        {onReadOnly, "Het bestandssysteem is alleen-lezen.", true},
    };
    for (const auto& failure : failures) {
        if (failure.path == onReadOnly && !mounted) continue;  // only where a file system of its own can be mounted
        fake.messages.clear();
        fake.fileAnswers = {failure.path};
        CommandSchrijven();
        QStringList expected;
        if (failure.existed) expected << "Het bestand bestaat al. Overschrijven?";
        expected << "Het ladderprogramma kan niet opgeslagen worden in " + failure.path + ".\n" + failure.reason +
                        (failure.existed ? "\nHet bestaande bestand is niet veranderd." : "");
        EXPECT_EQ(fake.messages, expected);
        EXPECT_EQ(ladderView.windowCaption, "vorige");
        EXPECT_EQ(ladderView.fileDialogName, "/oud/les.vpp");
    }
    shared.TaalVlag = true;
    fake.messages.clear();
    fake.fileAnswers = {home.file("geen-map/les.vpp")};
    CommandSchrijven();
    EXPECT_EQ(fake.messages, QStringList{"The ladder program cannot be saved in " + home.file("geen-map/les.vpp") +
                                         ".\nThe file or its folder does not exist."});
}

TEST_F(LadderFileTest, SaveUnderAFileSizeLimitFailsAndKeepsTheOldFile) {
    LoadEveryKind();
    const QString path = home.write("les.vpp", "oud");
    const auto before = Take();
    fake.fileAnswers = {path};
    fake.msgAnswers = {MsgResult::Ok};  // overwrite
    QStringList whileShown;             // the folder as the user reads each message
    fake.whileMessageShown = [&] { whileShown = QDir(home.path()).entryList(QDir::Files | QDir::Hidden); };
    {
        SetUpProcess();                         // as the program starts: the limit fails the write instead of ending the process
        const test::FileSizeLimit limit(4096);  // the file is some 30 KB
        CommandSchrijven();
    }
    ASSERT_EQ(fake.messages.size(), 2);
    EXPECT_EQ(fake.messages[1], "Het ladderprogramma kan niet opgeslagen worden in " + path +
                                    ".\nHet bestand wordt te groot.\nHet bestaande bestand is niet veranderd.");
    EXPECT_EQ(home.read("les.vpp"), "oud");
    EXPECT_EQ(whileShown, QStringList{"les.vpp"});  // no temporary file left
    ExpectUnchanged(before);
    EXPECT_TRUE(LadderHasUnsavedChanges());
}

TEST_F(LadderFileTest, ClearCommandAsksAndClearsEverythingItOwns) {
    LoadEveryKind();
    ladderView.fileDialogName = "/x/les.vpp";
    ladderView.clearPicture = "BtnWissen.bmp";
    shared.PrintNaam = "Jan";
    shared.PrintAfdeling = "4B";
    shared.TaalVlag = true;

    fake.msgAnswers = {MsgResult::Cancel};
    CommandWissen();
    EXPECT_EQ(shared.Condities[1][0], 1);
    EXPECT_EQ(ladderView.fileDialogName, "/x/les.vpp");
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0], "Are you sure you want to delete the ladder program?");
    EXPECT_EQ(fake.titles[0], "Attention");

    CommandWissen();
    EXPECT_EQ(shared.Condities[1][0], 0);
    EXPECT_EQ(shared.Acties[90][0], 0);
    EXPECT_EQ(shared.GeluidMappen[6], "/home/leerling/Geluiden");
    EXPECT_TRUE(ladderView.fileDialogName.isEmpty());
    EXPECT_TRUE(shared.PrintNaam.isEmpty());
    EXPECT_TRUE(shared.PrintAfdeling.isEmpty());
    EXPECT_EQ(ladderView.clearPicture, "BtnWissenLeeg.bmp");
    EXPECT_EQ(ladderView.windowCaption, FixedTitle());
}

TEST_F(LadderFileTest, ReadCellsAreCaptionedAndCellsBeyondAShortFileStayCleared) {
    LoadEveryKind();
    shared.Condities[200] = {3, 2, 4, 0, 0, 0};
    ladderView.cell[200].frameVisible = true;
    ladderView.action[60].frameVisible = true;

    // Twelve condition records and eight action records, each section closed by its dash line.
    const QList<QByteArray> lines = Golden("every_kind.vpp").split('\n');
    QByteArray isShort;
    for (int i = 0; i < 5 + 12; ++i) isShort += lines[i] + '\n';
    for (int i = 275; i < 278 + 9; ++i) isShort += lines[i] + '\n';  // row 2 takes two lines
    isShort += QByteArray(62, '-') + "\r\n";
    ASSERT_TRUE(LeesLadderVanDisk(home.write("kort.vpp", isShort)));

    EXPECT_EQ(shared.Condities[200][0], 0);
    EXPECT_EQ(shared.Condities[270][0], 0);
    EXPECT_EQ(shared.Acties[7][0], 4);
    EXPECT_EQ(shared.Acties[90][0], 0);
    EXPECT_FALSE(ladderView.cell[200].frameVisible);
    EXPECT_FALSE(ladderView.action[60].frameVisible);
    EXPECT_TRUE(ladderView.cell[1].frameVisible);
    EXPECT_EQ(ladderView.cell[1].lines[0].caption, "Velleman. Kaart Nr.");
    // The vertical link of rung 2: cells hidden without wires, the link line
    // below cell 3 and rung 2's OR wire in place of its supply wire.
    EXPECT_FALSE(ladderView.cell[5].frameVisible);
    EXPECT_FALSE(ladderView.cell[5].wireVisible);
    EXPECT_TRUE(ladderView.cell[3].linkLineVisible);
    EXPECT_TRUE(ladderView.action[2].orWireVisible);
    EXPECT_FALSE(ladderView.action[2].supplyVisible);
    EXPECT_TRUE(ladderView.action[6].frameVisible);
    // No settings section: the peer stays.
    EXPECT_EQ(WinsockHost().RemoteHost(), "127.0.0.1");
}

TEST_F(LadderFileTest, EveryMalformedFileGivesOneMessageAndKeepsTheLadder) {
    LoadEveryKind();
    shared.GeluidMappen[30] = "/bewaard";
    ladderView.windowCaption = "vorige";
    ladderView.cell[1].frameVisible = true;
    const auto before = Take();
    const QByteArray good = Golden("every_kind.vpp");

    auto replace = [&good](const QByteArray& old, const QByteArray& updated) {
        QByteArray b = good;
        b.replace(old, updated);
        return b;
    };
    const QByteArray bad[] = {
        QByteArray(),
        good.left(good.indexOf("Acties")),
        good.left(good.indexOf(" 40   ")),
        replace(" 1    1     10    3 ", " 1    1     1O    3 "),
        replace(" 1    1     10    3 ", " 1    1     40000 3 "),
        replace(" 1    1     10    3 ", " 1    1     14    3 "),
        replace(" 1    1     10    3 ", " 1    1     10    9 "),
        replace(" 8    3     1     4 ", " 8    3     1     9 "),
        replace(" 0    1     31    1     9 ", " 0    1     31    1     10 "),
        replace("Geluiden/\\bel.wav", "Geluiden\\bel.wav"),
        replace(" 5    2     2     1     4 ", " 5    2     2     1     8 "),
        replace(" 7    2     2     2     5 ", " 7    4     0     0     0 "),
        QByteArray(70000, '\xff'),
        QByteArray("\0\0\0\r\n\r\n,,,,\"", 10),
    };
    int i = 0;
    for (const QByteArray& b : bad) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(LeesLadderVanDisk(home.write(QString("slecht%1.vpp").arg(i++), b)));
        ExpectUnchanged(before);
        EXPECT_TRUE(ladderView.cell[1].frameVisible);
        EXPECT_EQ(shared.GeluidMappen[30], "/bewaard");
        EXPECT_EQ(fake.messages.size(), i);
        EXPECT_TRUE(fake.messages.last().contains("Het huidige ladderprogramma blijft staan."))
            << fake.messages.last().toStdString();
    }
}
