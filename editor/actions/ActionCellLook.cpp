#include "ActionCellLook.h"

#include <QLocale>

namespace tamberlo {

namespace {

bool between(int v, int lo, int hi) { return v >= lo && v <= hi; }

bool isVellemanDigital(int code) { return between(code, 10, 13); }
bool isVellemanAnalog(int code) { return between(code, 20, 23); }
bool isParallelPort(int code) { return between(code, 31, 33); }
bool isKelvanor(int code) { return between(code, 40, 43); }
bool isArduino(int code) { return code == 50; }
bool isKnownOutput(int code) {
    return isVellemanDigital(code) || isVellemanAnalog(code) || isParallelPort(code) ||
           isKelvanor(code) || isArduino(code);
}

QString tr(bool english, const char* dutch, const char* englishText) {
    return QString::fromLatin1(english ? englishText : dutch);
}

void setBackColor(ActionCellLook& look, VbColor color) {
    for (auto& line : look.lines) line.backColor = color;
}

std::optional<QString> letterOf(int n) {
    const int code = 64 + n;
    if (!between(code, 0, 255)) return std::nullopt;
    return QString(QChar(code));
}

std::optional<QString> outputNumberText(int code, const OutputPortAddresses& ports) {
    if (isVellemanDigital(code)) return QString::number(code - 10);
    if (isVellemanAnalog(code)) return QString::number(code - 20);
    if (isParallelPort(code))
        return QString::number(static_cast<std::uint32_t>(ports[static_cast<std::size_t>(code - 31)]), 16)
            .toUpper();
    if (isKelvanor(code)) return QString::number(code - 40);
    if (isArduino(code)) return QStringLiteral("0");
    return std::nullopt;
}

void outputLines(ActionCellLook& look, const ActionRow& row, bool english, const OutputPortAddresses& ports) {
    const int code = row[1];
    if (!isKnownOutput(code)) return;
    const bool analog = isVellemanAnalog(code);
    auto& interfaceLine = look.lines[kActionInterface];

    interfaceLine.caption = outputInterfaceText(code, row[4], english);
    // Only a Dutch file read marks "Wacht Op Niet" in the text as well.
    if (analog && !english && row[5] == 1 && interfaceLine.caption) *interfaceLine.caption += QStringLiteral("WON");
    look.lines[kActionSignal].caption = outputSignalText(code, row[2], english);
    if (analog) {
        if (row[5] == 1) {
            interfaceLine.backColor = kKleurWachtOpNiet;
            interfaceLine.foreColor = kKleurWachtOpNietTekst;
        } else if (row[5] == 0) {
            interfaceLine.backColor = kKleurActieGrijs;
            interfaceLine.foreColor = kKleurKnopTekst;
        }
    }
    look.lines[kActionNumber].caption = outputNumberText(code, ports);
    look.lines[kActionValue].caption = analog ? analogOutputValueText(row[3]) : digitalOutputValueText(row[2], row[3]);
}

void timerLines(ActionCellLook& look, const ActionRow& row) {
    look.lines[kActionNumber].caption = QString();
    if (row[1] == 1) {
        look.lines[kActionInterface].caption = presetText(row[2]);
        look.lines[kActionSignal].caption = QStringLiteral("Preset Timer");
        look.lines[kActionValue].caption = QStringLiteral("T0");
    } else if (row[1] == 2) {
        look.lines[kActionInterface].caption = QString();
        if (row[2] == 1) look.lines[kActionSignal].caption = QStringLiteral("Set Timer");
        else if (row[2] == 2) look.lines[kActionSignal].caption = QStringLiteral("Reset Timer");
        look.lines[kActionValue].caption = QStringLiteral("T") + QString::number(row[3]);
    }
}

void memoryVariableLanguageLines(ActionCellLook& look, const ActionRow& row, bool english) {
    if (row[1] == 1) {
        look.lines[kActionInterface].caption = tr(english, "Geheugen", "Memory");
    } else if (row[1] == 2) {
        look.lines[kActionInterface].caption = tr(english, "Variabele", "Variable");
        look.lines[kActionSignal].caption = variableOperationText(row[3], english);
    }
}

void memoryVariableLines(ActionCellLook& look, const ActionRow& row, bool english) {
    memoryVariableLanguageLines(look, row, english);
    if (row[1] == 1) {
        look.lines[kActionNumber].caption = QString();
        if (row[2] == 1) look.lines[kActionSignal].caption = QStringLiteral("Set");
        else if (row[2] == 2) look.lines[kActionSignal].caption = QStringLiteral("Reset");
        look.lines[kActionValue].caption = QStringLiteral("M") + QString::number(row[3]);
    } else if (row[1] == 2) {
        look.lines[kActionNumber].caption = letterOf(row[2]);
        look.lines[kActionValue].caption = QString::number(row[4]);
    }
}

QString soundSignalText(bool english) { return tr(english, "Speel geluid", "Play sound"); }

}  // namespace

std::optional<QString> outputInterfaceText(int code, int network, bool english) {
    if (network != 0 && network != 1) return std::nullopt;
    const bool netw = network == 1;
    // The English digital Velleman text has a small "card"; the analog one a capital.
    if (isVellemanDigital(code)) {
        if (english) return QString::fromLatin1(netw ? "Netw. Vell. card Nr." : "Velleman. card Nr.");
        return QString::fromLatin1(netw ? "Netw. Vell. Kaart Nr." : "Velleman. Kaart Nr.");
    }
    if (isVellemanAnalog(code)) {
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

std::optional<QString> outputSignalText(int code, int channel, bool english) {
    if (isVellemanAnalog(code)) return tr(english, "Ana. UIT A", "Ana. OUT A") + QString::number(channel);
    if (isKnownOutput(code)) return tr(english, "Digitaal UIT", "Digital OUT");
    return std::nullopt;
}

std::optional<QString> digitalOutputValueText(int operation, int output) {
    QString prefix;
    switch (operation) {
    case 1: prefix = QStringLiteral("Set "); break;
    case 2: prefix = QStringLiteral("Res "); break;
    case 3: prefix = QStringLiteral("Imp "); break;
    default: return std::nullopt;
    }
    if (between(output, 1, 8)) return prefix + QString::number(output);
    if (output == 9) return prefix + QStringLiteral("All");
    return std::nullopt;
}

std::optional<QString> analogOutputValueText(int code) {
    if (between(code, 0, 255)) return QStringLiteral("= ") + QString::number(code);
    if (between(code, 1000, 1255)) return QStringLiteral("+ ") + QString::number(code - 1000);
    if (between(code, 2000, 2255)) return QStringLiteral("- ") + QString::number(code - 2000);
    return std::nullopt;
}

QString presetText(int hundredths) {
    if (hundredths >= 6000) return QStringLiteral("1 Min.");
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(hundredths / 100.0, 'f', 2) + QStringLiteral(" sec.");
}

std::optional<QString> variableOperationText(int operation, bool english) {
    switch (operation) {
    case 1: return tr(english, "Set op", "Set to");
    case 2: return tr(english, "Vergroot met", "Increase with");
    case 3: return tr(english, "Verklein met", "Decrease with");
    default: return std::nullopt;
    }
}

ActionCellLook actionLookOnRead(const ActionRow& row, const SoundNames& sound, bool english,
                                const OutputPortAddresses& ports) {
    ActionCellLook look;
    look.frameColor = kKleurActieBlauw;
    switch (row[0]) {
    case 0:
        look.frameVisible = false;
        setBackColor(look, kKleurActieGrijs);
        for (auto& line : look.lines) line.caption = QString();
        break;
    case 1:
        look.frameVisible = true;
        setBackColor(look, kKleurActieGrijs);
        outputLines(look, row, english, ports);
        break;
    case 2:
        look.frameVisible = true;
        setBackColor(look, kKleurTimerRood);
        timerLines(look, row);
        break;
    case 3:
        look.frameVisible = true;
        setBackColor(look, kKleurGehVarCyaan);
        memoryVariableLines(look, row, english);
        break;
    case 4:
        look.frameVisible = true;
        setBackColor(look, kKleurGeluidGroen);
        look.lines[kActionInterface].caption = sound.file;
        look.lines[kActionNumber].caption = sound.folder.left(2);
        look.lines[kActionSignal].caption = soundSignalText(english);
        break;
    default:
        break;
    }
    return look;
}

ActionCellLook actionLookOnLanguage(const ActionRow& row, bool english) {
    ActionCellLook look;
    switch (row[0]) {
    case 1: {
        const int code = row[1];
        if (isVellemanDigital(code) || isVellemanAnalog(code) || isParallelPort(code))
            look.lines[kActionInterface].caption = outputInterfaceText(code, row[4], english);
        look.lines[kActionSignal].caption = outputSignalText(code, row[2], english);
        break;
    }
    case 3:
        memoryVariableLanguageLines(look, row, english);
        break;
    case 4:
        look.lines[kActionSignal].caption = soundSignalText(english);
        break;
    default:
        break;
    }
    return look;
}

}  // namespace tamberlo
