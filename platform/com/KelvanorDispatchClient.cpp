#include "KelvanorDispatchClient.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include "ClassLoader.h"

namespace tamberlo {

KelvanorDispatchClient::KelvanorDispatchClient(com::DispatchObject* object) : object_(object) {
    if (object_) object_->Advise(this);
}

KelvanorDispatchClient::~KelvanorDispatchClient() { Shutdown(); }

std::unique_ptr<KelvanorDispatchClient> KelvanorDispatchClient::Create(com::CreateFailure* failure) {
    com::DispatchObject* object = com::CreateObjectByProgId(kKelvanorProgId, failure);
    if (!object) return nullptr;
    return std::make_unique<KelvanorDispatchClient>(object);
}

void KelvanorDispatchClient::Shutdown() {
    com::DispatchObject* object = object_;
    object_ = nullptr;
    if (!object) return;
    object->Unadvise(this);
    object->Close();
    object->Release();
}

com::Variant KelvanorDispatchClient::Call(int dispid, com::VariantList args) {
    // The control dispatches events while it waits; a handler may shut this
    // client down meanwhile, so the call holds its own reference and touches
    // no member after Invoke.
    com::DispatchObject* object = object_;
    if (!object) return {};
    object->AddRef();
    com::Variant result;
    object->Invoke(dispid, args, &result);
    object->Release();
    return result;
}

std::int16_t KelvanorDispatchClient::Connect() { return Call(kelvanor_dispid::Connect, {}).i2(); }

void KelvanorDispatchClient::Disconnect() { Call(kelvanor_dispid::Disconnect, {}); }

std::int16_t KelvanorDispatchClient::GetModuleType(std::int16_t modIndex) {
    return Call(kelvanor_dispid::GetModuleType, {com::Variant(modIndex)}).i2();
}

void KelvanorDispatchClient::SetDigitalOutput0(std::int16_t data) {
    Call(kelvanor_dispid::SetDigitalOutput0, {com::Variant(data)});
}

void KelvanorDispatchClient::AboutBox() { Call(kelvanor_dispid::AboutBox, {}); }

void KelvanorDispatchClient::OnEvent(int dispid, const com::VariantList& args) {
    if (dispid != kelvanor_dispid::InputWordChanged || args.size() != 3) return;
    com::Variant m, w, v;
    if (!args[0].ConvertTo(com::VarType::I2, m) || !args[1].ConvertTo(com::VarType::I2, w) ||
        !args[2].ConvertTo(com::VarType::I4, v))
        return;
    auto raise = [this, module = m.i2(), word = w.i2(), value = v.i4()] {
        if (InputWordChanged) InputWordChanged(module, word, value);
    };
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) raise();
    else QMetaObject::invokeMethod(app, raise, Qt::QueuedConnection);
}

}  // namespace tamberlo
