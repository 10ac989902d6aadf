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
};

// The property page is shown by the control itself; by class it can only be registered.
class PropPageFactory final : public com::ClassFactory {
public:
    com::HResult CreateInstance(com::DispatchObject** object) override {
        if (object) *object = nullptr;
        return com::Class_E_ClassNotAvailable;
    }
};

ControlFactory controlFactory;
PropPageFactory pageFactory;

// Every entry the library registers, the type library's, the control's and
// the property page's together: the file is replaced once for all of them,
// so that a registration that fails leaves it as it was.
std::map<std::string, std::string> registeredEntries() {
    const std::string control = cls(kControlClassId);
    const std::string page = cls(kPropPageClassId);
    return {
        {typeLib() + "\\1.0", "KELVANORLib"},
        {typeLib() + "\\1.0\\0\\linux", ownPath()},
        {typeLib() + "\\1.0\\HELPDIR", ""},
        {typeLib() + "\\1.0\\HelpFile", "Kelvanor.hlp"},
        {typeLib() + "\\1.0\\HelpString", "Brask Kelvanor Support Control"},
        {std::string("Interface\\") + kDispatchIid, "_DKelvanor"},
        {std::string("Interface\\") + kEventsIid, "_DKelvanorEvents"},
        {control, "Brask Kelvanor ActiveX Control"},
        {control + "\\InprocServer32", ownPath()},
        {control + "\\InprocServer32\\ThreadingModel", "Apartment"},
        {control + "\\ProgID", kControlProgId},
        {control + "\\MiscStatus", std::to_string(kMiscStatus)},
        {control + "\\ToolboxBitmap32", ownPath() + ", 207"},
        {control + "\\TypeLib", kTypeLibId},
        {control + "\\Version", "1.0"},
        {control + "\\Control", ""},
        {prog(kControlProgId), "Brask Kelvanor ActiveX Control"},
        {prog(kControlProgId) + "\\CLSID", kControlClassId},
        {page, "Brask Kelvanor Property Page"},
        {page + "\\InprocServer32", ownPath()},
        {prog(kPropPageProgId), "Brask Kelvanor Property Page"},
        {prog(kPropPageProgId) + "\\CLSID", kPropPageClassId},
    };
}

}  // namespace
}  // namespace kelvanor

using namespace kelvanor;

// Either is one replacement of the file, so a failure leaves all of it as it
// was; it is reported with the code of the first part, the type library.
extern "C" __attribute__((visibility("default"))) com::HResult DllRegisterServer() {
    return com::SetRegistryValues(registeredEntries()) ? com::S_Ok : com::SelfReg_E_TypeLib;
}

extern "C" __attribute__((visibility("default"))) com::HResult DllUnregisterServer() {
    // The prefixes of every key registeredEntries() holds.
    return com::RemoveRegistryKeys({typeLib(), std::string("Interface\\") + kDispatchIid, std::string("Interface\\") + kEventsIid,
                                    cls(kControlClassId), prog(kControlProgId), cls(kPropPageClassId), prog(kPropPageProgId)})
               ? com::S_Ok
               : com::SelfReg_E_TypeLib;
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
