#pragma once
// The dispatch interface _DKelvanor as a table: dispatch id, name, argument
// and result types, and the typed member of CKelvanorCtrl behind each entry.
// KelvanorObject is the control as a host sees it (our COM-style object).

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Dispatch.h"
#include "Variant.h"

namespace kelvanor {

class CKelvanorCtrl;

constexpr int kDispIdAboutBox = -552;
constexpr int kDispIdInputWordChanged = 1;  // of the event interface

struct DispatchEntry {
    int dispid;
    const char* name;
    tamberlo::com::VarType result;
    std::vector<tamberlo::com::VarType> args;
    std::function<tamberlo::com::Variant(CKelvanorCtrl&, const tamberlo::com::VariantList&)> call;
};

const std::vector<DispatchEntry>& KelvanorDispatchTable();
int KelvanorIdOfName(const std::string& name);
// Checks and converts the arguments, then calls the method.
tamberlo::com::HResult InvokeKelvanor(CKelvanorCtrl& control, int dispid, const tamberlo::com::VariantList& args,
                                      tamberlo::com::Variant* result);

class KelvanorObject final : public tamberlo::com::DispatchObject {
public:
    KelvanorObject();
    void AddRef() override;
    void Release() override;
    void Close() override;
    int GetIdOfName(const std::string& name) override;
    tamberlo::com::HResult Invoke(int dispid, const tamberlo::com::VariantList& args, tamberlo::com::Variant* result) override;
    void Advise(tamberlo::com::EventSink* sink) override;
    void Unadvise(tamberlo::com::EventSink* sink) override;

    CKelvanorCtrl& control() { return *control_; }
    static int LiveObjects();

private:
    ~KelvanorObject();
    void DeleteWhenIdle();

    std::unique_ptr<CKelvanorCtrl> control_;
    std::vector<tamberlo::com::EventSink*> sinks_;
    int refs_ = 1;
    int callDepth_ = 0;
    bool closed_ = false;
};

}  // namespace kelvanor
