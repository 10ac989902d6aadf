#pragma once
// Records every sound the program plays instead of playing it.

#include <QStringList>

#include "SoundPlayer.h"

namespace tamberlo::test {

class FakeSoundPlayer final : public SoundPlayer {
public:
    void PlayAsync(const QString& path) override { played << path; }
    QStringList played;
};

}  // namespace tamberlo::test
