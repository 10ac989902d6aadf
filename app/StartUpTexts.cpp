#include "StartUpTexts.h"

#include <QStringList>

#include "SharedState.h"

namespace tamberlo {
namespace {

const QString CR = QStringLiteral("\r");

QString ReportText(const QStringList& lines, const QString& tail = {}) { return CR + lines.join(CR) + tail; }

const char* const kArduinoInfo = "https://docs.arduino.cc/hardware/nano";
const char* const kOwnSite = "https://tamberlo.example.org";

}  // namespace

QString TextVellemanNotFound() {
    return ReportText({T("     Er is geen Velleman USB interface gevonden.", "     No Velleman USB interface has been found."),
                       QStringLiteral("     ----------"),
                       T("     De K8055 en de VM110 worden ondersteund.", "     The K8055 and VM110 are supported.")},
                      CR + CR);
}

QString TextVellemanFound() {
    return ReportText({T("     Er is een Velleman K8055 gevonden.", "     A Velleman K8055 has been found.")});
}

QString TextKelvanorNotFound() {
    return ReportText(
        {T("     Er is geen Brask Ember USB interface gevonden.", "     No Brask Ember USB interface has been found."),
         QStringLiteral("     ----------"),
         T("     Onder Windows 7 moet voor de Brask Ember USB de", "     Under Windows 7 fot the Brask Ember USB the"),
         T("     compatibiliteitsmodus ingesteld worden op WinXP sp3.", "     compatibility mode has to be set to WinXP sp3.")},
        CR + CR);
}

QString TextKelvanorFound(int moduleType) {
    switch (moduleType) {
    case 1:
        return ReportText({T("     Er is een Brask Kelvanor Atlas gevonden.", "     A Brask Kelvanor Atlas has been found.")});
    case 2:
        return ReportText({T("     Er is een Brask Kelvanor Basil gevonden.", "     A Brask Kelvanor Basil has been found.")});
    default: return ReportText({T("     Er is een Brask Embervak gevonden.", "     A Brask Embervak has been found.")});
    }
}

QString TextArduinoChecking() {
    return ReportText(
        {T("     Controleren of het juiste .HEX bestand geladen is.", "     Checking for correct .HEX file in Arduino."),
         T("     Wees geduldig...", "     Please be patient...")});
}

QString TextArduinoNoInterface() {
    QStringList lines{
        T("     Er is geen Arduino interface gevonden.", "     No Arduino interface has been found."),
        QStringLiteral("     ----------"),
        T("     Informatie over deze interface is te vinden op ", "     Information about this interface can be found on ") +
            kArduinoInfo};
    // Not a pair for T(): only the Dutch report has this line, the English one has nothing in its place.
    if (!shared.TaalVlag) lines.push_back(QStringLiteral("     Op ") + kOwnSite + " zal ook informatie geplaatst worden.");
    return ReportText(lines, CR);
}

QString TextArduinoType(const QString& type) {
    const QString found = T("     Er is een Arduino Nano gevonden.", "     An Arduino Nano has been found.");
    if (type == QLatin1String("AT"))
        return ReportText(
            {found, T("     Er is een AdaFruit RGB led strip op aangesloten.", "     An AdaFruit RGB led strip is connected.")});
    if (type == QLatin1String("TM"))
        return ReportText({found, T("     Er is een Texas Instruments TM1638 module op aangesloten.",
                                    "     A Texas Instruments TM1638 module is connected.")});
    if (type == QLatin1String("ET"))
        return ReportText({found, T("     Er zijn 8 lumileds op aangesloten.", "     Eight LumiLeds are connected.")});
    return ReportText(
        {T("     Er is geen Arduino Nano gevonden.", "     An Arduino Nano has not been found."),
         T("     De Arduino wordt niet herkend.", "     The Arduino can't be recognised."),
         T("     Is het juiste .INO bestand in de Arduino gelanden?", "     Is the .INO file loaded into the Arduino?"),
         T("     Brandt van de Led strip wel de derde led van links?", "     Is the third led from the left burning?")});
}

QString TextStartRow() {
    return T("Deze regel wordt alleen bij de start uitgevoerd!", "This line will be executes once by Start!");
}

}  // namespace tamberlo
