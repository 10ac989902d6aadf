// The sound layer: paths joined from a sound action's folder and file, and
// playing without an audio device neither blocks nor crashes.
#include <QElapsedTimer>

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

TEST(SoundPlayer, PlayingReturnsAtOnceWithOrWithoutAFile) {
    TempHome home;
    // Not a real wave file: the player must cope with what a user picks.
    const QString broken = home.write("kapot.wav", "RIFF....WAVEfmt garbage");
    soundPlayer().PlayAsync(broken);
    soundPlayer().PlayAsync(home.file("bestaat-niet.wav"));
    soundPlayer().PlayAsync(broken);
    SUCCEED();
}

}  // namespace
}  // namespace tamberlo::test
