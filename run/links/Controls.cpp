#include "Controls.h"

#include "InputReading.h"

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

KelvanorClient& Kelvanor1() { return recorder(); }
void SetKelvanor1(KelvanorClient* client) { recorder().install(client); }
std::optional<int> Kelvanor1Output() { return recorder().lastOutput; }

}  // namespace tamberlo
