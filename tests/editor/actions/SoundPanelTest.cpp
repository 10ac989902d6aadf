// The sound panel on a temporary folder tree, with a recording sound player.
#include <QDir>

#include "ActionCaptions.h"
#include "ActionEditorFixture.h"
#include "SoundFolders.h"

using namespace tamberlo;
using namespace tamberlo::test;

namespace {

class SoundPanelTest : public ActionEditorFixture {
protected:
    void SetUp() override {
        ActionEditorFixture::SetUp();
        QDir(home.path()).mkpath("geluid/sub");
        home.write("geluid/bel.wav", "RIFF");
        home.write("geluid/GONG.WAV", "RIFF");
        home.write("geluid/notes.txt", "x");
        home.write("geluid/sub/zoem.wav", "RIFF");
        sound->showProgramFolder();
    }
    void TearDown() override {
        SetMountedVolumes(std::nullopt);
        ActionEditorFixture::TearDown();
    }
    QString folder(const QString& name = "geluid") const { return cleanFolder(home.file(name)); }
};

}  // namespace

TEST_F(SoundPanelTest, ChoosingFoldersAndFilesStoresTheRowsNames) {
    EXPECT_EQ(sound->mapPath(), cleanFolder(home.path()));
    open(5);
    chooseTab(3);
    EXPECT_EQ(shared.Acties[5][0], 4);
    EXPECT_EQ(shared.GeluidMappen[5], "");
    sound->openFolder(home.file("geluid"));
    EXPECT_EQ(sound->listedFiles(), (QStringList{"bel.wav", "GONG.WAV"}));
    EXPECT_EQ(shared.GeluidMappen[5], folder());
    sound->clickFile("GONG.WAV");
    EXPECT_EQ(shared.GeluidBestanden[5], "GONG.WAV");
    EXPECT_EQ(captionsOf(5)[0], "GONG.WAV");
    EXPECT_EQ(captionsOf(5)[1], driveOfFolder(folder()).toStdString());
    EXPECT_EQ(sound->PanelGeluidBestandsnaam->Caption(), "GONG.WAV");

    sound->CommandTest_Click();
    EXPECT_EQ(player.played, QStringList{folder() + "/GONG.WAV"});
    // Showing the program's folder, as the start-up does, leaves the row alone.
    sound->showProgramFolder();
    EXPECT_EQ(shared.GeluidMappen[5], folder());
    EXPECT_EQ(shared.GeluidBestanden[5], "GONG.WAV");

    // Another folder drops the file from the panel, the cell and the row.
    sound->openFolder(home.file("geluid/sub"));
    EXPECT_EQ(shared.GeluidMappen[5], folder("geluid/sub"));
    EXPECT_EQ(shared.GeluidBestanden[5], "");
    EXPECT_EQ(captionsOf(5)[0], "");
    EXPECT_EQ(sound->PanelGeluidBestandsnaam->Caption(), "");
    sound->clickFile("zoem.wav");
    ok();
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // Reopened, the lists show the stored folder and file; Test plays it.
    open(5);
    EXPECT_EQ(sound->mapPath(), folder("geluid/sub"));
    EXPECT_EQ(sound->selectedFile(), "zoem.wav");
    EXPECT_EQ(shared.Acties[5][0], 4);
    sound->Bestand_DblClick();
    EXPECT_EQ(player.played.last(), folder("geluid/sub") + "/zoem.wav");

    // Back to the program's folder: the row keeps that folder and no file.
    sound->CommandBestandsPad_Click();
    EXPECT_EQ(shared.GeluidMappen[5], cleanFolder(home.path()));
    EXPECT_EQ(shared.GeluidBestanden[5], "");
}

