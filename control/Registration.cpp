#include "Registration.h"

#include <map>
#include <string>

#include "AboutDlg.h"
#include "ComRegistry.h"
#include "KelvanorDispatch.h"

namespace com = tamberlo::com;

namespace kelvanor {
namespace {

std::string ownPath() { return OwnLibraryPath().toStdString(); }
std::string cls(const char* id) { return std::string("CLSID\\") + id; }
std::string prog(const char* id) { return std::string("ProgID\\") + id; }
std::string typeLib() { return std::string("TypeLib\\") + kTypeLibId; }

class ControlFactory final : public com::ClassFactory {
public:
    com::HResult CreateInstance(com::DispatchObject** object) override {
        if (!object) return com::E_InvalidArg;
        *object = new KelvanorObject;
        return com::S_Ok;
    }
    bool UpdateRegistry(bool reg) {
        if (!reg) return com::RemoveRegistryKeys({cls(kControlClassId), prog(kControlProgId)});
        const std::string c = cls(kControlClassId);
        return com::SetRegistryValues({
            {c, "Brask Kelvanor ActiveX Control"},
            {c + "\\InprocServer32", ownPath()},
            {c + "\\InprocServer32\\ThreadingModel", "Apartment"},
            {c + "\\ProgID", kControlProgId},
            {c + "\\MiscStatus", std::to_string(kMiscStatus)},
            {c + "\\ToolboxBitmap32", ownPath() + ", 207"},
            {c + "\\TypeLib", kTypeLibId},
            {c + "\\Version", "1.0"},
            {c + "\\Control", ""},
            {prog(kControlProgId), "Brask Kelvanor ActiveX Control"},
            {prog(kControlProgId) + "\\CLSID", kControlClassId},
        });
    }
};

// The property page is shown by the control itself; by class it can only be registered.
class PropPageFactory final : public com::ClassFactory {
public:
    com::HResult CreateInstance(com::DispatchObject** object) override {
        if (object) *object = nullptr;
        return com::Class_E_ClassNotAvailable;
    }
    bool UpdateRegistry(bool reg) {
        if (!reg) return com::RemoveRegistryKeys({cls(kPropPageClassId), prog(kPropPageProgId)});
        const std::string c = cls(kPropPageClassId);
        return com::SetRegistryValues({
            {c, "Brask Kelvanor Property Page"},
            {c + "\\InprocServer32", ownPath()},
            {prog(kPropPageProgId), "Brask Kelvanor Property Page"},
            {prog(kPropPageProgId) + "\\CLSID", kPropPageClassId},
        });
    }
};

ControlFactory controlFactory;
PropPageFactory pageFactory;

bool registerTypeLib() {
    return com::SetRegistryValues({
        {typeLib() + "\\1.0", "KELVANORLib"},
        {typeLib() + "\\1.0\\0\\linux", ownPath()},
        {typeLib() + "\\1.0\\HELPDIR", ""},
        {typeLib() + "\\1.0\\HelpFile", "Kelvanor.hlp"},
        {typeLib() + "\\1.0\\HelpString", "Brask Kelvanor Support Control"},
        {std::string("Interface\\") + kDispatchIid, "_DKelvanor"},
        {std::string("Interface\\") + kEventsIid, "_DKelvanorEvents"},
    });
}

bool unregisterTypeLib() {
    return com::RemoveRegistryKeys(
        {typeLib(), std::string("Interface\\") + kDispatchIid, std::string("Interface\\") + kEventsIid});
}

}  // namespace
}  // namespace kelvanor

using namespace kelvanor;

extern "C" __attribute__((visibility("default"))) com::HResult DllRegisterServer() {
    if (!registerTypeLib()) return com::SelfReg_E_TypeLib;
    if (!controlFactory.UpdateRegistry(true) || !pageFactory.UpdateRegistry(true)) return com::SelfReg_E_Class;
    return com::S_Ok;
}

extern "C" __attribute__((visibility("default"))) com::HResult DllUnregisterServer() {
    if (!unregisterTypeLib()) return com::SelfReg_E_TypeLib;
    if (!controlFactory.UpdateRegistry(false) || !pageFactory.UpdateRegistry(false)) return com::SelfReg_E_Class;
    return com::S_Ok;
}

extern "C" __attribute__((visibility("default"))) com::HResult DllGetClassObject(const char* classId,
                                                                                 com::ClassFactory** factory) {
    if (!factory) return com::E_InvalidArg;
    *factory = nullptr;
    const std::string id = classId ? classId : "";
    if (id == kControlClassId) {
        *factory = &controlFactory;
        return com::S_Ok;
    }
    if (id == kPropPageClassId) {
        *factory = &pageFactory;
        return com::S_Ok;
    }
    return com::Class_E_ClassNotAvailable;
}

extern "C" __attribute__((visibility("default"))) com::HResult DllCanUnloadNow() {
    return KelvanorObject::LiveObjects() == 0 ? com::S_Ok : com::S_False;
}
