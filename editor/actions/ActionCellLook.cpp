#include "ActionCellLook.h"

#include <QLocale>

#include "CellTexts.h"
#include "LanguageText.h"
#include "SoundFolders.h"

namespace tamberlo {

using namespace celltext;

namespace {

// The interface line as a file read and a language switch draw it: in Dutch an
// analog output that waits for "not" is marked "WON" in the text as well.
std::optional<QString> outputInterfaceLine(const ActionRow& row, bool english) {
    std::optional<QString> text = outputInterfaceText(row[1], row[4], english);
    if (text && isVellemanAnalog(row[1]) && !english && row[5] == 1) *text += QStringLiteral("WON");
    return text;
}

void outputLines(CellLook& look, const ActionRow& row, bool english, const OutputPortAddresses& ports) {
    const int code = row[1];
    if (!isKnownInterface(code)) return;
    const bool analog = isVellemanAnalog(code);
    auto& interfaceLine = look.lines[kActionInterface];

    interfaceLine.caption = outputInterfaceLine(row, english);
    look.lines[kActionSignal].caption = outputSignalText(code, row[2], english);
    if (analog) {
        if (row[5] == 1) {
            interfaceLine.backColor = kColorWaitForNot;
            interfaceLine.foreColor = kColorWaitForNotText;
        } else if (row[5] == 0) {
            interfaceLine.backColor = kColorActionGrey;
            interfaceLine.foreColor = kColorButtonText;
        }
    }
    look.lines[kActionNumber].caption = interfaceNumberText(code, ports);
    look.lines[kActionValue].caption = analog ? analogOutputValueText(row[3]) : digitalOutputValueText(row[2], row[3]);
}

void timerLines(CellLook& look, const ActionRow& row) {
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

void memoryVariableLanguageLines(CellLook& look, const ActionRow& row, bool english) {
    if (row[1] == 1) {
        look.lines[kActionInterface].caption = T(english, "Geheugen", "Memory");
    } else if (row[1] == 2) {
        look.lines[kActionInterface].caption = T(english, "Variabele", "Variable");
        look.lines[kActionSignal].caption = variableOperationText(row[3], english);
    }
}

void memoryVariableLines(CellLook& look, const ActionRow& row, bool english) {
    memoryVariableLanguageLines(look, row, english);
    if (row[1] == 1) {
        look.lines[kActionNumber].caption = QString();
        if (row[2] == 1) look.lines[kActionSignal].caption = QStringLiteral("Set");
        else if (row[2] == 2) look.lines[kActionSignal].caption = QStringLiteral("Reset");
        look.lines[kActionValue].caption = QStringLiteral("M") + QString::number(row[3]);
    } else if (row[1] == 2) {
        look.lines[kActionNumber].caption = variableLetter(row[2]);
        look.lines[kActionValue].caption = QString::number(row[4]);
    }
}

QString soundSignalText(bool english) { return T(english, "Speel geluid", "Play sound"); }

}  // namespace

std::optional<QString> outputInterfaceText(int code, int network, bool english) {
    // The English digital Velleman text has a small "card"; the analog one a capital.
    return interfaceText(code, network, english, isVellemanDigital(code));
}

std::optional<QString> outputSignalText(int code, int channel, bool english) {
    if (isVellemanAnalog(code)) return T(english, "Ana. UIT A", "Ana. OUT A") + QString::number(channel);
    if (isKnownInterface(code)) return T(english, "Digitaal UIT", "Digital OUT");
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
    case 1: return T(english, "Set op", "Set to");
    case 2: return T(english, "Vergroot met", "Increase with");
    case 3: return T(english, "Verklein met", "Decrease with");
    default: return std::nullopt;
    }
}

CellLook actionLookOnRead(const ActionRow& row, const SoundNames& sound, bool english, const OutputPortAddresses& ports) {
    CellLook look;
    look.frameColor = kColorActionBlue;
    switch (row[0]) {
    case 0: emptyLook(look, kColorActionGrey); break;
    case 1:
        filledLook(look, kColorActionGrey);
        outputLines(look, row, english, ports);
        break;
    case 2:
        filledLook(look, kColorTimerRed);
        timerLines(look, row);
        break;
    case 3:
        filledLook(look, kColorMemoryVariableCyan);
        memoryVariableLines(look, row, english);
        break;
    case 4:
        filledLook(look, kColorSoundGreen);
        look.lines[kActionInterface].caption = sound.file;
        look.lines[kActionNumber].caption = driveOfFolder(sound.folder);
        look.lines[kActionSignal].caption = soundSignalText(english);
        break;
    default: break;
    }
    return look;
}

CellLook actionLookOnLanguage(const ActionRow& row, bool english) {
    CellLook look;
    switch (row[0]) {
    case 1: {
        // Every interface's line is rewritten, the same in both languages or not,
        // so that a switch draws what reading the file in that language draws.
        look.lines[kActionInterface].caption = outputInterfaceLine(row, english);
        look.lines[kActionSignal].caption = outputSignalText(row[1], row[2], english);
        break;
    }
    case 3: memoryVariableLanguageLines(look, row, english); break;
    case 4: look.lines[kActionSignal].caption = soundSignalText(english); break;
    default: break;
    }
    return look;
}

}  // namespace tamberlo
