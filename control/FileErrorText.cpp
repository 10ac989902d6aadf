#include "FileErrorText.h"

#include <cerrno>

namespace kelvanor {

QString FileErrorText(int error) {
    switch (error) {
    case ENOSPC: return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
    case EDQUOT: return QStringLiteral("Der Speicherplatz, den der Benutzer belegen darf, ist aufgebraucht.");
    case EFBIG: return QStringLiteral("Die Datei wäre zu groß.");
    case EACCES:
    case EPERM: return QStringLiteral("Dafür fehlt die Berechtigung.");
    case EROFS: return QStringLiteral("Das Dateisystem ist schreibgeschützt.");
    case EISDIR: return QStringLiteral("Der Pfad ist ein Ordner, keine Datei.");
    case ENOTDIR: return QStringLiteral("Ein Teil des Pfades ist eine Datei, kein Ordner.");
    case ELOOP: return QStringLiteral("Der Pfad führt über zu viele symbolische Verknüpfungen.");
    case ENOENT: return QStringLiteral("Die Datei oder ihr Ordner wurde nicht gefunden.");
    case ENAMETOOLONG: return QStringLiteral("Der Name oder der Pfad ist zu lang.");
    case EIO: return QStringLiteral("Das Gerät meldet einen Lese- oder Schreibfehler.");
    case EMFILE:
    case ENFILE: return QStringLiteral("Es sind zu viele Dateien gleichzeitig geöffnet.");
    case ENOMEM: return QStringLiteral("Es ist nicht genug Speicher frei.");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("Die Datei wird gerade benutzt.");
    case ENXIO:
    case ENODEV: return QStringLiteral("Das Gerät ist nicht verfügbar.");
    default: return QStringLiteral("Das System meldet den Fehler %1 (%2).").arg(error).arg(qt_error_string(error));
    }
}

}  // namespace kelvanor
