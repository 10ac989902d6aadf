#include "Versie.h"

namespace tamberlo {

QString VersieNummer() {
    return QStringLiteral("%1.%2.%3").arg(kVersieMajor).arg(kVersieMinor).arg(kVersieRevisie);
}

QString ProductNaam() { return QStringLiteral("Tamberlo"); }
QString MakerNaam() { return QStringLiteral("Tamberlo Leerwerk"); }
QString Copyright() { return QStringLiteral("Copyright (c) 2009-2026 ") + MakerNaam(); }

}  // namespace tamberlo
