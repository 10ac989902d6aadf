#include "Version.h"

namespace tamberlo {

QString VersionNumber() { return QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision); }

QString ProductName() { return QStringLiteral("Tamberlo"); }
QString MakerName() { return QStringLiteral("Tamberlo Leerwerk"); }
QString MakerDomain() { return QStringLiteral(".example.org"); }
QString Copyright() { return QStringLiteral("Copyright (c) 2009-2026 ") + MakerName(); }

}  // namespace tamberlo
