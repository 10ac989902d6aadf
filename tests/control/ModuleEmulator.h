#pragma once
// A Kelvanor module (or a numbered chain of them) on the master side of a
// pseudo-terminal. The control opens the slave side as a COM port (a link
// "COM<n>" in the folder that TAMBERLO_COM_DIR names). The emulator answers
// the line protocol by personality, records every line it receives, and can
// report input words, send binary analog frames and misbehave.

#include <QString>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "WaitUntil.h"

namespace kelvanor::test {

enum class Personality {
    Atlas,  // answers "V=2.xx", no analog words: echoes the request for word 4
    Basil,  // echoes "DV" (modules 1..number share the port), analog words, no output echo
    Delta,  // answers "V=2.xx", analog words
    Cedar,  // answers "V=1.xx", no analog words
};

class ModuleEmulator {
public:
    struct Options {
        Personality personality = Personality::Atlas;
        int number = 1;          // answered to "setup0"
        int minor = 5;           // minor version
        bool echoWrites = true;  // answer output writes with their echo
        bool silent = false;     // answer nothing at all
        unsigned onlyBaud = 0;   // answer only while the port runs at this speed (0: any)
    };

    explicit ModuleEmulator(Options options);
    ~ModuleEmulator();
    ModuleEmulator(const ModuleEmulator&) = delete;
    ModuleEmulator& operator=(const ModuleEmulator&) = delete;

    QString slavePath() const { return slavePath_; }
    // Makes the port COM n in `folder`.
    void LinkAs(const QString& folder, int n) const;

    // Every line received so far, without its CR.
    std::vector<std::string> Lines();
    int Count(const std::string& line);
    // Waits (bounded, generously) until `line` was received `times` times.
    bool WaitForLine(const std::string& line, int times = 1, int timeoutMs = 5000);
    void ClearLines();

    // Writes raw bytes to the control.
    void Send(const std::string& bytes);
    // The module's own data.
    void SetInputWord(int module, int word, std::uint16_t value);
    std::uint16_t OutputWord(int module, int word);
    void SetCounter(int module, int counter, std::uint16_t value);
    // Reports input word 0 of `module` in one of its forms: 'E' (EWn.0=XXXX), '#' (#Hn0XXXX), 'e' (en0XXXX).
    void ReportInputWord0(int module, std::uint16_t value, char form = 'E');
    // A binary frame of analog word 1..4.
    void SendFrame(int word, std::uint16_t value);
    void SetEchoWrites(bool on) { echoWrites_ = on; }
    void SetSilent(bool on) { silent_ = on; }
    // The device goes away (the master side closes).
    void Disconnect();
    // The speed the control set on the port.
    unsigned CurrentBaud() const;

private:
    struct Module {
        std::array<std::uint16_t, 5> inputs{};
        std::array<std::uint16_t, 3> outputs{};
        std::array<std::uint16_t, 2> counters{};
    };
    void Run();
    void Handle(const std::string& line);
    void Reply(const std::string& text);
    bool Serves(int module) const;
    bool HasAnalogWords() const;

    Options options_;
    int master_ = -1;
    int slaveKeep_ = -1;
    int stopFd_ = -1;
    QString slavePath_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> lines_;
    std::map<int, Module> modules_;
    std::mutex writeMutex_;
    std::atomic<bool> echoWrites_;
    std::atomic<bool> silent_;
};

using tamberlo::test::WaitUntil;

}  // namespace kelvanor::test
