#pragma once
// The registration file of our COM-style hosting: a small text file that maps
// ProgIDs to class ids and class ids to the library that serves them, written
// by a library's DllRegisterServer and read by the host that creates objects
// by class. One "key=value" line per entry, keys shaped like registry paths:
//   ProgID\<progid>\CLSID={...}
//   CLSID\{...}\InprocServer32=/path/to/library.so
// The file is $TAMBERLO_COM_REGISTRY when set, else
// ${XDG_CONFIG_HOME:-$HOME/.config}/tamberlo/ComClasses.reg.
// The control library and the program both link it; the file is read as
// every other file is (FileReading.h: a regular file only, of a bounded size)
// and replaced as every other file is (FileReplacement.h), so a failed write
// keeps the old one. A file that exists but cannot be read is never written:
// its other classes' entries would be lost.

#include <map>
#include <optional>
#include <string>

#include "FileReading.h"

namespace tamberlo::com {

std::string RegistryFilePath();

// Why the registration file could not be read (a missing file can: it holds
// no entries). `error` is the system's error number where there is one.
struct RegistryFault {
    ReadFault fault = ReadFault::None;
    int error = 0;
    explicit operator bool() const { return fault != ReadFault::None; }
};

// Reads every entry. A missing file gives none; so does one that cannot be
// read, and `why` (when given) says why.
std::map<std::string, std::string> ReadRegistry(RegistryFault* why = nullptr);
// The value of one key, when present.
std::optional<std::string> RegistryValue(const std::string& key);
// Sets entries / removes every key that starts with one of the prefixes; the
// file is rewritten as a whole. False on failure, with errno at the system's
// reason where there is one (as the system's own calls leave it), and the
// file as it was: a file that cannot be read is not written, and none is
// written larger than the reader takes (EFBIG).
bool SetRegistryValues(const std::map<std::string, std::string>& values);
bool RemoveRegistryKeys(const std::initializer_list<std::string>& prefixes);

// The library path registered for a ProgID, through its class id; nothing
// when it is not registered or the file cannot be read (`why` says which).
std::optional<std::string> LibraryForProgId(const std::string& progId, std::string* classId = nullptr,
                                            RegistryFault* why = nullptr);

}  // namespace tamberlo::com
