#pragma once
// The texts the start-up writes on the splash, in the language TaalVlag
// holds. Reports begin with a carriage return and join their lines with one.

#include <QString>

#include "LanguageText.h"

namespace tamberlo {

QString TextVellemanNotFound();
QString TextVellemanFound();
QString TextKelvanorNotFound();
QString TextKelvanorFound(int moduleType);
QString TextArduinoChecking();
QString TextArduinoNoInterface();
// The report for a board identity: "AT", "TM", "ET", or anything else (not recognised).
QString TextArduinoType(const QString& type);

// The start-only row's note as the start-up prints it.
QString TextStartRow();

}  // namespace tamberlo
