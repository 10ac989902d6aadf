#pragma once
// The fake devices the run benchmarks drive: two Velleman cards found, the
// parallel ports and the sound player. Their call logs grow with every cycle,
// so they are emptied between cycles, outside the timing.

#include "FakeParallelPorts.h"
#include "FakeSoundPlayer.h"
#include "FakeVellemanCards.h"
#include "VellemanCards.h"

namespace tamberlo::test {

struct FakeDevices {
    FakeDevices() {
        cards.attached = 0b0011;
        velleman::SearchDevices();
    }
    void ClearLogs() {
        cards.log.clear();
        ports.log.clear();
        sound.played.clear();
    }

    velleman::FakeVellemanCards cards;
    FakeParallelPorts ports;
    FakeSoundPlayer sound;
};

}  // namespace tamberlo::test
