#include "ConditionCellLook.h"

#include "LanguageText.h"

namespace tamberlo {

using namespace celltext;

namespace {

void inputLines(CellLook& look, const ConditionRow& row, bool english, const PortAddresses& ports) {
    const int code = row[1];
    if (!isKnownInterface(code)) return;
    look.lines[kLineInterface].caption = inputInterfaceText(code, row[4], english);
    look.lines[kLineSignal].caption = inputSignalText(code, row[2], english);
    look.lines[kLineNumber].caption = interfaceNumberText(code, ports);
    look.lines[kLineValue].caption = isVellemanAnalog(code) ? compareText(row[3], false) : digitalInputValueText(code, row[2]);
}

std::optional<QString> timerSenseText(int sense, bool english) {
    if (sense == 1) return T(english, "Waar", "True");
    if (sense == 2) return T(english, "Onwaar", "False");
    return std::nullopt;
}

void clockLanguageLines(CellLook& look, const ConditionRow& row, bool english) {
    look.lines[kLineInterface].caption = weekdayText(row[5], english);
    look.lines[kLineNumber].caption = T(english, "Dag", "Day");
    look.lines[kLineValue].caption = T(english, "Uur", "Hour");
}

void timeLines(CellLook& look, const ConditionRow& row, bool english) {
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
    case 1: return T(english, "Geheugen", "Memory");
    case 2: return T(english, "Toetsenbord", "Keyboard");
    case 3:
        if (auto letter = variableLetter(row[2])) return T(english, "Variabele ", "Variable ") + *letter;
        return std::nullopt;
    default: return std::nullopt;
    }
}

void memoryKeyVariableLines(CellLook& look, const ConditionRow& row, bool english) {
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
    return interfaceText(code, network, english, false);
}

std::optional<QString> inputSignalText(int code, int channel, bool english) {
    if (isVellemanAnalog(code)) return T(english, "Analoog IN A", "Analog IN A") + QString::number(channel);
    if (isKnownInterface(code)) return T(english, "Digitaal IN", "Digital IN");
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
        if (mask & (1 << bit)) text += T(english, dutch[bit], englishDays[bit]);
    return text;
}

QString clockTimeText(int hour, int minute, int second) {
    auto twoDigits = [](int v) { return (v < 10 ? QStringLiteral("0") : QString()) + QString::number(v); };
    return twoDigits(hour) + ':' + twoDigits(minute) + ':' + twoDigits(second);
}

CellLook conditionLookOnRead(const ConditionRow& row, bool english, const PortAddresses& ports) {
    CellLook look;
    look.frameColor = kColorCellGreen;
    switch (row[0]) {
    case 0: emptyLook(look, kColorCellGrey); break;
    case 1:
        filledLook(look, kColorInputYellow);
        inputLines(look, row, english, ports);
        break;
    case 2:
        filledLook(look, kColorTimeOrange);
        timeLines(look, row, english);
        break;
    case 3:
        filledLook(look, kColorMemoryPink);
        memoryKeyVariableLines(look, row, english);
        break;
    case 4: look.verticalLink = true; break;
    default: break;
    }
    return look;
}

CellLook conditionLookOnLanguage(const ConditionRow& row, bool english) {
    CellLook look;
    switch (row[0]) {
    case 1: {
        // The interface line is written for every interface, including those whose
        // text reads the same in both languages: the editor's network box can have
        // left another text there, and a switch must draw what a file read draws.
        const int code = row[1];
        look.lines[kLineInterface].caption = inputInterfaceText(code, row[4], english);
        look.lines[kLineSignal].caption = inputSignalText(code, row[2], english);
        break;
    }
    case 2:
        if (row[1] == 1) clockLanguageLines(look, row, english);
        else if (row[1] == 2) look.lines[kLineInterface].caption = timerSenseText(row[2], english);
        break;
    case 3: look.lines[kLineSignal].caption = memoryKeyVariableSignal(row, english); break;
    default: break;
    }
    return look;
}

}  // namespace tamberlo