TEST_F(SoundPanelTest, AStalePathIsReportedOnceAndTestUsesTheListedFolder) {
    // Row 5 leaves the lists on its folder with its file chosen.
    open(5);
    chooseTab(3);
    sound->openFolder(home.file("geluid"));
    sound->clickFile("bel.wav");
    ok();
    shared.Acties[9] = {4};
    shared.GeluidMappen[9] = "C:\\Geluiden";
    shared.GeluidBestanden[9] = "bel.wav";
    SetPanelActieBijLezen(9);
    EXPECT_EQ(captionsOf(9)[1], "C:");
    open(9);
    EXPECT_EQ(dialogs.messages, QStringList{"Het pad naar het geluidsbestand in regel 9 is niet meer geldig."});
    EXPECT_EQ(sound->mapPath(), folder());
    EXPECT_EQ(sound->selectedFile(), "");  // row 5's file is not this row's choice
    EXPECT_EQ(sound->PanelGeluidBestandsnaam->Caption(), "bel.wav");
    EXPECT_EQ(shared.GeluidMappen[9], "C:\\Geluiden");
    sound->CommandTest_Click();
    EXPECT_EQ(player.played, QStringList{folder() + "/bel.wav"});
    ok();  // no file is selected in the list: the warning, and the row stays a sound
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(shared.Acties[9][0], 4);

    // A sound row without folder and file shows no file chosen either.
    open(5);
    ok();
    shared.GeluidMappen[9].clear();
    shared.GeluidBestanden[9].clear();
    open(9);
    EXPECT_EQ(sound->selectedFile(), "");
    ok();
    EXPECT_EQ(dialogs.messages.size(), 3);
    EXPECT_TRUE(dialogs.messages.last().startsWith("U heeft geen geluidsbestand"));

    // A folder that exists but lacks the file: also one message.
    shared.GeluidMappen[9] = folder();
    shared.GeluidBestanden[9] = "weg.wav";
    open(9);
    EXPECT_EQ(dialogs.messages.size(), 4);
    EXPECT_TRUE(dialogs.messages.last().contains("regel 9"));
}

TEST_F(SoundPanelTest, NamesThatWouldBreakTheLadderFileAreRefused) {
    home.write("geluid/tab\there.wav", "RIFF");
    open(4);
    chooseTab(3);
    sound->openFolder(home.file("geluid"));
    sound->clickFile("bel.wav");
    sound->clickFile("tab\there.wav");
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(shared.GeluidBestanden[4], "bel.wav");
    // A reader of the ladder file ends the sound field at a comma.
    home.write("geluid/bel,klein.wav", "RIFF");
    sound->CommandVerversMap_Click();
    sound->clickFile("bel,klein.wav");
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages.last(),
              "Deze naam bevat een tab, een regeleinde of een teken dat het ladderprogramma niet kan bewaren.");
    EXPECT_EQ(shared.GeluidBestanden[4], "bel.wav");

    QDir(home.path()).mkpath("line\nbreak");
    sound->openFolder(home.file("line\nbreak"));
    EXPECT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(sound->mapPath(), folder());
    EXPECT_EQ(shared.GeluidMappen[4], folder());
    EXPECT_EQ(shared.GeluidBestanden[4], "bel.wav");
    EXPECT_FALSE(storableSoundName("a/\\b"));
    EXPECT_FALSE(storableSoundName("/home/a,b"));
    EXPECT_FALSE(storableSoundName("\"bel.wav"));  // read as a quoted field
    EXPECT_TRUE(storableSoundName("bel \"2\".wav"));
    EXPECT_TRUE(storableSoundName("C:\\Geluiden"));
    // The ladder file's code page holds "café" but not Polish or Cyrillic letters.
    EXPECT_TRUE(storableSoundName(QString::fromUtf8("café.wav")));
    EXPECT_FALSE(storableSoundName(QString::fromUtf8("dźwięk.wav")));
    EXPECT_FALSE(storableSoundName(QString::fromUtf8("звук.wav")));
}

// The drives are "/" and the roots of the other ready volumes on a device
// (not /boot), sorted; a folder's drive is the longest root holding it as a
// whole path. The volumes are the test's own.
TEST_F(SoundPanelTest, DrivesAreTheMountedVolumes) {
    const QString stick = cleanFolder(home.path());
    SetMountedVolumes(QList<MountedVolume>{{"/", "/dev/sda1"},
                                           {"/proc", "proc"},
                                           {"/boot/efi", "/dev/sda2"},
                                           {"/media/u/STICK", "/dev/sdb1"},
                                           {"/media/u/CARD", "/dev/sdc1", false},
                                           {"/home", "/dev/sda3"},
                                           {"/home", "/dev/sda3"},
                                           {stick, "/dev/sdd1"}});
    QStringList others{"/home", "/media/u/STICK", stick};
    others.sort();
    EXPECT_EQ(volumeRoots(), QStringList{"/"} + others);
    EXPECT_EQ(driveOfFolder("/media/u/STICK/geluid"), "/media/u/STICK");
    EXPECT_EQ(driveOfFolder("/media/u/STICKER"), "/");
    EXPECT_EQ(driveOfFolder(""), "");
    EXPECT_EQ(driveOfFolder("d:\\x"), "d:");
    sound->showProgramFolder();
    EXPECT_EQ(sound->drive(), stick);
    // Choosing the drive we are on changes nothing.
    open(3);
    chooseTab(3);
    sound->chooseDrive(sound->drive());
    EXPECT_EQ(sound->mapPath(), stick);
}
