#include "ClassLoader.h"

#include <dlfcn.h>

#include "ComRegistry.h"

namespace tamberlo::com {

DispatchObject* CreateObjectByProgId(const std::string& progId, std::string* error) {
    auto fail = [error](std::string why) -> DispatchObject* {
        if (error) *error = std::move(why);
        return nullptr;
    };
    std::string classId;
    const auto library = LibraryForProgId(progId, &classId);
    if (!library) return fail(progId + " is not registered");
    void* handle = ::dlopen(library->c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        return fail(std::string("cannot load ") + *library + ": " + (why ? why : "?"));
    }
    auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(::dlsym(handle, "DllGetClassObject"));
    if (!getClassObject) return fail(*library + " serves no classes");
    ClassFactory* factory = nullptr;
    if (getClassObject(classId.c_str(), &factory) != S_Ok || !factory) return fail(classId + " is not served by " + *library);
    DispatchObject* object = nullptr;
    if (factory->CreateInstance(&object) != S_Ok || !object) return fail("the object of " + classId + " could not be created");
    return object;
}

}  // namespace tamberlo::com
