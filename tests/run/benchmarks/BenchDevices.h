#pragma once
// The fake devices the run benchmarks drive: two Velleman cards found, the
// parallel ports and the sound player. Their call logs grow with every cycle,
// so they are emptied between cycles, outside the timing.

#include "FakeParallelPorts.h"
#include "FakeSoundPlayer.h"
#include "FakeVellemanCards.h"
#include "VellemanCards.h"

namespace tamberlo::test {

struct NepApparaten {
    NepApparaten() {
        kaarten.attached = 0b0011;
        velleman::SearchDevices();
    }
    void LogsLegen() {
        kaarten.log.clear();
        poorten.log.clear();
        geluid.played.clear();
    }

    velleman::FakeVellemanCards kaarten;
    FakeParallelPorts poorten;
    FakeSoundPlayer geluid;
};

}  // namespace tamberlo::test
