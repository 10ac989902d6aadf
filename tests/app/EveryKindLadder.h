#pragma once
// What the ladder file tests share: the golden files' bytes and the ladder of
// golden/every_kind.vpp.

#include <fstream>
#include <sstream>
#include <string>

#include "LadderFileFormat.h"

namespace tamberlo::test {

// The bytes of a file in the golden folder; empty when it is missing.
inline std::string ReadGolden(const std::string& name) {
    std::ifstream f(std::string(TAMBERLO_TEST_DATA) + "/golden/" + name, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

// The ladder of golden/every_kind.vpp: every cell kind, a 4-digit value, a
// 5-digit value that wraps its line, a negative value and two sound rows.
inline LadderData EveryKind() {
    LadderData d;
    d.conditions[1] = {1, 10, 3, 0, 0, 0};
    d.conditions[2] = {1, 22, 2, 1100, 0, 0};
    d.conditions[3] = {2, 1, 10, 15, 30, 62};
    d.conditions[4] = {4, 0, 0, 0, 0, 0};
    d.conditions[5] = {4, 0, 0, 0, 0, 0};
    d.conditions[6] = {4, 0, 0, 0, 0, 0};
    d.conditions[7] = {2, 2, 2, 5, 0, 0};
    d.conditions[8] = {3, 1, 4, 1, 0, 0};
    d.conditions[9] = {3, 2, 8, 0, 0, 0};
    d.conditions[10] = {3, 3, 2, 2005, 0, 0};
    d.conditions[11] = {1, 50, 13, 0, 1, 0};
    d.conditions[12] = {1, 33, 4, 0, 0, 0};
    d.conditions[270] = {1, 40, 17, 0, 0, 0};
    d.actions[0] = {1, 31, 1, 9, 0, 0, 0, 0, 0, 0};
    d.actions[1] = {1, 20, 2, 1150, 1, 1, 0, 0, 0, 0};
    d.actions[2] = {2, 1, 6000, 300, 0, 12345, 0, -5, 0, 150};
    d.actions[3] = {3, 1, 1, 7, 0, 0, 0, 0, 0, 0};
    d.actions[4] = {3, 2, 3, 2, 40, 0, 0, 0, 0, 0};
    d.actions[5] = {2, 2, 1, 4, 0, 0, 0, 0, 0, 0};
    d.actions[6] = {4, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    d.actions[7] = {4, 0, 0, 0, 0, 0, 250, 0, 0, 0};
    d.actions[90] = {1, 43, 3, 9, 1, 0, 0, 0, 0, 0};
    d.soundFolders[6] = "/home/leerling/Geluiden";
    d.soundFiles[6] = "bel.wav";
    d.soundFolders[7] = "/snd/a,b";
    d.soundFiles[7] = "deur, dicht.wav";
    return d;
}

}  // namespace tamberlo::test
