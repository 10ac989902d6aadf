#pragma once
// A ladder that uses all 90 rungs and 270 cells: inputs of every interface,
// plain and Not, local and over the network, analog and variable compares,
// memories, function keys, timers, clock cells, vertical links, and actions
// of every kind. Roughly half of the rungs hold on a quiet input image.

#include <initializer_list>

#include "SharedState.h"

namespace tamberlo::test {

inline void WriteRow(std::array<Integer, kConditionColumns>& row, std::initializer_list<int> v) {
    row.fill(0);
    int k = 0;
    for (int x : v) row[k++] = static_cast<Integer>(x);
}

inline void WriteAction(std::array<Integer, kActionColumns>& row, std::initializer_list<int> v) {
    row.fill(0);
    int k = 0;
    for (int x : v) row[k++] = static_cast<Integer>(x);
}

inline void FillFullLadder(const QString& soundFolder = QStringLiteral("/tmp")) {
    auto& C = shared.Condities;
    auto& A = shared.Acties;
    for (int r = 1; r <= kRungs; ++r) {
        const int first = 3 * r - 2;
        if (r % 10 == 0) {  // a vertical link to the rung above
            for (int i = 0; i < 3; ++i) WriteRow(C[first + i], {4});
        } else {
            for (int column = 0; column < 3; ++column) {
                const int i = first + column;
                const int c = i % 4;
                switch ((r * 3 + column) % 16) {
                case 0: WriteRow(C[i], {1, 10 + c, 1 + i % 5, 0, 0}); break;       // card input
                case 1: WriteRow(C[i], {1, 10 + c, 11 + i % 5, 0, 0}); break;      // Not card input
                case 2: WriteRow(C[i], {1, 31 + i % 3, 11 + i % 5, 0, 0}); break;  // Not parallel port
                case 3: WriteRow(C[i], {1, 40, 11 + i % 8, 0, 0}); break;          // Not Kelvanor
                case 4: WriteRow(C[i], {1, 50, 11 + i % 5, 0, i % 2}); break;      // Not Arduino, local or network
                case 5: WriteRow(C[i], {1, 20 + c, 1 + i % 2, 0, 0}); break;       // analog at least 0
                case 6: WriteRow(C[i], {1, 20 + c, 1 + i % 2, 1200, 1}); break;    // network analog at most 200
                case 7: WriteRow(C[i], {2, 1, 10, 15, 30, 62}); break;             // clock
                case 8: WriteRow(C[i], {2, 2, 1 + i % 2, i % 8}); break;           // timer output
                case 9: WriteRow(C[i], {3, 1, i % 8, 1}); break;                   // memory inverted
                case 10: WriteRow(C[i], {3, 1, i % 8, 0}); break;                  // memory
                case 11: WriteRow(C[i], {3, 2, 1 + i % 8, 0}); break;              // function key
                case 12: WriteRow(C[i], {3, 3, 1 + i % 3, 0}); break;              // variable at least 0
                case 13: WriteRow(C[i], {3, 3, 1 + i % 3, 2000 + i % 7}); break;   // variable equal
                case 14: WriteRow(C[i], {3, 3, 1 + i % 3, 1500}); break;           // variable at most 500
                default: WriteRow(C[i], {0}); break;                               // empty
                }
            }
        }
        const int n = r % 8;
        switch (r % 17) {
        case 0: WriteAction(A[r], {1, 10 + r % 4, 1 + r % 3, 1 + r % 8, 0}); break;   // card set/reset/invert
        case 1: WriteAction(A[r], {1, 10, 1 + r % 2, 9, 0}); break;                   // card all
        case 2: WriteAction(A[r], {1, 20 + r % 4, 1 + r % 2, 1005, 0, 1}); break;     // analog raise, once
        case 3: WriteAction(A[r], {1, 31 + r % 3, 1 + r % 3, 1 + r % 8, 0}); break;   // parallel port
        case 4: WriteAction(A[r], {1, 40, 1 + r % 3, 1 + r % 8, 0}); break;           // Kelvanor
        case 5: WriteAction(A[r], {1, 50, 1 + r % 3, 1 + r % 8, 0}); break;           // Arduino
        case 6: WriteAction(A[r], {1, 10 + r % 4, 1 + r % 3, 1 + r % 8, 1}); break;   // network output
        case 7: WriteAction(A[r], {1, 20 + r % 4, 1 + r % 2, 100 + r, 1}); break;     // network analog
        case 8: WriteAction(A[r], {2, 1, 50, 60, 70, 80, 90, 100, 110, 120}); break;  // presets
        case 9: WriteAction(A[r], {2, 2, 1, n}); break;                               // start timer
        case 10: WriteAction(A[r], {2, 2, 2, n}); break;                              // reset timer
        case 11: WriteAction(A[r], {3, 1, 1, n}); break;                              // set memory
        case 12: WriteAction(A[r], {3, 1, 2, n}); break;                              // reset memory
        case 13: WriteAction(A[r], {3, 2, 1 + r % 3, 1, r}); break;                   // set variable
        case 14: WriteAction(A[r], {3, 2, 1 + r % 3, 2, 3}); break;                   // increase
        case 15: WriteAction(A[r], {3, 2, 1 + r % 3, 3, 2}); break;                   // decrease
        default: WriteAction(A[r], {4}); break;                                       // sound
        }
        shared.GeluidMappen[r] = soundFolder;
        shared.GeluidBestanden[r] = "tik.wav";
    }
    WriteAction(A[0], {2, 1, 100, 50, 25, 200, 10, 5, 300, 1000});
}

}  // namespace tamberlo::test
