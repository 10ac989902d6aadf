// The sound layer: paths joined from a sound action's folder and file, and
// playing without an audio device neither blocks nor crashes nor talks on
// the terminal.
#include <QElapsedTimer>
#include <QStringList>

#include <gtest/gtest.h>

#include "SoundPlayer.h"
#include "TempHome.h"

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
    soundPlayer().PlayAsync(broken);
    soundPlayer().PlayAsync(home.file("bestaat-niet.wav"));
    soundPlayer().PlayAsync(broken);
    qWarning("after playing");  // other messages still pass
    qInstallMessageHandler(before);
    EXPECT_EQ(logged.join(" | ").toStdString(), "after playing");
}

}  // namespace
}  // namespace tamberlo::test
