// comregister [-u] <library>: calls the library's DllRegisterServer (or, with
// -u, DllUnregisterServer), as a registering tool does, and reports the result.

#include <dlfcn.h>

#include <csignal>
#include <cstdio>
#include <cstring>

#include "ComRegistry.h"
#include "Dispatch.h"

int main(int argc, char** argv) {
    // Past a file-size limit the registration file's write fails and is
    // reported, rather than the signal ending the tool halfway.
    std::signal(SIGXFSZ, SIG_IGN);
    bool unregister = false;
    const char* library = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-u") == 0) unregister = true;
        else library = argv[i];
    }
    if (!library) {
        std::fprintf(stderr, "usage: comregister [-u] <library>\n");
        return 2;
    }
    void* handle = ::dlopen(library, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "comregister: %s\n", ::dlerror());
        return 1;
    }
    const char* name = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto fn = reinterpret_cast<tamberlo::com::DllRegisterServerFn>(::dlsym(handle, name));
    if (!fn) {
        std::fprintf(stderr, "comregister: %s has no %s\n", library, name);
        return 1;
    }
    const tamberlo::com::HResult hr = fn();
    if (hr != tamberlo::com::S_Ok) {
        std::fprintf(stderr, "comregister: %s failed (0x%08X)\n", name, static_cast<unsigned>(hr));
        return 1;
    }
    std::printf("%s: %s succeeded (%s)\n", library, name, tamberlo::com::RegistryFilePath().c_str());
    return 0;
}
