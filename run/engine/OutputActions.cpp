#include "OutputActions.h"

#include <array>
#include <optional>
#include <utility>

#include "ArduinoOutputs.h"
#include "Controls.h"
#include "DashboardView.h"
#include "ParallelPorts.h"
#include "SharedState.h"
#include "VellemanCards.h"

namespace tamberlo {

namespace {

enum Operation { kSet = 1, kClear = 2, kInvert = 3 };
constexpr int kAll = 9;
constexpr int kRowArduino = 8;  // the Arduino's row of UitgangDigitaal
constexpr int kLampGroupArduino = 10;

int bit(int n) { return 1 << (n - 1); }

// What the actions of the pass so far want of each device. The actions
// change the images at once; the devices are written once, after the pass
// (FlushOutputs), so rungs that disagree about an output cost no traffic.
struct PendingOutputs {
    // What each found card is to show: the pass's operations applied to what
    // it showed before, as the library calls would have left it.
    std::array<std::optional<int>, 4> card;
    std::array<std::array<std::optional<int>, 3>, 4> analog;  // [card][channel 1..2]
    std::array<bool, 4> port{};                               // [1..3]: write PoortUitByte
    int moduleCodes = 0;                                      // bit m: module code 40 + m acted on
    bool arduino = false;                                     // write ArduinoUitByte
};
PendingOutputs pending;

std::int16_t portAddress(int p) { return static_cast<std::int16_t>(shared.ParallellePoortAdressen[p - 1] & 0xFFFF); }

struct DigitalRow {
    std::array<bool, 9>& S;
    int lampGroup;
    void set(int n, bool on) {
        S[n] = on;
        SetLamp(dashboardView.digOutVelPar, 10 * lampGroup + n, on);
    }
    void setAll(bool on) {
        for (int n = 1; n <= 8; ++n) set(n, on);
    }
    void invertAll() {
        for (int n = 1; n <= 8; ++n) set(n, !S[n]);
    }
    int byteFromStates() const {
        int b = 0;
        for (int n = 1; n <= 8; ++n)
            if (S[n]) b += bit(n);
        return b;
    }
    // Sets or clears every output, or sets, clears or inverts output n, with
    // `B` following; inverting every output is the caller's, as it differs.
    void write(Integer& B, int op, int n) {
        if (n == kAll) {
            if (op == kSet) {
                B = 255;
                setAll(true);
            }
            if (op == kClear) {
                B = 0;
                setAll(false);
            }
            return;
        }
        const bool on = op == kSet || (op == kInvert && !S[n]);
        set(n, on);
        B = static_cast<Integer>(on ? (B | bit(n)) : (B & ~bit(n)));
    }
};

// ---- Velleman cards, digital ----------------------------------------------

// What card k will show at the end of the pass so far; nothing when unknown.
std::optional<int> cardTarget(int k) { return pending.card[k] ? pending.card[k] : velleman::LastWrittenDigital(k); }

void vellemanDigital(int r, int k, int op, int n) {
    DigitalRow row{shared.UitgangDigitaal[k], k};
    Integer& B = shared.VellemanUitByte[k];
    const bool found = shared.VellemanKaartMasker & (1 << k);
    // A found card whose outputs were written elsewhere (all outputs off, a
    // search) since is driven again even when the image already agrees.
    auto cardShows = [&](int value) { return !found || cardTarget(k) == value; };
    // The card's outputs after the operation, written after the pass.
    auto drive = [&](auto change) {
        if (found) pending.card[k] = change(cardTarget(k).value_or(0)) & 0xFF;
    };

    if (n == kAll) {
        switch (op) {
        case kSet:
            if (B == 255 && cardShows(255)) return;
            B = 255;
            row.setAll(true);
            drive([](int) { return 255; });
            break;
        case kClear:
            if (B == 0 && cardShows(0)) return;
            B = 0;
            row.setAll(false);
            drive([](int) { return 0; });
            break;
        case kInvert:
            if (shared.ActieUitgevoerd[r]) return;
            row.invertAll();
            B = static_cast<Integer>(row.byteFromStates());
            drive([&](int) { return int(B); });
            shared.ActieUitgevoerd[r] = true;
            break;
        }
        return;
    }
    switch (op) {
    case kSet:
        drive([&](int shown) { return shown | bit(n); });
        row.set(n, true);
        B = static_cast<Integer>(B | bit(n));
        break;
    case kClear:
        drive([&](int shown) { return shown & ~bit(n); });
        row.set(n, false);
        B = static_cast<Integer>(B & ~bit(n));
        break;
    case kInvert: {
        if (shared.ActieUitgevoerd[r]) return;
        const bool on = !row.S[n];
        drive([&](int shown) { return on ? (shown | bit(n)) : (shown & ~bit(n)); });
        row.set(n, on);
        B = static_cast<Integer>(B ^ bit(n));
        shared.ActieUitgevoerd[r] = true;
        break;
    }
    }
}

// Writes card k's outputs with the call closest to what changed: all on,
// all off, one output, or the whole byte.
void writeCard(int k, int target) {
    const std::optional<int> shown = velleman::LastWrittenDigital(k);
    if (shown == target) return;
    velleman::SetCurrentDevice(k);
    const int changed = shown.value_or(0) ^ target;
    if (target == 255) {
        velleman::SetAllDigital();
    } else if (target == 0) {
        velleman::ClearAllDigital();
    } else if (changed != 0 && (changed & (changed - 1)) == 0) {
        int n = 1;
        while (bit(n) != changed) ++n;
        if (target & changed) velleman::SetDigitalChannel(n);
        else velleman::ClearDigitalChannel(n);
    } else {
        velleman::WriteAllDigital(target);
    }
}

// ---- parallel ports ---------------------------------------------------------

void portDigital(int r, int p, int op, int n) {
    DigitalRow row{shared.UitgangDigitaal[3 + p], 3 + p};
    Integer& B = shared.PoortUitByte[p];
    if (op == kInvert) {
        if (shared.ActieUitgevoerd[r]) return;
        shared.ActieUitgevoerd[r] = true;
    }
    if (n == kAll && op == kInvert) {
        // The lamps follow the byte written: after Stop the states are
        // off while the port still holds its byte.
        B = static_cast<Integer>(B ^ 255);
        for (int b = 1; b <= 8; ++b) row.set(b, B & bit(b));
    } else {
        row.write(B, op, n);
    }
    pending.port[p] = true;
}

// ---- the Kelvanor module --------------------------------------------------

// Sends the module bytes that changed; `actedOn` (bit m: module code 40 + m)
// are the codes whose actions ran, sent again when the module was given
// other outputs elsewhere.
void moduleSend(int actedOn) {
    // Another part of the program gave the module other outputs since our last send.
    const bool changedElsewhere = Kelvanor1Output().value_or(-1) != shared.ModuleOwnSent;
    for (int m = 0; m <= 2; ++m) {
        Integer byte = shared.ModuleUitByte[m];
        bool again = (actedOn & (1 << m)) && changedElsewhere && shared.ModuleAanwezig != 0;
        if (byte == shared.ModuleUitByteVerzonden[m] && !again) continue;
        dashboardView.brask = QString::number(byte);
        dashboardView.icp = QString::number(shared.ArduinoUitByte);
        if (shared.ModuleAanwezig != 0) {
            Kelvanor1().SetDigitalOutput0(byte);
            shared.ModuleOwnSent = Kelvanor1Output().value_or(-1);
        }
        shared.ModuleUitByteVerzonden[m] = byte;
    }
}

void moduleDigital(int r, int m, int op, int n) {
    DigitalRow row{shared.UitgangDigitaal[kGroupKelvanor], kGroupKelvanor};
    Integer& B = shared.ModuleUitByte[m];
    bool act = op != kInvert || !shared.ActieUitgevoerd[r];
    if (act) {
        if (n == kAll && op == kInvert) {
            row.invertAll();
            B = static_cast<Integer>(row.byteFromStates());
        } else {
            row.write(B, op, n);
        }
        if (op == kInvert) shared.ActieUitgevoerd[r] = true;
    }
    pending.moduleCodes |= 1 << m;  // also after a skipped invert
}

// ---- the Arduino --------------------------------------------------------------

void arduinoLabels() {
    dashboardView.brask = QString::number(shared.ModuleUitByte[0]);
    dashboardView.icp = QString::number(shared.ArduinoUitByte);
}

void arduinoDigital(int r, int op, int n) {
    DigitalRow row{shared.UitgangDigitaal[kRowArduino], kLampGroupArduino};
    Integer& B = shared.ArduinoUitByte;
    // What the board shows, when known: a set or reset acts unless the board
    // is known to show its result already, so it also acts when the board
    // differs from the image (after Stop or all outputs off) or is unknown
    // (its port has just opened).
    const std::optional<int> board = ArduinoOutputWritten();
    if (n == kAll) {
        switch (op) {
        case kSet:
            if (B == 255 && board == 255) return;
            B = 255;
            row.setAll(true);
            break;
        case kClear:
            if (B == 0 && board == 0) return;
            B = 0;
            row.setAll(false);
            break;
        case kInvert:
            if (shared.ActieUitgevoerd[r]) return;
            row.invertAll();
            B = static_cast<Integer>(row.byteFromStates());
            shared.ActieUitgevoerd[r] = true;
            break;
        }
    } else {
        const bool boardOn = board && (*board & bit(n));
        const bool boardOff = board && !(*board & bit(n));
        switch (op) {
        case kSet:
            if (row.S[n] && boardOn) return;
            row.set(n, true);
            B = static_cast<Integer>(B | bit(n));
            break;
        case kClear:
            if (!row.S[n] && boardOff) return;
            row.set(n, false);
            B = static_cast<Integer>(B & ~bit(n));
            break;
        case kInvert:
            if (shared.ActieUitgevoerd[r]) return;
            // The byte follows the shown state, also after Stop cleared the states but not the byte.
            row.set(n, !row.S[n]);
            B = static_cast<Integer>(row.S[n] ? (B | bit(n)) : (B & ~bit(n)));
            shared.ActieUitgevoerd[r] = true;
            break;
        }
    }
    pending.arduino = true;
    if (op == kInvert) arduinoLabels();
}

// ---- network outputs ----------------------------------------------------------

void networkDigital(int r, int i, int op, int n) {
    Integer& N = shared.NetwUitgangen[i];
    auto lamp = [&](int nr, bool on) { SetLamp(dashboardView.digOutVelParNetwork, 10 * i + nr, on); };
    if (n == kAll) {
        switch (op) {
        case kSet:
            N = 255;  // also for the Arduino: all eight outputs, as the lamps show
            for (int b = 1; b <= 8; ++b) lamp(b, true);
            break;
        case kClear:
            N = 0;
            for (int b = 1; b <= 8; ++b) lamp(b, false);
            break;
        case kInvert:
            if (shared.ActieUitgevoerd[r]) return;
            N = static_cast<Integer>(~N & 0xFF);
            for (int b = 1; b <= 8; ++b) lamp(b, N & bit(b));
            shared.ActieUitgevoerd[r] = true;
            break;
        }
        return;
    }
    switch (op) {
    case kSet:
        if (N & bit(n)) return;
        N = static_cast<Integer>(N + bit(n));
        lamp(n, true);
        break;
    case kClear:
        if (!(N & bit(n))) return;
        N = static_cast<Integer>(N - bit(n));
        lamp(n, false);
        break;
    case kInvert:
        if (shared.ActieUitgevoerd[r]) return;
        N = static_cast<Integer>(N ^ bit(n));
        lamp(n, N & bit(n));
        shared.ActieUitgevoerd[r] = true;
        break;
    }
}

// ---- Velleman cards, analog -------------------------------------------------

int newAnalog(int old, int code) {
    if (code >= 0 && code <= 255) return code;
    if (code >= 1000 && code <= 1255) return old + (code - 1000) < 255 ? old + (code - 1000) : 255;
    if (code >= 2000 && code <= 2255) return old - (code - 2000) > 0 ? old - (code - 2000) : 0;
    return old;
}

void vellemanAnalog(int r, int k, int ch, int code, bool network) {
    if (shared.ActieUitgevoerd[r]) return;
    if (ch == 1 || ch == 2) {
        const int item = 2 * k + ch;
        if (network) {
            Long& value = shared.NetwAnaUitgangen[k][ch];
            value = newAnalog(value, code);  // kept, so a raise goes on from here next time
            dashboardView.analogOutDecimalNetwork[item] = QString::number(value);
            dashboardView.analogOutNetwork[item] = value / 2.55;
        } else {
            Integer& value = ch == 1 ? shared.AnaloogUitA1[k] : shared.AnaloogUitA2[k];
            value = static_cast<Integer>(newAnalog(value, code));
            const bool found = shared.VellemanKaartMasker & (1 << k);
            std::optional<int>& toWrite = pending.analog[k][ch];
            const bool shownDiffers = dashboardView.analogOutDecimal[item].toInt() != value;
            const bool cardDiffers = found && (toWrite ? toWrite : velleman::LastWrittenAnalog(k, ch)) != value;
            if (shownDiffers || cardDiffers) {
                if (found) toWrite = int(value);
                dashboardView.analogOutDecimal[item] = QString::number(value);
                dashboardView.analogOut[item] = value / 2.55;
            }
        }
    }
    if (shared.Acties[r][5] == 1) shared.ActieUitgevoerd[r] = true;
}

}  // namespace

void OutputAction(int r) {
    if (r < 0 || r > kRungs) return;
    const auto& row = shared.Acties[r];
    const int code = row[1], op = row[2], n = row[3], place = row[4];
    if (place != 0 && place != 1) return;
    const bool network = place == 1;

    if (code >= 20 && code <= 23) {
        vellemanAnalog(r, code - 20, op, n, network);
        dashboardView.changed();
        return;
    }

    // Digital: an operation or output the editor never writes does nothing.
    if (op < kSet || op > kInvert || n < 1 || n > kAll) return;
    if (code >= 10 && code <= 13) {
        if (network) networkDigital(r, code - 10, op, n);
        else vellemanDigital(r, code - 10, op, n);
    } else if (code >= 31 && code <= 33) {
        if (network) networkDigital(r, code - 27, op, n);
        else portDigital(r, code - 30, op, n);
    } else if (code >= 40 && code <= 43) {
        if (network) networkDigital(r, kGroupKelvanor, op, n);
        else moduleDigital(r, code - 40, op, n);
    } else if (code == 50) {
        if (network) networkDigital(r, kGroupArduinoNetwork, op, n);
        else arduinoDigital(r, op, n);
    } else {
        return;
    }
    dashboardView.changed();
}

void FlushOutputs() {
    // Taken before writing: the module's send lets handlers run, and what
    // they ask for belongs to the next flush.
    const PendingOutputs now = std::exchange(pending, PendingOutputs{});
    for (int k = 0; k <= 3; ++k) {
        if (now.card[k]) writeCard(k, *now.card[k]);
        for (int ch = 1; ch <= 2; ++ch) {
            const std::optional<int>& value = now.analog[k][ch];
            if (!value || velleman::LastWrittenAnalog(k, ch) == value) continue;
            velleman::SetCurrentDevice(k);
            velleman::OutputAnalogChannel(ch, *value);
        }
    }
    for (int p = 1; p <= 3; ++p) {
        const int byte = shared.PoortUitByte[p] & 0xFF;
        if (now.port[p] && LastWrittenPort(portAddress(p)) != byte) Out32(portAddress(p), Integer(byte));
    }
    if (now.arduino && ArduinoOutputWritten() != (shared.ArduinoUitByte & 0xFF))
        ArduinoSetOutputsAndRemember(shared.ArduinoUitByte);
    if (now.moduleCodes != 0) moduleSend(now.moduleCodes);
}

}  // namespace tamberlo
