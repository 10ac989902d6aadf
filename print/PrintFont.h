#pragma once
// The pages' font. The face the pages name is a comic-style face that Linux
// does not ship; it is mapped onto the free Comic Neue by font substitution,
// so the name stays the one the program uses everywhere.

#include <QFont>
#include <QString>

namespace tamberlo {

// The face the pages and the print details window are set in.
inline const QString kPrintFontName = QStringLiteral("Comic Sans MS");

// Makes `name` resolve to an installed comic-style face (once per program).
void InstallPrintFontSubstitution();

// A font of that face at that size in points.
QFont PrintFont(const QString& name, double points);

}  // namespace tamberlo
