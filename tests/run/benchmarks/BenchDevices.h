#pragma once
// The fake devices the run benchmarks drive, installed while they live: two
// Velleman cards found, the parallel ports, the sound player and a Kelvanor
// module when one is given. Their call logs grow with every cycle, so they
// are emptied between cycles, outside the timing.

#include "FakeParallelPorts.h"
#include "FakeSoundPlayer.h"
#include "FakeVellemanCards.h"
#include "InstalledServices.h"
#include "VellemanCards.h"

namespace tamberlo::test {

struct FakeDevices {
    explicit FakeDevices(KelvanorClient* module = nullptr)
        : installed({.cards = &cards, .parallelPorts = &ports, .sound = &sound, .kelvanor = module}) {
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
    InstalledServices installed;
};

}  // namespace tamberlo::test
