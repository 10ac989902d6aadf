#include "CellTexts.h"
#include "Descriptions.h"
#include "LanguageText.h"

namespace tamberlo {

using namespace celltext;

namespace {

const Beschrijving kNothing{{QStringLiteral("#"), QStringLiteral("#")}};

Beschrijving output(const ActionRow& row, bool english, const OutputPortAddresses& ports) {
    Beschrijving d;
    const int code = row[1], operation = row[2], target = row[3];
    if (!isKnownInterface(code)) return d;
    d.line[0] = outputInterfaceText(code, row[4], english).value_or(QString());

    if (isVellemanAnalog(code)) {
        d.line[0] += QLatin1Char(' ') + QString::number(code - 20);
        d.line[1] = T(english, "Analoog UIT A", "Analog OUT A") + QString::number(operation);
        if (auto value = analogOutputValueText(target)) d.line[1] += QLatin1Char(' ') + *value;
        if (row[5] == 1) d.line[1] += QStringLiteral(" Wacht op NIET");
        return d;
    }

    d.line[1] = T(english, "Digitaal UIT", "Digital OUT");
    if (auto value = digitalOutputValueText(operation, target)) d.line[1] += QLatin1Char(' ') + *value;
    if (isVellemanDigital(code) || isParallelPort(code)) {
        d.line[0] += QLatin1Char(' ') + interfaceNumberText(code, ports).value_or(QString());
    } else if (operation == 3) {
        // Only an invert names the module or the Arduino, right after the label.
        d.line[0] += QString::number(isKelvanor(code) ? code - 40 : code - 50);
    }
    return d;
}

Beschrijving timer(const ActionRow& row) {
    Beschrijving d;
    if (row[1] == 1) {
        // A preset row describes timer 0's preset.
        d.line[0] = presetText(row[2]);
        d.line[1] = QStringLiteral("Preset Timer T0");
    } else if (row[1] == 2) {
        if (row[2] == 1) d.line[0] = QStringLiteral("Set Timer");
        else if (row[2] == 2) d.line[0] = QStringLiteral("Reset Timer");
        d.line[1] = QStringLiteral("T") + QString::number(row[3]);
    }
    return d;
}

Beschrijving memoryVariable(const ActionRow& row, bool english) {
    Beschrijving d;
    if (row[1] == 1) {
        d.line[0] = T(english, "Geheugen", "Memory");
        if (row[2] == 1) d.line[1] = QStringLiteral("Set");
        else if (row[2] == 2) d.line[1] = QStringLiteral("Reset");
        d.line[1] += QStringLiteral(" M") + QString::number(row[3]);
    } else if (row[1] == 2) {
        d.line[0] = T(english, "Variabele", "Variable") + variableLetter(row[2]).value_or(QString());
        d.line[1] = variableOperationText(row[3], english).value_or(QString()) + QLatin1Char(' ') + QString::number(row[4]);
    }
    return d;
}

}  // namespace

Beschrijving describeAction(const ActionRow& row, const SoundNames& sound, bool english, const OutputPortAddresses& ports) {
    switch (row[0]) {
    case 0: return kNothing;
    case 1: return output(row, english, ports);
    case 2: return timer(row);
    case 3: return memoryVariable(row, english);
    case 4: return {{sound.file + sound.folder.left(2), T(english, "Speel geluid", "Play sound")}};
    default: return {};
    }
}

Beschrijving PrintBeschrijvingActie(int row) {
    if (row < 0 || row > kRungs) return kNothing;
    const auto r = static_cast<std::size_t>(row);
    return describeAction(shared.Acties[r], {shared.GeluidMappen[r], shared.GeluidBestanden[r]}, shared.TaalVlag,
                          shared.ParallellePoortAdressen);
}

}  // namespace tamberlo
