#pragma once
// Our COM-style hosting: an object that a host calls by dispatch id, with one
// outgoing event interface, created by class through a factory that a shared
// library exports (DllGetClassObject). Plain abstract C++ classes, free of Qt,
// so that they cross the boundary of a library loaded with dlopen.

#include <cstdint>
#include <string>

#include "Variant.h"

namespace tamberlo::com {

using HResult = std::int32_t;

constexpr HResult S_Ok = 0;
constexpr HResult S_False = 1;
constexpr HResult E_Fail = static_cast<HResult>(0x80004005u);
constexpr HResult E_InvalidArg = static_cast<HResult>(0x80070057u);
constexpr HResult Disp_E_MemberNotFound = static_cast<HResult>(0x80020003u);
constexpr HResult Disp_E_TypeMismatch = static_cast<HResult>(0x80020005u);
constexpr HResult Disp_E_BadParamCount = static_cast<HResult>(0x8002000Eu);
constexpr HResult Class_E_ClassNotAvailable = static_cast<HResult>(0x80040111u);
constexpr HResult SelfReg_E_TypeLib = static_cast<HResult>(0x80040200u);
constexpr HResult SelfReg_E_Class = static_cast<HResult>(0x80040201u);

constexpr int kDispIdUnknown = -1;

// The host's side of an event interface.
class EventSink {
public:
    virtual void OnEvent(int dispid, const VariantList& args) = 0;

protected:
    ~EventSink() = default;
};

// An object called by dispatch id. Reference counted: the creator holds one
// reference. Close() tells the object that its host is done with it: it
// raises no more events and ends its waits at once; the last Release()
// destroys it (later, when a call of it is still running).
class DispatchObject {
public:
    virtual void AddRef() = 0;
    virtual void Release() = 0;
    virtual void Close() = 0;
    // The dispatch id of a method by name (case-insensitive), kDispIdUnknown when none.
    virtual int GetIdOfName(const std::string& name) = 0;
    // Calls method `dispid` with `args` (in the method's order); the result
    // goes to `result` when given. S_Ok, or a Disp_E_ code for a bad call.
    virtual HResult Invoke(int dispid, const VariantList& args, Variant* result) = 0;
    // Connects or disconnects the host's sink of the object's event interface.
    virtual void Advise(EventSink* sink) = 0;
    virtual void Unadvise(EventSink* sink) = 0;

protected:
    ~DispatchObject() = default;
};

// Creates objects of one class. Factories live as long as their library.
class ClassFactory {
public:
    virtual HResult CreateInstance(DispatchObject** object) = 0;

protected:
    ~ClassFactory() = default;
};

// The exports of a library that serves classes.
extern "C" {
using DllGetClassObjectFn = HResult (*)(const char* classId, ClassFactory** factory);
using DllRegisterServerFn = HResult (*)();
using DllUnregisterServerFn = HResult (*)();
using DllCanUnloadNowFn = HResult (*)();
}

}  // namespace tamberlo::com
