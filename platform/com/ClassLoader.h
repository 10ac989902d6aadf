#pragma once
// Creates an object by class from the library registered for it: looks the
// ProgID up in the registration file, loads the library (dlopen) and asks
// its DllGetClassObject for the class's factory. Libraries stay loaded for
// the rest of the process, so objects they made may outlive their host.

#include <string>

#include "Dispatch.h"

namespace tamberlo::com {

// The new object (one reference, owned by the caller), or nullptr with the
// reason in `error`.
DispatchObject* CreateObjectByProgId(const std::string& progId, std::string* error = nullptr);

}  // namespace tamberlo::com
