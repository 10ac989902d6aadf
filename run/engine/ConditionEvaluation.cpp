#include "ConditionEvaluation.h"

#include "SharedState.h"

namespace tamberlo {

namespace {

using Outcome = std::optional<bool>;
constexpr Outcome kUnchanged = std::nullopt;

// Compare codes: 0..255 at least v, 1000..1255 at most v - 1000, and for
// variables 2000..2255 equal to v - 2000.
Outcome Compare(long x, int v, bool equalAllowed) {
    if (v >= 0 && v <= 255) return x >= v;
    if (v >= 1000 && v <= 1255) return x <= v - 1000;
    if (equalAllowed && v >= 2000 && v <= 2255) return x == v - 2000;
    return kUnchanged;
}

Outcome InputCondition(const std::array<Integer, kConditionColumns>& c) {
    const int code = c[1];
    const int network = c[4];
    if (network != 0 && network != 1) return kUnchanged;

    if (code >= 20 && code <= 23) {  // Velleman analog
        const int h = c[2];
        if (h != 1 && h != 2) return false;
        const int idx = 4 * (h - 1) + (code - 20);
        const long x = network ? shared.IngangAnaloogNetw[idx] : shared.IngangAnaloog[idx];
        return Compare(x, c[3], false);
    }

    int column;
    int highest;  // highest plain input number of the interface
    if (code >= 10 && code <= 13) {
        column = code - 10;
        highest = 5;
    } else if (code >= 31 && code <= 33) {
        column = code - 27;
        highest = 5;
    } else if (code >= 40 && code <= 43) {
        // 41..43 come from older or hand-edited files; captions and the
        // editor take them as the module, so the scan does too.
        column = kGroupKelvanor;
        highest = 8;
    } else if (code == 50) {
        column = network ? kGroupArduinoNetwork : kGroupArduinoLocal;
        highest = 5;
    } else {
        return kUnchanged;
    }
    int k = c[2];
    bool notInverted = true;
    if (k >= 10 && k <= 10 + highest) {
        k -= 10;
        notInverted = false;
    } else if (k < 0 || k > highest) {
        return kUnchanged;
    }
    const bool on = network ? shared.IngangDigitaalNetw[column][k] != 0 : shared.IngangDigitaal[column][k] != 0;
    return on == notInverted;
}

Outcome TimeCondition(const std::array<Integer, kConditionColumns>& c, ClockReader& clock) {
    if (c[1] == 1) {  // clock: holds in its second, false for the rest of its minute
        const ClockTime& now = clock();
        const bool day = (c[5] >> (now.weekday - 1)) & 1;
        if (!day || now.hour != c[2] || now.minute != c[3]) return kUnchanged;
        return now.second == c[4];
    }
    if (c[1] == 2) {  // timer output
        const int t = c[3];
        if (t < 0 || t > 7) return false;
        if (c[2] == 1) return shared.TimerUitgang[t];
        if (c[2] == 2) return !shared.TimerUitgang[t];
    }
    return kUnchanged;
}

Outcome MemoryKeyVariable(const std::array<Integer, kConditionColumns>& c) {
    switch (c[1]) {
    case 1: {  // memory, plain or inverted
        const int m = c[2];
        if (m < 0 || m > 7) return false;
        if (c[3] == 0) return shared.GeheugenToestand[m];
        if (c[3] == 1) return !shared.GeheugenToestand[m];
        return kUnchanged;
    }
    case 2: {  // function key F1..F8 held down
        const int k = c[2];
        if (k < 1 || k > 8) return false;
        return shared.ToetsToestand[k - 1];
    }
    case 3: {  // variable A, B or C compared
        const int v = c[2];
        if (v < 1 || v > 3) return false;
        return Compare(shared.Variabelen[v], c[3], true);
    }
    default: return kUnchanged;
    }
}

}  // namespace

std::optional<bool> EvaluateCondition(int n, ClockReader& clock) {
    const auto& c = shared.Condities[n];
    switch (c[0]) {
    case 1: return InputCondition(c);
    case 2: return TimeCondition(c, clock);
    case 3: return MemoryKeyVariable(c);
    default: return kUnchanged;
    }
}

}  // namespace tamberlo
