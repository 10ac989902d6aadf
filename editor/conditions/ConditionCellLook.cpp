#include "ConditionCellLook.h"

namespace tamberlo {

namespace {

bool between(int v, int lo, int hi) { return v >= lo && v <= hi; }

bool isVellemanDigital(int code) { return between(code, 10, 13); }
bool isVellemanAnalog(int code) { return between(code, 20, 23); }
bool isParallelPort(int code) { return between(code, 31, 33); }
bool isKelvanor(int code) { return between(code, 40, 43); }
bool isArduino(int code) { return code == 50; }
bool isKnownInput(int code) {
    return isVellemanDigital(code) || isVellemanAnalog(code) || isParallelPort(code) ||
           isKelvanor(code) || isArduino(code);
}

QString tr(bool english, const char* dutch, const char* englishText) {
    return QString::fromLatin1(english ? englishText : dutch);
}

void setBackColor(ConditionCellLook& look, VbColor color) {
    for (auto& line : look.lines) line.backColor = color;
}

std::optional<QString> inputNumberText(int code, const PortAddresses& ports) {
    if (isVellemanDigital(code)) return QString::number(code - 10);
    if (isVellemanAnalog(code)) return QString::number(code - 20);
    if (isParallelPort(code)) return portAddressText(ports[static_cast<std::size_t>(code - 31)]);
    if (isKelvanor(code)) return QString::number(code - 40);
    if (isArduino(code)) return QStringLiteral("0");
    return std::nullopt;
}

void inputLines(ConditionCellLook& look, const ConditionRow& row, bool english,
                const PortAddresses& ports) {
    const int code = row[1];
    if (!isKnownInput(code)) return;
    look.lines[kLineInterface].caption = inputInterfaceText(code, row[4], english);
    look.lines[kLineSignal].caption = inputSignalText(code, row[2], english);
    look.lines[kLineNumber].caption = inputNumberText(code, ports);
    look.lines[kLineValue].caption = isVellemanAnalog(code) ? compareText(row[3], false)
                                                            : digitalInputValueText(code, row[2]);
}

std::optional<QString> timerSenseText(int sense, bool english) {
    if (sense == 1) return tr(english, "Waar", "True");
    if (sense == 2) return tr(english, "Onwaar", "False");
    return std::nullopt;
}

void clockLanguageLines(ConditionCellLook& look, const ConditionRow& row, bool english) {
    look.lines[kLineInterface].caption = weekdayText(row[5], english);
    look.lines[kLineNumber].caption = tr(english, "Dag", "Day");
    look.lines[kLineValue].caption = tr(english, "Uur", "Hour");
}

void timeLines(ConditionCellLook& look, const ConditionRow& row, bool english) {
    if (row[1] == 1) {
        clockLanguageLines(look, row, english);
        look.lines[kLineSignal].caption = clockTimeText(row[2], row[3], row[4]);
    } else if (row[1] == 2) {
        look.lines[kLineInterface].caption = timerSenseText(row[2], english);
        look.lines[kLineNumber].caption = QString();
        look.lines[kLineSignal].caption = QStringLiteral("Timer");
        look.lines[kLineValue].caption = QStringLiteral("T") + QString::number(row[3]);
    }
}

std::optional<QString> memoryKeyVariableSignal(const ConditionRow& row, bool english) {
    switch (row[1]) {
    case 1: return tr(english, "Geheugen", "Memory");
    case 2: return tr(english, "Toetsenbord", "Keyboard");
    case 3:
        if (auto letter = variableLetter(row[2])) return tr(english, "Variabele ", "Variable ") + *letter;
        return std::nullopt;
    default: return std::nullopt;
    }
}

void memoryKeyVariableLines(ConditionCellLook& look, const ConditionRow& row, bool english) {
    const int sub = row[1];
    if (!between(sub, 1, 3)) return;
    look.lines[kLineInterface].caption = QString();
    look.lines[kLineNumber].caption = QString();
    look.lines[kLineSignal].caption = memoryKeyVariableSignal(row, english);
    auto& value = look.lines[kLineValue].caption;
    if (sub == 1) {
        if (row[3] == 0) value = QStringLiteral("M") + QString::number(row[2]);
        else if (row[3] == 1) value = QStringLiteral("Not M") + QString::number(row[2]);
    } else if (sub == 2) {
        value = QStringLiteral("F") + QString::number(row[2]);
    } else {
        value = compareText(row[3], true);
    }
}

}  // namespace

std::optional<QString> inputInterfaceText(int code, int network, bool english) {
    if (network != 0 && network != 1) return std::nullopt;
    const bool netw = network == 1;
    if (isVellemanDigital(code) || isVellemanAnalog(code)) {
        if (english) return QString::fromLatin1(netw ? "Netw. Vell. Card Nr." : "Velleman. Card Nr.");
        return QString::fromLatin1(netw ? "Netw. Vell. Kaart Nr." : "Velleman. Kaart Nr.");
    }
    if (isParallelPort(code)) {
        if (english) return QString::fromLatin1(netw ? "Netw. Par. Port Nr." : "Parallel. Port Nr.");
        return QString::fromLatin1(netw ? "Netw. Par. Poort Nr." : "Parallelle Poort Nr.");
    }
    if (isKelvanor(code)) return QString::fromLatin1(netw ? "Netw. Brask Ember USB" : "Brask Ember USB");
    if (isArduino(code)) return QString::fromLatin1(netw ? "Netw. Arduino" : "Arduino");
    return std::nullopt;
}

std::optional<QString> inputSignalText(int code, int channel, bool english) {
    if (isVellemanAnalog(code)) return tr(english, "Analoog IN A", "Analog IN A") + QString::number(channel);
    if (isKnownInput(code)) return tr(english, "Digitaal IN", "Digital IN");
    return std::nullopt;
}

std::optional<QString> digitalInputValueText(int code, int column2) {
    const int inputs = isKelvanor(code) ? 8 : 5;
    if (between(column2, 1, inputs)) return QString::number(column2);
    if (between(column2, 10, 10 + inputs)) return QStringLiteral("Not ") + QString::number(column2 - 10);
    return std::nullopt;
}

std::optional<QString> compareText(int code, bool allowEqual) {
    if (between(code, 0, 255)) return QStringLiteral(">= ") + QString::number(code);
    if (between(code, 1000, 1255)) return QStringLiteral("<= ") + QString::number(code - 1000);
    if (allowEqual && between(code, 2000, 2255)) return QStringLiteral("= ") + QString::number(code - 2000);
    return std::nullopt;
}

QString weekdayText(int mask, bool english) {
    static const char* const dutch[7] = {"Zo", "Ma", "Di", "Wo", "Do", "Vr", "Za"};
    static const char* const englishDays[7] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    QString text;
    for (int bit = 0; bit < 7; ++bit)
        if (mask & (1 << bit)) text += QString::fromLatin1(english ? englishDays[bit] : dutch[bit]);
    return text;
}

QString clockTimeText(int hour, int minute, int second) {
    auto twoDigits = [](int v) { return (v < 10 ? QStringLiteral("0") : QString()) + QString::number(v); };
    return twoDigits(hour) + ':' + twoDigits(minute) + ':' + twoDigits(second);
}

std::optional<QString> variableLetter(int n) {
    const int code = 64 + n;
    if (!between(code, 0, 255)) return std::nullopt;
    return QString(QChar(code));
}

QString portAddressText(Long address) {
    return QString::number(static_cast<std::uint32_t>(address), 16).toUpper();
}

ConditionCellLook conditionLookOnRead(const ConditionRow& row, bool english, const PortAddresses& ports) {
    ConditionCellLook look;
    look.frameColor = kKleurCelGroen;
    switch (row[0]) {
    case 0:
        look.frameVisible = false;
        setBackColor(look, kKleurCelGrijs);
        for (auto& line : look.lines) line.caption = QString();
        break;
    case 1:
        look.frameVisible = true;
        setBackColor(look, kKleurIngangGeel);
        inputLines(look, row, english, ports);
        break;
    case 2:
        look.frameVisible = true;
        setBackColor(look, kKleurTijdOranje);
        timeLines(look, row, english);
        break;
    case 3:
        look.frameVisible = true;
        setBackColor(look, kKleurGehRoze);
        memoryKeyVariableLines(look, row, english);
        break;
    case 4:
        look.verticalLink = true;
        break;
    default:
        break;
    }
    return look;
}

ConditionCellLook conditionLookOnLanguage(const ConditionRow& row, bool english) {
    ConditionCellLook look;
    switch (row[0]) {
    case 1: {
        const int code = row[1];
        if (isVellemanDigital(code) || isVellemanAnalog(code) || isParallelPort(code))
            look.lines[kLineInterface].caption = inputInterfaceText(code, row[4], english);
        look.lines[kLineSignal].caption = inputSignalText(code, row[2], english);
        break;
    }
    case 2:
        if (row[1] == 1) clockLanguageLines(look, row, english);
        else if (row[1] == 2) look.lines[kLineInterface].caption = timerSenseText(row[2], english);
        break;
    case 3:
        look.lines[kLineSignal].caption = memoryKeyVariableSignal(row, english);
        break;
    default:
        break;
    }
    return look;
}

}  // namespace tamberlo
