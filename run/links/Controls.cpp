#include "Controls.h"

#include <array>

#include "SharedState.h"

namespace tamberlo {

WinsockControl& WinsockHost() {
    static WinsockControl* host = new WinsockControl;  // lives as long as the program
    return *host;
}

namespace {

NoKelvanor noKelvanor;

// Kelvanor1 as the program sees it: forwards every call to the installed
// client and remembers the output byte last sent, whoever sent it (output
// actions, all-outputs-off, closing), so output actions can tell when the
// module's outputs no longer show what the program last gave them.
class RecordingKelvanor final : public KelvanorClient {
public:
    RecordingKelvanor() { InputWordChanged = Kelvanor1_InputWordChanged; }

    std::int16_t Connect() override {
        lastOutput.reset();  // a search closes and reopens the module's channels
        ForgetModuleInputWords();
        const std::int16_t found = inner->Connect();
        TakeModuleInputWord(found);
        return found;
    }
    void Disconnect() override {
        lastOutput.reset();
        inner->Disconnect();
    }
    std::int16_t GetModuleType(std::int16_t modIndex) override { return inner->GetModuleType(modIndex); }
    void SetDigitalOutput0(std::int16_t data) override {
        lastOutput = data & 0xFF;
        inner->SetDigitalOutput0(data);
    }
    void AboutBox() override { inner->AboutBox(); }

    void install(KelvanorClient* client) {
        inner = client ? client : &noKelvanor;
        lastOutput.reset();
        inner->InputWordChanged = [this](std::int16_t module, std::int16_t word, std::int32_t value) {
            if (InputWordChanged) InputWordChanged(module, word, value);
        };
    }

    KelvanorClient* inner = &noKelvanor;
    std::optional<int> lastOutput;
};

RecordingKelvanor& recorder() {
    static RecordingKelvanor r;
    return r;
}

}  // namespace

namespace {

// The digital input word each module (1..8) last reported.
std::array<Integer, 9>& reportedDigitalWords() {
    static std::array<Integer, 9> words{};
    return words;
}

// The module the program drives: the control's current module after a
// search, the lowest one found.
int moduleInUse(int modulesFound) {
    for (int i = 0; i < 8; ++i)
        if (modulesFound & (1 << i)) return i + 1;
    return 0;
}

}  // namespace

void Kelvanor1_InputWordChanged(std::int16_t module, std::int16_t wordIndex, std::int32_t value) {
    // Only a digital input word (word 0) can feed the module inputs; analog
    // words are no switches.
    if (wordIndex != 0 || module < 1 || module > 8) return;
    // Only bits 0..7 are used; the low 16 bits keep a word above 32767 whole.
    const auto word = static_cast<Integer>(value & 0xFFFF);
    reportedDigitalWords()[static_cast<std::size_t>(module)] = word;
    if (module == moduleInUse(shared.ModuleAanwezig)) shared.ModuleIngangWoord = word;
}

void ForgetModuleInputWords() { reportedDigitalWords().fill(0); }

void TakeModuleInputWord(int modulesFound) {
    const int module = moduleInUse(modulesFound);
    shared.ModuleIngangWoord = module ? reportedDigitalWords()[static_cast<std::size_t>(module)] : 0;
}

KelvanorClient& Kelvanor1() { return recorder(); }
void SetKelvanor1(KelvanorClient* client) { recorder().install(client); }
std::optional<int> Kelvanor1Output() { return recorder().lastOutput; }

}  // namespace tamberlo
