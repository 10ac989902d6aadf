#pragma once
// The program's Kelvanor1: the Kelvanor control created by class from its
// registered library and called by dispatch id. InputWordChanged reaches the
// program on its window thread.

#include <memory>
#include <string>

#include "ClassLoader.h"
#include "Dispatch.h"
#include "KelvanorClient.h"

namespace tamberlo {

inline constexpr const char* kKelvanorProgId = "QORLAN32.Qorlan32Ctrl.1";

// The dispatch ids the program uses.
namespace kelvanor_dispid {
constexpr int AboutBox = -552;
constexpr int SetDigitalOutput0 = 3;
constexpr int Connect = 18;
constexpr int Disconnect = 19;
constexpr int GetModuleType = 35;
constexpr int InputWordChanged = 1;  // of the event interface
}  // namespace kelvanor_dispid

class KelvanorDispatchClient final : public KelvanorClient, private com::EventSink {
public:
    // Takes over the caller's reference of `object`.
    explicit KelvanorDispatchClient(com::DispatchObject* object);
    ~KelvanorDispatchClient() override;

    // The control registered under kKelvanorProgId, or nullptr (reason in `failure`).
    static std::unique_ptr<KelvanorDispatchClient> Create(com::CreateFailure* failure = nullptr);

    std::int16_t Connect() override;
    void Disconnect() override;
    std::int16_t GetModuleType(std::int16_t modIndex) override;
    void SetDigitalOutput0(std::int16_t data) override;
    void AboutBox() override;

    // Lets the control go: no more events, its waits end, and it is
    // destroyed (writing its ini file) once no call of it runs any more.
    void Shutdown();

private:
    void OnEvent(int dispid, const com::VariantList& args) override;
    com::Variant Call(int dispid, com::VariantList args);

    com::DispatchObject* object_;
};

}  // namespace tamberlo
