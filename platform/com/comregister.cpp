// comregister [-u] <library>: calls the library's DllRegisterServer (or, with
// -u, DllUnregisterServer), as a registering tool does, and reports the result.

#include <dlfcn.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "ComRegistry.h"
#include "Dispatch.h"

namespace {

namespace com = tamberlo::com;

// Why a registration failed, naming the registration file. A file that
// cannot be read is looked at again here, as the library saw it; otherwise
// its write failed, and the reason is the errno it left (the system's last
// error, as a registering tool reads it).
std::string FailureReason(int lastError) {
    const std::string file = com::RegistryFilePath();
    com::RegistryFault why;
    com::ReadRegistry(&why);
    switch (why.fault) {
    case tamberlo::ReadFault::None:
    case tamberlo::ReadFault::Missing: break;
    case tamberlo::ReadFault::NotAFile:
        return file + " cannot be read: it is no regular file (a FIFO, a device or a socket) and is left as it is";
    case tamberlo::ReadFault::TooLarge: return file + " cannot be read: it is too large, and is left as it is";
    case tamberlo::ReadFault::Unreadable: return file + " cannot be read: " + std::strerror(why.error) + "; it is left as it is";
    }
    if (lastError == 0) return file + " cannot be written";
    return file + " cannot be written: " + std::strerror(lastError);
}

}  // namespace

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
    errno = 0;
    const tamberlo::com::HResult hr = fn();
    const int lastError = errno;
    if (hr != tamberlo::com::S_Ok) {
        std::fprintf(stderr, "comregister: %s failed (0x%08X): %s\n", name, static_cast<unsigned>(hr),
                     FailureReason(lastError).c_str());
        return 1;
    }
    std::printf("%s: %s succeeded (%s)\n", library, name, tamberlo::com::RegistryFilePath().c_str());
    return 0;
}
