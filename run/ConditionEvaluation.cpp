#include "ConditionEvaluation.h"

#include "SharedState.h"

namespace tamberlo {

namespace {

using Uitkomst = std::optional<bool>;
constexpr Uitkomst kOngewijzigd = std::nullopt;

// Compare codes: 0..255 at least v, 1000..1255 at most v - 1000, and for
// variables 2000..2255 equal to v - 2000.
Uitkomst Vergelijk(long x, int v, bool gelijkToegestaan) {
    if (v >= 0 && v <= 255) return x >= v;
    if (v >= 1000 && v <= 1255) return x <= v - 1000;
    if (gelijkToegestaan && v >= 2000 && v <= 2255) return x == v - 2000;
    return kOngewijzigd;
}

Uitkomst Ingang(const std::array<Integer, kConditieKolommen>& c) {
    const int code = c[1];
    const int netw = c[4];
    if (netw != 0 && netw != 1) return kOngewijzigd;

    if (code >= 20 && code <= 23) {  // Velleman analog
        const int h = c[2];
        if (h != 1 && h != 2) return false;
        const int idx = 4 * (h - 1) + (code - 20);
        const long x = netw ? shared.IngangAnaloogNetw[idx] : shared.IngangAnaloog[idx];
        return Vergelijk(x, c[3], false);
    }

    int kolom;
    int hoogste;  // highest plain input number of the interface
    if (code >= 10 && code <= 13) {
        kolom = code - 10;
        hoogste = 5;
    } else if (code >= 31 && code <= 33) {
        kolom = code - 27;
        hoogste = 5;
    } else if (code >= 40 && code <= 43) {
        // 41..43 come from older or hand-edited files; captions and the
        // editor take them as the module, so the scan does too.
        kolom = kGroepKelvanor;
        hoogste = 8;
    } else if (code == 50) {
        kolom = netw ? kGroepArduinoNetw : kGroepArduinoLokaal;
        hoogste = 5;
    } else {
        return kOngewijzigd;
    }
    int k = c[2];
    bool nietInvers = true;
    if (k >= 10 && k <= 10 + hoogste) {
        k -= 10;
        nietInvers = false;
    } else if (k < 0 || k > hoogste) {
        return kOngewijzigd;
    }
    const bool aan = netw ? shared.IngangDigitaalNetw[kolom][k] != 0 : shared.IngangDigitaal[kolom][k] != 0;
    return aan == nietInvers;
}

Uitkomst Tijd(const std::array<Integer, kConditieKolommen>& c, KlokLezer& klok) {
    if (c[1] == 1) {  // clock: holds in its second, false for the rest of its minute
        const KlokTijd& nu = klok();
        const bool dag = (c[5] >> (nu.weekdag - 1)) & 1;
        if (!dag || nu.uur != c[2] || nu.minuut != c[3]) return kOngewijzigd;
        return nu.seconde == c[4];
    }
    if (c[1] == 2) {  // timer output
        const int t = c[3];
        if (t < 0 || t > 7) return false;
        if (c[2] == 1) return shared.TimerUitgang[t];
        if (c[2] == 2) return !shared.TimerUitgang[t];
    }
    return kOngewijzigd;
}

Uitkomst GeheugenToetsVariabele(const std::array<Integer, kConditieKolommen>& c) {
    switch (c[1]) {
    case 1: {  // memory, plain or inverted
        const int m = c[2];
        if (m < 0 || m > 7) return false;
        if (c[3] == 0) return shared.GeheugenToestand[m];
        if (c[3] == 1) return !shared.GeheugenToestand[m];
        return kOngewijzigd;
    }
    case 2: {  // function key F1..F8 held down
        const int k = c[2];
        if (k < 1 || k > 8) return false;
        return shared.ToetsToestand[k - 1];
    }
    case 3: {  // variable A, B or C compared
        const int v = c[2];
        if (v < 1 || v > 3) return false;
        return Vergelijk(shared.Variabelen[v], c[3], true);
    }
    default:
        return kOngewijzigd;
    }
}

}  // namespace

std::optional<bool> EvalueerConditie(int n, KlokLezer& klok) {
    const auto& c = shared.Condities[n];
    switch (c[0]) {
    case 1: return Ingang(c);
    case 2: return Tijd(c, klok);
    case 3: return GeheugenToetsVariabele(c);
    default: return kOngewijzigd;
    }
}

}  // namespace tamberlo
