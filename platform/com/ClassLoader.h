#pragma once
// Creates an object by class from the library registered for it: looks the
// ProgID up in the registration file, loads the library (dlopen) and asks
// its DllGetClassObject for the class's factory. Only a regular file is
// loaded: opening a FIFO would wait for a writer (for good if none comes),
// and a device may act when opened. Libraries stay loaded for the rest of
// the process, so objects they made may outlive their host.

#include <string>

#include "ComRegistry.h"
#include "Dispatch.h"

namespace tamberlo::com {

// Why no object was created: a kind, and what it concerns, for the host to
// put in its user's words.
struct CreateFailure {
    enum class Kind {
        NotRegistered,       // `name` is the ProgID
        RegistryUnreadable,  // `name` is the registration file, `registry` the reason
        NoRegularFile,       // `name` is the library: a FIFO, a device or a folder, not opened
        CannotLoad,          // `name` is the library, `detail` the loader's own words
        ServesNoClasses,     // `name` is the library
        ClassNotServed,      // `name` is the library, `classId` the class
        NotCreated,          // `classId` is the class
    };
    Kind kind = Kind::NotRegistered;
    std::string name{};
    std::string classId{};
    std::string detail{};
    RegistryFault registry{};
};

// The new object (one reference, owned by the caller), or nullptr with the
// reason in `failure`.
DispatchObject* CreateObjectByProgId(const std::string& progId, CreateFailure* failure = nullptr);

}  // namespace tamberlo::com
