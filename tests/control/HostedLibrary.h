#pragma once
// The built control library as a host sees it: loaded by path and reached
// only through its exports, exactly as the program's class loader and the
// registering tool reach it. Stays loaded, as the class loader leaves it.

#include <QString>

#include <dlfcn.h>

#include <stdexcept>
#include <string>

#include "Dispatch.h"

namespace kelvanor::test {

class HostedLibrary {
public:
    HostedLibrary() : handle_(::dlopen(KELVANOR_LIBRARY, RTLD_NOW | RTLD_LOCAL)) {
        if (!handle_) throw std::runtime_error(std::string("cannot load the control library: ") + ::dlerror());
    }
    static QString Path() { return QStringLiteral(KELVANOR_LIBRARY); }

    tamberlo::com::HResult Register() const { return Resolve<tamberlo::com::DllRegisterServerFn>("DllRegisterServer")(); }
    tamberlo::com::HResult Unregister() const { return Resolve<tamberlo::com::DllUnregisterServerFn>("DllUnregisterServer")(); }
    tamberlo::com::HResult GetClassObject(const char* classId, tamberlo::com::ClassFactory** factory) const {
        return Resolve<tamberlo::com::DllGetClassObjectFn>("DllGetClassObject")(classId, factory);
    }
    // True while objects of the library live.
    bool HasLiveObjects() const { return Resolve<tamberlo::com::DllCanUnloadNowFn>("DllCanUnloadNow")() != tamberlo::com::S_Ok; }
    // Whether the library exports `name` at all.
    bool Exports(const char* name) const { return ::dlsym(handle_, name) != nullptr; }

private:
    template <class Fn>
    Fn Resolve(const char* name) const {
        auto fn = reinterpret_cast<Fn>(::dlsym(handle_, name));
        if (!fn) throw std::runtime_error(std::string("the control library lacks ") + name);
        return fn;
    }
    void* handle_;
};

}  // namespace kelvanor::test
