#include "FileReadReason.h"

#include <cerrno>

#include "LanguageText.h"

namespace tamberlo {

QString FileReadReason(ReadFault fault, int error) {
    switch (fault) {
    case ReadFault::None: return {};
    case ReadFault::Missing: return T("Het bestand of zijn map bestaat niet.", "The file or its folder does not exist.");
    case ReadFault::NotAFile:
        return T("Het pad leidt niet naar een gewoon bestand, maar bijvoorbeeld naar een pipe of een apparaat.",
                 "The path leads to no ordinary file but to a pipe or a device, say.");
    case ReadFault::TooLarge: return T("Het bestand is te groot.", "The file is too large.");
    case ReadFault::Unreadable: break;
    }
    switch (error) {
    case EACCES:
    case EPERM: return T("Er is geen toestemming om het te lezen.", "There is no permission to read it.");
    case EISDIR: return T("Het pad is een map, geen bestand.", "The path is a folder, not a file.");
    case ELOOP: return T("Het pad loopt via te veel symbolische koppelingen.", "The path runs through too many symbolic links.");
    default: return T("Het systeem meldt: %1.", "The system reports: %1.").arg(qt_error_string(error));
    }
}

}  // namespace tamberlo
