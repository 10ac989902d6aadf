#include "FileReason.h"

#include <cerrno>

#include "LanguageText.h"

namespace tamberlo {

QString FileErrorReason(int error) {
    switch (error) {
    case ENOENT: return T("Het bestand of zijn map bestaat niet.", "The file or its folder does not exist.");
    case EACCES:
    case EPERM:
        return T("Er is geen toestemming voor het bestand of zijn map.", "There is no permission for the file or its folder.");
    case EROFS: return T("Het bestandssysteem is alleen-lezen.", "The file system is read-only.");
    case ENOSPC: return T("Er is geen ruimte meer op de schijf.", "There is no space left on the disk.");
    case EDQUOT: return T("De schijfruimte die de gebruiker mag gebruiken is op.", "The user's disk quota is used up.");
    case EFBIG: return T("Het bestand wordt te groot.", "The file would be too large.");
    case ELOOP: return T("Het pad loopt via te veel symbolische koppelingen.", "The path runs through too many symbolic links.");
    case ENOTDIR: return T("Een deel van het pad is een bestand, geen map.", "A part of the path is a file, not a folder.");
    case EISDIR: return T("Het pad is een map, geen bestand.", "The path is a folder, not a file.");
    case ENAMETOOLONG: return T("De naam of het pad is te lang.", "The name or the path is too long.");
    case EIO: return T("Het apparaat meldt een lees- of schrijffout.", "The device reports a read or write error.");
    case EMFILE:
    case ENFILE: return T("Er zijn te veel bestanden tegelijk geopend.", "Too many files are open at once.");
    case ENOMEM: return T("Er is niet genoeg geheugen vrij.", "There is not enough free memory.");
    case EBUSY:
    case ETXTBSY: return T("Het bestand is in gebruik.", "The file is in use.");
    case ENXIO:
    case ENODEV: return T("Het apparaat is niet beschikbaar.", "The device is not available.");
    default:
        return T("Het systeem meldt fout %1 (%2).", "The system reports error %1 (%2).").arg(error).arg(qt_error_string(error));
    }
}

QString FileReadReason(ReadFault fault, int error) {
    switch (fault) {
    case ReadFault::None: return {};
    case ReadFault::NotAFile:
        return T("Het pad leidt niet naar een gewoon bestand, maar bijvoorbeeld naar een pipe of een apparaat.",
                 "The path leads to no ordinary file but to a pipe or a device, say.");
    case ReadFault::TooLarge: return T("Het bestand is te groot.", "The file is too large.");
    case ReadFault::Missing:
    case ReadFault::Unreadable: break;
    }
    return FileErrorReason(error);
}

}  // namespace tamberlo
