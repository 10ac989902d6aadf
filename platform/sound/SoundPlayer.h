#pragma once
// Plays a sound file without waiting for it, as the ladder's sound actions
// and the sound picker's preview need. A new sound stops the one playing.
// Without an audio output the program plays nothing and goes on.
// Tests install their own player.

#include <QString>

namespace tamberlo {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the file at `path` and returns at once; a missing or
    // unreadable file plays nothing.
    virtual void PlayAsync(const QString& path) = 0;
};

// The player in use; the Qt Multimedia one unless a test installed another.
SoundPlayer& soundPlayer();
// Installs `player` (not owned); nullptr restores the Qt one.
void SetSoundPlayer(SoundPlayer* player);

// Hands the sound file at `path` to the player in use once it was looked at
// as every file read is (FileReading.h): a regular file the program may read.
// Anything else (nothing by that name, a FIFO, a device, a folder) plays
// nothing: the player would wait on a FIFO for good, or read a device without
// end.
void PlaySoundFile(const QString& path);

// The path of a sound action's file: its folder and file name joined. A
// folder stored with backslashes (a ladder written on Windows) is read with
// forward slashes.
QString SoundPath(const QString& folder, const QString& file);

}  // namespace tamberlo
