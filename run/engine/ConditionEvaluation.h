#pragma once
// The result of one condition cell of kind 1 (input), 2 (time) or 3
// (memory, key or variable), from the input images and the ladder state.

#include <optional>

#include "RunClock.h"

namespace tamberlo {

// Reads the time of day once per scan, at the first clock cell that needs it.
class ClockReader {
public:
    const ClockTime& operator()() {
        if (!read_) {
            time_ = runClock().Now();
            read_ = true;
        }
        return time_;
    }

private:
    ClockTime time_;
    bool read_ = false;
};

// True or False for cell n, or nullopt when the cell keeps its last result
// (a clock outside its minute, a code the ladder does not use). A number that
// would point outside its table (damaged file) gives False.
std::optional<bool> EvaluateCondition(int n, ClockReader& clock);

}  // namespace tamberlo
