#include "ClassLoader.h"

#include <dlfcn.h>
#include <sys/stat.h>

namespace tamberlo::com {

DispatchObject* CreateObjectByProgId(const std::string& progId, CreateFailure* failure) {
    using Kind = CreateFailure::Kind;
    auto fail = [failure](CreateFailure why) -> DispatchObject* {
        if (failure) *failure = std::move(why);
        return nullptr;
    };
    std::string classId;
    RegistryFault unreadable;
    const auto library = LibraryForProgId(progId, &classId, &unreadable);
    if (unreadable) return fail({.kind = Kind::RegistryUnreadable, .name = RegistryFilePath(), .registry = unreadable});
    if (!library) return fail({.kind = Kind::NotRegistered, .name = progId});
    // Looked at before it is opened, as the file reader does. A name without
    // a slash is the loader's to search for; a missing file is its to report.
    struct stat info {};
    if (library->find('/') != std::string::npos && ::stat(library->c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return fail({.kind = Kind::NoRegularFile, .name = *library});
    void* handle = ::dlopen(library->c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        return fail({.kind = Kind::CannotLoad, .name = *library, .detail = why ? why : "?"});
    }
    auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(::dlsym(handle, "DllGetClassObject"));
    if (!getClassObject) return fail({.kind = Kind::ServesNoClasses, .name = *library});
    ClassFactory* factory = nullptr;
    if (getClassObject(classId.c_str(), &factory) != S_Ok || !factory)
        return fail({.kind = Kind::ClassNotServed, .name = *library, .classId = classId});
    DispatchObject* object = nullptr;
    if (factory->CreateInstance(&object) != S_Ok || !object) return fail({.kind = Kind::NotCreated, .classId = classId});
    return object;
}

}  // namespace tamberlo::com
