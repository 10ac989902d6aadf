#include "OutputActions.h"

#include <optional>

#include "ArduinoOutputs.h"
#include "Controls.h"
#include "DashboardView.h"
#include "ParallelPorts.h"
#include "SharedState.h"
#include "VellemanCards.h"

namespace tamberlo {

namespace {

enum Bewerking { kZet = 1, kWis = 2, kInverteer = 3 };
constexpr int kAlle = 9;
constexpr int kRijArduino = 8;       // the Arduino's row of UitgangDigitaal
constexpr int kLampGroepArduino = 10;

int bit(int n) { return 1 << (n - 1); }

struct DigitaleRij {
    std::array<bool, 9>& S;
    int lampGroep;
    void zet(int n, bool aan) {
        S[n] = aan;
        ZetLamp(dashboardView.digUitVelPar, 10 * lampGroep + n, aan);
    }
    void zetAlle(bool aan) {
        for (int n = 1; n <= 8; ++n) zet(n, aan);
    }
    void inverteerAlle() {
        for (int n = 1; n <= 8; ++n) zet(n, !S[n]);
    }
    int byteVanToestanden() const {
        int b = 0;
        for (int n = 1; n <= 8; ++n)
            if (S[n]) b += bit(n);
        return b;
    }
};

// ---- Velleman cards, digital ----------------------------------------------

void vellemanDigitaal(int r, int k, int op, int n) {
    DigitaleRij rij{shared.UitgangDigitaal[k], k};
    Integer& B = shared.VellemanUitByte[k];
    const bool gevonden = shared.VellemanKaartMasker & (1 << k);
    // A found card whose outputs were written elsewhere (all outputs off, a
    // search) since is driven again even when the image already agrees.
    auto kaartToont = [&](int waarde) { return !gevonden || velleman::LastWrittenDigital(k) == waarde; };
    auto kies = [&] {
        if (gevonden) velleman::SetCurrentDevice(k);
        return gevonden;
    };

    if (n == kAlle) {
        switch (op) {
        case kZet:
            if (B == 255 && kaartToont(255)) return;
            B = 255;
            rij.zetAlle(true);
            if (kies()) velleman::SetAllDigital();
            break;
        case kWis:
            if (B == 0 && kaartToont(0)) return;
            B = 0;
            rij.zetAlle(false);
            if (kies()) velleman::ClearAllDigital();
            break;
        case kInverteer:
            if (shared.ActieUitgevoerd[r]) return;
            rij.inverteerAlle();
            B = static_cast<Integer>(rij.byteVanToestanden());
            if (kies()) velleman::WriteAllDigital(B);
            shared.ActieUitgevoerd[r] = true;
            break;
        }
        return;
    }
    switch (op) {
    case kZet:
        if (kies()) velleman::SetDigitalChannel(n);
        rij.zet(n, true);
        B = static_cast<Integer>(B | bit(n));
        break;
    case kWis:
        if (kies()) velleman::ClearDigitalChannel(n);
        rij.zet(n, false);
        B = static_cast<Integer>(B & ~bit(n));
        break;
    case kInverteer:
        if (shared.ActieUitgevoerd[r]) return;
        if (rij.S[n]) {
            if (kies()) velleman::ClearDigitalChannel(n);
            rij.zet(n, false);
        } else {
            if (kies()) velleman::SetDigitalChannel(n);
            rij.zet(n, true);
        }
        B = static_cast<Integer>(B ^ bit(n));
        shared.ActieUitgevoerd[r] = true;
        break;
    }
}

// ---- parallel ports ---------------------------------------------------------

void poortDigitaal(int r, int p, int op, int n) {
    DigitaleRij rij{shared.UitgangDigitaal[3 + p], 3 + p};
    Integer& B = shared.PoortUitByte[p];
    if (op == kInverteer) {
        if (shared.ActieUitgevoerd[r]) return;
        shared.ActieUitgevoerd[r] = true;
    }
    if (n == kAlle) {
        if (op == kZet) { B = 255; rij.zetAlle(true); }
        if (op == kWis) { B = 0; rij.zetAlle(false); }
        if (op == kInverteer) {
            // The lamps follow the byte written: after Stop the states are
            // off while the port still holds its byte.
            B = static_cast<Integer>(B ^ 255);
            for (int b = 1; b <= 8; ++b) rij.zet(b, B & bit(b));
        }
    } else {
        bool aan = op == kZet || (op == kInverteer && !rij.S[n]);
        rij.zet(n, aan);
        B = static_cast<Integer>(aan ? (B | bit(n)) : (B & ~bit(n)));
    }
    Out32(static_cast<std::int16_t>(shared.ParallellePoortAdressen[p - 1] & 0xFFFF), B);
}

// ---- the Kelvanor module --------------------------------------------------

void moduleVerzend(int handelend) {
    // Another part of the program gave the module other outputs since our last send.
    const bool buitenAf = Kelvanor1Uitgang().value_or(-1) != shared.ModuleEigenVerzonden;
    for (int m = 0; m <= 2; ++m) {
        Integer byte = shared.ModuleUitByte[m];
        bool opnieuw = m == handelend && buitenAf && shared.ModuleAanwezig != 0;
        if (byte == shared.ModuleUitByteVerzonden[m] && !opnieuw) continue;
        dashboardView.brask = QString::number(byte);
        dashboardView.icp = QString::number(shared.ArduinoUitByte);
        if (shared.ModuleAanwezig != 0) {
            Kelvanor1().SetDigitalOutput0(byte);
            shared.ModuleEigenVerzonden = Kelvanor1Uitgang().value_or(-1);
        }
        shared.ModuleUitByteVerzonden[m] = byte;
    }
}

void moduleDigitaal(int r, int m, int op, int n) {
    DigitaleRij rij{shared.UitgangDigitaal[kGroepKelvanor], kGroepKelvanor};
    Integer& B = shared.ModuleUitByte[m];
    bool doen = op != kInverteer || !shared.ActieUitgevoerd[r];
    if (doen) {
        if (n == kAlle) {
            if (op == kZet) { B = 255; rij.zetAlle(true); }
            if (op == kWis) { B = 0; rij.zetAlle(false); }
            if (op == kInverteer) { rij.inverteerAlle(); B = static_cast<Integer>(rij.byteVanToestanden()); }
        } else {
            bool aan = op == kZet || (op == kInverteer && !rij.S[n]);
            rij.zet(n, aan);
            B = static_cast<Integer>(aan ? (B | bit(n)) : (B & ~bit(n)));
        }
        if (op == kInverteer) shared.ActieUitgevoerd[r] = true;
    }
    moduleVerzend(m);
}

// ---- the Arduino --------------------------------------------------------------

void arduinoLabels() {
    dashboardView.brask = QString::number(shared.ModuleUitByte[0]);
    dashboardView.icp = QString::number(shared.ArduinoUitByte);
}

void arduinoDigitaal(int r, int op, int n) {
    DigitaleRij rij{shared.UitgangDigitaal[kRijArduino], kLampGroepArduino};
    Integer& B = shared.ArduinoUitByte;
    // What the board shows, when known: a set or reset also acts when the
    // board differs from the image (after Stop or all outputs off).
    const std::optional<int> bord = ArduinoUitgangGeschreven();
    if (n == kAlle) {
        switch (op) {
        case kZet:
            if (B == 255 && bord.value_or(255) == 255) return;
            B = 255;
            rij.zetAlle(true);
            break;
        case kWis:
            if (B == 0 && bord.value_or(0) == 0) return;
            B = 0;
            rij.zetAlle(false);
            break;
        case kInverteer:
            if (shared.ActieUitgevoerd[r]) return;
            rij.inverteerAlle();
            B = static_cast<Integer>(rij.byteVanToestanden());
            shared.ActieUitgevoerd[r] = true;
            break;
        }
    } else {
        const bool bordAan = bord && (*bord & bit(n));
        const bool bordUit = bord && !(*bord & bit(n));
        switch (op) {
        case kZet:
            if (rij.S[n] && !bordUit) return;
            rij.zet(n, true);
            B = static_cast<Integer>(B | bit(n));
            break;
        case kWis:
            if (!rij.S[n] && !bordAan) return;
            rij.zet(n, false);
            B = static_cast<Integer>(B & ~bit(n));
            break;
        case kInverteer:
            if (shared.ActieUitgevoerd[r]) return;
            // The byte follows the shown state, also after Stop cleared the states but not the byte.
            rij.zet(n, !rij.S[n]);
            B = static_cast<Integer>(rij.S[n] ? (B | bit(n)) : (B & ~bit(n)));
            shared.ActieUitgevoerd[r] = true;
            break;
        }
    }
    ArduinoZetUitgangenEnOnthoud(B);
    if (op == kInverteer) arduinoLabels();
}

// ---- network outputs ----------------------------------------------------------

void netwerkDigitaal(int r, int i, int op, int n) {
    Integer& N = shared.NetwUitgangen[i];
    auto lamp = [&](int nr, bool aan) { ZetLamp(dashboardView.digUitVelParNetw, 10 * i + nr, aan); };
    if (n == kAlle) {
        switch (op) {
        case kZet:
            N = 255;  // also for the Arduino: all eight outputs, as the lamps show
            for (int b = 1; b <= 8; ++b) lamp(b, true);
            break;
        case kWis:
            N = 0;
            for (int b = 1; b <= 8; ++b) lamp(b, false);
            break;
        case kInverteer:
            if (shared.ActieUitgevoerd[r]) return;
            N = static_cast<Integer>(~N & 0xFF);
            for (int b = 1; b <= 8; ++b) lamp(b, N & bit(b));
            shared.ActieUitgevoerd[r] = true;
            break;
        }
        return;
    }
    switch (op) {
    case kZet:
        if (N & bit(n)) return;
        N = static_cast<Integer>(N + bit(n));
        lamp(n, true);
        break;
    case kWis:
        if (!(N & bit(n))) return;
        N = static_cast<Integer>(N - bit(n));
        lamp(n, false);
        break;
    case kInverteer:
        if (shared.ActieUitgevoerd[r]) return;
        N = static_cast<Integer>(N ^ bit(n));
        lamp(n, N & bit(n));
        shared.ActieUitgevoerd[r] = true;
        break;
    }
}

// ---- Velleman cards, analog -------------------------------------------------

int nieuweAnaloog(int oud, int code) {
    if (code >= 0 && code <= 255) return code;
    if (code >= 1000 && code <= 1255) return oud + (code - 1000) < 255 ? oud + (code - 1000) : 255;
    if (code >= 2000 && code <= 2255) return oud - (code - 2000) > 0 ? oud - (code - 2000) : 0;
    return oud;
}

void vellemanAnaloog(int r, int k, int ch, int code, bool netwerk) {
    if (shared.ActieUitgevoerd[r]) return;
    if (ch == 1 || ch == 2) {
        const int item = 2 * k + ch;
        if (netwerk) {
            Long& waarde = shared.NetwAnaUitgangen[k][ch];
            waarde = nieuweAnaloog(waarde, code);  // kept, so a raise goes on from here next time
            dashboardView.anaUitDecimaalNetw[item] = QString::number(waarde);
            dashboardView.analoogUitNetw[item] = waarde / 2.55;
        } else {
            Integer& waarde = ch == 1 ? shared.AnaloogUitA1[k] : shared.AnaloogUitA2[k];
            waarde = static_cast<Integer>(nieuweAnaloog(waarde, code));
            const bool gevonden = shared.VellemanKaartMasker & (1 << k);
            const bool getoondAnders = dashboardView.anaUitDecimaal[item].toInt() != waarde;
            const bool kaartAnders = gevonden && velleman::LastWrittenAnalog(k, ch) != waarde;
            if (getoondAnders || kaartAnders) {
                if (gevonden) {
                    velleman::SetCurrentDevice(k);
                    velleman::OutputAnalogChannel(ch, waarde);
                }
                dashboardView.anaUitDecimaal[item] = QString::number(waarde);
                dashboardView.analoogUit[item] = waarde / 2.55;
            }
        }
    }
    if (shared.Acties[r][5] == 1) shared.ActieUitgevoerd[r] = true;
}

}  // namespace

void UitgangActie(int r) {
    if (r < 0 || r > kRungs) return;
    const auto& rij = shared.Acties[r];
    const int code = rij[1], op = rij[2], n = rij[3], plaats = rij[4];
    if (plaats != 0 && plaats != 1) return;
    const bool netwerk = plaats == 1;

    if (code >= 20 && code <= 23) {
        vellemanAnaloog(r, code - 20, op, n, netwerk);
        dashboardView.changed();
        return;
    }

    // Digital: an operation or output the editor never writes does nothing.
    if (op < kZet || op > kInverteer || n < 1 || n > kAlle) return;
    if (code >= 10 && code <= 13) {
        if (netwerk) netwerkDigitaal(r, code - 10, op, n);
        else vellemanDigitaal(r, code - 10, op, n);
    } else if (code >= 31 && code <= 33) {
        if (netwerk) netwerkDigitaal(r, code - 27, op, n);
        else poortDigitaal(r, code - 30, op, n);
    } else if (code >= 40 && code <= 43) {
        if (netwerk) netwerkDigitaal(r, kGroepKelvanor, op, n);
        else moduleDigitaal(r, code - 40, op, n);
    } else if (code == 50) {
        if (netwerk) netwerkDigitaal(r, kGroepArduinoNetw, op, n);
        else arduinoDigitaal(r, op, n);
    } else {
        return;
    }
    dashboardView.changed();
}

}  // namespace tamberlo
