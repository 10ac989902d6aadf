#pragma once
// The services a test runs on, installed once through the program's one
// Services: while an InstalledServices lives its services are installed, and
// when it ends the ones installed before it are back (the real services,
// outside every test). Fakes are plain objects; a fixture declares this after
// the fakes it names, so it ends before them.

#include "Services.h"

namespace tamberlo::test {

class InstalledServices {
public:
    explicit InstalledServices(const Services& services) : previous_(Current()) { install(services); }
    ~InstalledServices() { install(previous_); }
    InstalledServices(const InstalledServices&) = delete;
    InstalledServices& operator=(const InstalledServices&) = delete;

    // What is installed now: a test that adds one fake to its fixture's starts from these.
    static const Services& Current() { return current(); }

private:
    static Services& current() {
        static Services installed;
        return installed;
    }
    static void install(const Services& services) {
        current() = services;
        InstallServices(services);
    }

    Services previous_;
};

}  // namespace tamberlo::test
