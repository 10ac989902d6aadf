#include "FileErrorText.h"

#include <cerrno>

namespace kelvanor {

QString FileErrorText(int error) {
    switch (error) {
    case ENOSPC: return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
    case EFBIG: return QStringLiteral("Die Datei wäre zu groß.");
    case EACCES:
    case EPERM: return QStringLiteral("Dafür fehlt die Berechtigung.");
    case EROFS: return QStringLiteral("Das Dateisystem ist schreibgeschützt.");
    case EISDIR: return QStringLiteral("Der Pfad ist ein Ordner, keine Datei.");
    case ELOOP: return QStringLiteral("Der Pfad führt über zu viele symbolische Verknüpfungen.");
    case ENOENT: return QStringLiteral("Die Datei oder ihr Ordner wurde nicht gefunden.");
    default: return qt_error_string(error);
    }
}

}  // namespace kelvanor
