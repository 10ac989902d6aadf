// The sound layer: paths joined from a sound action's folder and file, and
// playing without an audio device neither blocks nor crashes nor talks on
// the terminal.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include "FakeSoundPlayer.h"
#include "FifoWatchdog.h"
#include "SoundPlayer.h"
#include "TempHome.h"
#include "WaitUntil.h"

namespace tamberlo::test {
namespace {

TEST(SoundPlayer, JoinsFolderAndFile) {
    EXPECT_EQ(SoundPath("/home/jan/geluid", "bel.wav"), "/home/jan/geluid/bel.wav");
    EXPECT_EQ(SoundPath("/home/jan/geluid/", "bel.wav"), "/home/jan/geluid/bel.wav");
    EXPECT_EQ(SoundPath("C:\\Tamberlo\\", "bel.wav"), "C:/Tamberlo/bel.wav");
    EXPECT_EQ(SoundPath("", "bel.wav"), "bel.wav");
}

QStringList logged;
void Capture(QtMsgType, const QMessageLogContext&, const QString& message) { logged << message; }

TEST(SoundPlayer, PlayingReturnsAtOnceWithOrWithoutAFile) {
    // The first use in this process: where Qt's sound layer would report a missing sound server.
    const QtMessageHandler before = qInstallMessageHandler(Capture);
    TempHome home;
    // Not a real wave file: the player must cope with what a user picks.
    const QString broken = home.write("kapot.wav", "RIFF....WAVEfmt garbage");
    bool delivered = false;
    QTimer::singleShot(0, [&] { delivered = true; });
    soundPlayer().PlayAsync(broken);
    soundPlayer().PlayAsync(home.file("bestaat-niet.wav"));
    soundPlayer().PlayAsync(broken);
    // No call waited in an event loop of its own: the event queued before them is still pending...
    EXPECT_FALSE(delivered);
    // ...and the program's own loop goes on and delivers it.
    EXPECT_TRUE(WaitUntil([&] { return delivered; }));
    qWarning("after playing");  // other messages still pass
    qInstallMessageHandler(before);
    EXPECT_EQ(logged.join(" | ").toStdString(), "after playing");
}

TEST(SoundPlayer, OnlyARegularFileIsHandedToThePlayer) {
    TempHome home;
    FakeSoundPlayer player;
    SetSoundPlayer(&player);
    const QString sound = home.write("bel.wav", "RIFF");
    const FifoWatchdog fifo(home.file("pijp.wav"));
    ASSERT_TRUE(fifo.Made());
    ASSERT_TRUE(QFile::link("/dev/zero", home.file("nul.wav")));
    ASSERT_TRUE(QDir(home.path()).mkdir("map.wav"));
    for (const char* name : {"pijp.wav", "nul.wav", "map.wav", "bestaat-niet.wav", "bel.wav"}) PlaySoundFile(home.file(name));
    SetSoundPlayer(nullptr);
    EXPECT_EQ(player.played, QStringList{sound});
    EXPECT_FALSE(fifo.Fired());
}

}  // namespace
}  // namespace tamberlo::test
