#pragma once
// The registration file of our COM-style hosting: a small text file that maps
// ProgIDs to class ids and class ids to the library that serves them, written
// by a library's DllRegisterServer and read by the host that creates objects
// by class. One "key=value" line per entry, keys shaped like registry paths:
//   ProgID\<progid>\CLSID={...}
//   CLSID\{...}\InprocServer32=/path/to/library.so
// The file is $TAMBERLO_COM_REGISTRY when set, else
// ${XDG_CONFIG_HOME:-$HOME/.config}/tamberlo/ComClasses.reg.
// The control library and the program both link it; the file is replaced as
// every other file is (FileReplacement.h), so a failed write keeps the old one.

#include <map>
#include <optional>
#include <string>

namespace tamberlo::com {

std::string RegistryFilePath();

// Reads every entry; an unreadable or missing file gives none.
std::map<std::string, std::string> ReadRegistry();
// The value of one key, when present.
std::optional<std::string> RegistryValue(const std::string& key);
// Sets entries / removes every key that starts with one of the prefixes; the
// file is rewritten as a whole. False on failure, and the file is as it was.
bool SetRegistryValues(const std::map<std::string, std::string>& values);
bool RemoveRegistryKeys(const std::initializer_list<std::string>& prefixes);

// The library path registered for a ProgID, through its class id.
std::optional<std::string> LibraryForProgId(const std::string& progId, std::string* classId = nullptr);

}  // namespace tamberlo::com
