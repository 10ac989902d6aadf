#pragma once
// The texts the start-up writes on the splash, in the language TaalVlag
// holds. Reports begin with a carriage return and join their lines with one.

#include <QString>

#include "TaalTekst.h"

namespace tamberlo {

QString TekstVellemanNietGevonden();
QString TekstVellemanGevonden();
QString TekstKelvanorNietGevonden();
QString TekstKelvanorGevonden(int moduleType);
QString TekstArduinoControleren();
QString TekstArduinoGeenInterface();
// The report for a board identity: "AT", "TM", "ET", or anything else (not recognised).
QString TekstArduinoType(const QString& type);

// The start-only row's note as the start-up prints it.
QString TekstStartRegel();

}  // namespace tamberlo
