#pragma once
// The control library's identity in our COM-style hosting: class ids,
// ProgIDs and the type library, and the exports a host or a registering
// tool calls (DllRegisterServer, DllUnregisterServer, DllGetClassObject,
// DllCanUnloadNow).

#include "Dispatch.h"

namespace kelvanor {

inline constexpr const char* kControlClassId = "{6B1F4C21-3D7A-4E52-9A0B-5C2E8D4F7A11}";
inline constexpr const char* kPropPageClassId = "{6B1F4C22-3D7A-4E52-9A0B-5C2E8D4F7A11}";
inline constexpr const char* kDispatchIid = "{6B1F4C23-3D7A-4E52-9A0B-5C2E8D4F7A11}";
inline constexpr const char* kEventsIid = "{6B1F4C24-3D7A-4E52-9A0B-5C2E8D4F7A11}";
inline constexpr const char* kTypeLibId = "{6B1F4C25-3D7A-4E52-9A0B-5C2E8D4F7A11}";
inline constexpr const char* kControlProgId = "QORLAN32.Qorlan32Ctrl.1";
inline constexpr const char* kPropPageProgId = "KELVANOR.KelvanorPropPage.1";
inline constexpr unsigned kMiscStatus = 0x20191;

}  // namespace kelvanor

extern "C" {
tamberlo::com::HResult DllRegisterServer();
tamberlo::com::HResult DllUnregisterServer();
tamberlo::com::HResult DllGetClassObject(const char* classId, tamberlo::com::ClassFactory** factory);
tamberlo::com::HResult DllCanUnloadNow();
}
