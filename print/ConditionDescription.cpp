#include "CellTexts.h"
#include "Descriptions.h"
#include "LanguageText.h"

namespace tamberlo {

using namespace celltext;

namespace {

const Beschrijving kNothing{{QStringLiteral("#"), QStringLiteral("#")}};

// Line 0 of an input by interface: {English local, English network, Dutch local, Dutch network}.
struct InputLabels {
    const char* english[2];
    const char* dutch[2];
};

std::optional<InputLabels> inputLabels(int code) {
    if (isVellemanDigital(code))
        return InputLabels{{"Velleman card nr:", "Network Velleman card nr:"},
                           {"Velleman kaart nr:", "Netwerk Velleman kaart nr:"}};
    if (isVellemanAnalog(code))
        return InputLabels{{"Velleman card nr:", "Network Velleman card nr."},
                           {"Velleman kaart nr:", "Netwerk Velleman kaart nr:"}};
    if (isParallelPort(code))
        return InputLabels{{"Parallel port adress:", "Network parallel port adress:"},
                           {"Parallelle poort adres:", "Netwerk parallelle poort adres:"}};
    if (isKelvanor(code))
        return InputLabels{{"Brask ember usb", "Network Brask ember usb"}, {"Brask ember usb.", "Netwerk Brask ember usb"}};
    if (isArduino(code)) return InputLabels{{"Arduino", "Network Arduino"}, {"Arduino", "Netwerk Arduino"}};
    return std::nullopt;
}

// " 3 True", " 3 Niet Waar", "  8  NOT True": the state of a digital input.
QString inputState(int code, int n, bool english) {
    const int inputs = isKelvanor(code) ? 8 : 5;
    if (between(n, 1, inputs)) return QLatin1Char(' ') + QString::number(n) + T(english, " Waar", " True");
    if (!between(n, 10, 10 + inputs)) return {};
    const QString number = QString::number(n - 10);
    if (isVellemanDigital(code)) return QLatin1Char(' ') + number + T(english, " Niet Waar", " False");
    if (isParallelPort(code)) return QLatin1Char(' ') + number + T(english, " NIET Waar", " NOT True");
    return QStringLiteral("  ") + number + T(english, "  NIET Waar", "  NOT True");
}

Beschrijving input(const ConditionRow& row, bool english, const PortAddresses& ports) {
    Beschrijving d;
    const int code = row[1], n = row[2], v = row[3];
    const auto labels = inputLabels(code);
    if (!labels) return d;
    if (row[4] == 0 || row[4] == 1) d.line[0] = T(english, labels->dutch[row[4]], labels->english[row[4]]);
    // The number after the label: card, port address, module or Arduino number.
    d.line[0] += QLatin1Char(' ') + interfaceNumberText(code, ports).value_or(QString());
    if (isVellemanAnalog(code)) {
        d.line[1] = T(english, "Analoog IN A", "Analog IN A") + QString::number(n);
        if (between(v, 0, 255)) d.line[1] += T(english, " groter of gelijk ", " bigger or equals ") + QString::number(v);
        else if (between(v, 1000, 1255))
            d.line[1] += T(english, " kleiner of gelijk ", " smaller or equals ") + QString::number(v - 1000);
    } else {
        d.line[1] = T(english, "Digitaal IN", "Digital IN") + inputState(code, n, english);
    }
    return d;
}

Beschrijving clock(const ConditionRow& row, bool english) {
    static const char* const dutchDays[7] = {"Zo. ", "Ma. ", "Di. ", "Wo. ", "Do. ", "Vr. ", "Za. "};
    static const char* const englishDays[7] = {"Su. ", "Mo. ", "Tu. ", "We. ", "Th. ", "Fr. ", "Sa. "};
    Beschrijving d;
    for (int bit = 0; bit < 7; ++bit)
        if (row[5] & (1 << bit)) d.line[0] += T(english, dutchDays[bit], englishDays[bit]);
    d.line[0] += T(english, " Dag", " Day");
    d.line[1] = T(english, "Om ", "At ") + clockTimeText(row[2], row[3], row[4]) + T(english, " Uur", " Hour");
    return d;
}

Beschrijving time(const ConditionRow& row, bool english) {
    if (row[1] == 1) return clock(row, english);
    Beschrijving d;
    if (row[1] != 2) return d;
    if (row[2] == 1) d.line[0] = T(english, "Waar", "True");
    else if (row[2] == 2) d.line[0] = T(english, "Onwaar", "False");
    d.line[1] = QStringLiteral("Timer T") + QString::number(row[3]);
    return d;
}

Beschrijving memoryKeyVariable(const ConditionRow& row, bool english) {
    Beschrijving d;
    switch (row[1]) {
    case 1:
        d.line[0] = T(english, "Geheugen", "Memory");
        if (row[3] == 0) d.line[1] = QStringLiteral("M") + QString::number(row[2]);
        else if (row[3] == 1) d.line[1] = QStringLiteral("Not M") + QString::number(row[2]);
        break;
    case 2:
        d.line[0] = T(english, "Toetsenbord", "Keyboard");
        d.line[1] = QStringLiteral("F") + QString::number(row[2]);
        break;
    case 3:
        d.line[0] = T(english, "Variabele ", "Variable ") + variableLetter(row[2]).value_or(QString());
        d.line[1] = compareText(row[3], true).value_or(QString());
        break;
    default: break;
    }
    return d;
}

}  // namespace

Beschrijving describeCondition(const ConditionRow& row, bool english, const PortAddresses& ports) {
    switch (row[0]) {
    case 0:
    case 4: return kNothing;
    case 1: return input(row, english, ports);
    case 2: return time(row, english);
    case 3: return memoryKeyVariable(row, english);
    default: return {};
    }
}

Beschrijving PrintBeschrijvingConditie(int cell) {
    if (cell < 1 || cell > kConditions) return kNothing;
    return describeCondition(shared.Condities[static_cast<std::size_t>(cell)], shared.TaalVlag, shared.ParallellePoortAdressen);
}

}  // namespace tamberlo
