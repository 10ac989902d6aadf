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
    if (shared.TaalVlag)
        return ReportText(
            {"     No Velleman USB interface has been found.", "     ----------", "     The K8055 and VM110 are supported."},
            CR + CR);
    return ReportText(
        {"     Er is geen Velleman USB interface gevonden.", "     ----------", "     De K8055 en de VM110 worden ondersteund."},
        CR + CR);
}

QString TextVellemanFound() {
    return ReportText({T("     Er is een Velleman K8055 gevonden.", "     A Velleman K8055 has been found.")});
}

QString TextKelvanorNotFound() {
    if (shared.TaalVlag)
        return ReportText(
            {"     No Brask Ember USB interface has been found.", "     ----------",
             "     Under Windows 7 fot the Brask Ember USB the", "     compatibility mode has to be set to WinXP sp3."},
            CR + CR);
    return ReportText(
        {"     Er is geen Brask Ember USB interface gevonden.", "     ----------",
         "     Onder Windows 7 moet voor de Brask Ember USB de", "     compatibiliteitsmodus ingesteld worden op WinXP sp3."},
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
    if (shared.TaalVlag) return ReportText({"     Checking for correct .HEX file in Arduino.", "     Please be patient..."});
    return ReportText({"     Controleren of het juiste .HEX bestand geladen is.", "     Wees geduldig..."});
}

QString TextArduinoNoInterface() {
    if (shared.TaalVlag)
        return ReportText({"     No Arduino interface has been found.", "     ----------",
                           QStringLiteral("     Information about this interface can be found on ") + kArduinoInfo},
                          CR);
    return ReportText({"     Er is geen Arduino interface gevonden.", "     ----------",
                       QStringLiteral("     Informatie over deze interface is te vinden op ") + kArduinoInfo,
                       QStringLiteral("     Op ") + kOwnSite + " zal ook informatie geplaatst worden."},
                      CR);
}

QString TextArduinoType(const QString& type) {
    const bool english = shared.TaalVlag;
    if (type == QLatin1String("AT"))
        return english ? ReportText({"     An Arduino Nano has been found.", "     An AdaFruit RGB led strip is connected."})
                       : ReportText(
                             {"     Er is een Arduino Nano gevonden.", "     Er is een AdaFruit RGB led strip op aangesloten."});
    if (type == QLatin1String("TM"))
        return english
                   ? ReportText({"     An Arduino Nano has been found.", "     A Texas Instruments TM1638 module is connected."})
                   : ReportText({"     Er is een Arduino Nano gevonden.",
                                 "     Er is een Texas Instruments TM1638 module op aangesloten."});
    if (type == QLatin1String("ET"))
        return english ? ReportText({"     An Arduino Nano has been found.", "     Eight LumiLeds are connected."})
                       : ReportText({"     Er is een Arduino Nano gevonden.", "     Er zijn 8 lumileds op aangesloten."});
    return english
               ? ReportText({"     An Arduino Nano has not been found.", "     The Arduino can't be recognised.",
                             "     Is the .INO file loaded into the Arduino?", "     Is the third led from the left burning?"})
               : ReportText({"     Er is geen Arduino Nano gevonden.", "     De Arduino wordt niet herkend.",
                             "     Is het juiste .INO bestand in de Arduino gelanden?",
                             "     Brandt van de Led strip wel de derde led van links?"});
}

QString TextStartRow() {
    return T("Deze regel wordt alleen bij de start uitgevoerd!", "This line will be executes once by Start!");
}

}  // namespace tamberlo
