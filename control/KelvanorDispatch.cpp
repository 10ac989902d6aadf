#include "KelvanorDispatch.h"

#include <QString>

#include <algorithm>
#include <cctype>

#include "KelvanorCtrl.h"

namespace kelvanor {

using tamberlo::com::HResult;
using tamberlo::com::Variant;
using tamberlo::com::VariantList;
using tamberlo::com::VarType;
namespace com = tamberlo::com;

namespace {

constexpr VarType I2 = VarType::I2;
constexpr VarType I4 = VarType::I4;
constexpr VarType UI4 = VarType::UI4;
constexpr VarType R4 = VarType::R4;
constexpr VarType BSTR = VarType::BStr;
constexpr VarType None = VarType::Empty;

QString text(const Variant& v) { return QString::fromStdString(v.bstr()); }
// Strings go to the module as 8-bit characters.
std::string narrow(const Variant& v) { return text(v).toLatin1().toStdString(); }

std::vector<DispatchEntry> buildTable() {
    using C = CKelvanorCtrl;
    return {
        {kDispIdAboutBox,
         "AboutBox",
         None,
         {},
         [](C& c, const VariantList&) {
             c.AboutBox();
             return Variant();
         }},
        {1,
         "ShowDebugWnd",
         None,
         {},
         [](C& c, const VariantList&) {
             c.ShowDebugWnd();
             return Variant();
         }},
        {2, "GetDigitalInput0", I2, {}, [](C& c, const VariantList&) { return Variant(c.GetDigitalInput0()); }},
        {3,
         "SetDigitalOutput0",
         None,
         {I2},
         [](C& c, const VariantList& l) {
             c.SetDigitalOutput0(l[0].i2());
             return Variant();
         }},
        {4, "GetAnalogInput0", I2, {}, [](C& c, const VariantList&) { return Variant(c.GetAnalogInput0()); }},
        {5,
         "SetAnalogOutput0",
         None,
         {I2},
         [](C& c, const VariantList& l) {
             c.SetAnalogOutput0(l[0].i2());
             return Variant();
         }},
        {6, "GetAnalogInput1", I2, {}, [](C& c, const VariantList&) { return Variant(c.GetAnalogInput1()); }},
        {7, "GetAnalogInput2", I2, {}, [](C& c, const VariantList&) { return Variant(c.GetAnalogInput2()); }},
        {8, "GetAnalogInput3", I2, {}, [](C& c, const VariantList&) { return Variant(c.GetAnalogInput3()); }},
        {9,
         "SetAnalogOutput1",
         None,
         {I2},
         [](C& c, const VariantList& l) {
             c.SetAnalogOutput1(l[0].i2());
             return Variant();
         }},
        {10,
         "SetChannelMask",
         None,
         {I2},
         [](C& c, const VariantList& l) {
             c.SetChannelMask(l[0].i2());
             return Variant();
         }},
        {11,
         "DoProcess",
         None,
         {},
         [](C& c, const VariantList&) {
             c.DoProcess();
             return Variant();
         }},
        {12,
         "StartTimer",
         None,
         {},
         [](C& c, const VariantList&) {
             c.StartTimer();
             return Variant();
         }},
        {13,
         "StopTimer",
         None,
         {},
         [](C& c, const VariantList&) {
             c.StopTimer();
             return Variant();
         }},
        {14,
         "DoBackgroundProcessing",
         None,
         {I2},
         [](C& c, const VariantList& l) {
             c.DoBackgroundProcessing(l[0].i2());
             return Variant();
         }},
        {15, "OpenSerial", I2, {I2}, [](C& c, const VariantList& l) { return Variant(c.OpenSerial(l[0].i2())); }},
        {16, "CloseSerial", I2, {}, [](C& c, const VariantList&) { return Variant(c.CloseSerial()); }},
        {17,
         "WriteDebugString",
         None,
         {BSTR},
         [](C& c, const VariantList& l) {
             c.WriteDebugString(text(l[0]));
             return Variant();
         }},
        {18, "Connect", I2, {}, [](C& c, const VariantList&) { return Variant(c.Connect()); }},
        {19,
         "Disconnect",
         None,
         {},
         [](C& c, const VariantList&) {
             c.Disconnect();
             return Variant();
         }},
        {20,
         "GetInputWord",
         I4,
         {I2, I2},
         [](C& c, const VariantList& l) { return Variant(c.GetInputWord(l[0].i2(), l[1].i2())); }},
        {21,
         "GetInput",
         I2,
         {I2, I2, I2},
         [](C& c, const VariantList& l) { return Variant(c.GetInput(l[0].i2(), l[1].i2(), l[2].i2())); }},
        {22,
         "SetOutputWord",
         None,
         {I2, I2, I4},
         [](C& c, const VariantList& l) {
             c.SetOutputWord(l[0].i2(), l[1].i2(), l[2].i4());
             return Variant();
         }},
        {23,
         "SetOutput",
         None,
         {I2, I2, I2, I2},
         [](C& c, const VariantList& l) {
             c.SetOutput(l[0].i2(), l[1].i2(), l[2].i2(), l[3].i2());
             return Variant();
         }},
        {24,
         "ForceDisplay",
         None,
         {I2, I2},
         [](C& c, const VariantList& l) {
             c.ForceDisplay(l[0].i2(), l[1].i2());
             return Variant();
         }},
        {25,
         "SetFilterMask",
         None,
         {I2, I2},
         [](C& c, const VariantList& l) {
             c.SetFilterMask(l[0].i2(), l[1].i2());
             return Variant();
         }},
        {26,
         "SetDisplayUnit",
         None,
         {I2, I2, I2},
         [](C& c, const VariantList& l) {
             c.SetDisplayUnit(l[0].i2(), l[1].i2(), l[2].i2());
             return Variant();
         }},
        {27,
         "SetGain",
         None,
         {I2, I2, R4},
         [](C& c, const VariantList& l) {
             c.SetGain(l[0].i2(), l[1].i2(), l[2].r4());
             return Variant();
         }},
        {28,
         "SetMeasuringRange",
         None,
         {I2, I2, I2},
         [](C& c, const VariantList& l) {
             c.SetMeasuringRange(l[0].i2(), l[1].i2(), l[2].i2());
             return Variant();
         }},
        {29,
         "StartCounter",
         None,
         {I2, I2, I2},
         [](C& c, const VariantList& l) {
             c.StartCounter(l[0].i2(), l[1].i2(), l[2].i2());
             return Variant();
         }},
        {30, "GetCounter", I4, {I2, I2}, [](C& c, const VariantList& l) { return Variant(c.GetCounter(l[0].i2(), l[1].i2())); }},
        {31,
         "SetAutoSendMode",
         None,
         {I2, I2},
         [](C& c, const VariantList& l) {
             c.SetAutoSendMode(l[0].i2(), l[1].i2());
             return Variant();
         }},
        {32,
         "SetModule",
         None,
         {I2},
         [](C& c, const VariantList& l) {
             c.SetModule(l[0].i2());
             return Variant();
         }},
        {33, "GetDigitalInput1", I2, {}, [](C& c, const VariantList&) { return Variant(c.GetDigitalInput1()); }},
        {34,
         "SetDigitalOutput1",
         None,
         {I2},
         [](C& c, const VariantList& l) {
             c.SetDigitalOutput1(l[0].i2());
             return Variant();
         }},
        {35, "GetModuleType", I2, {I2}, [](C& c, const VariantList& l) { return Variant(c.GetModuleType(l[0].i2())); }},
        {36, "GetComPort", I2, {I2}, [](C& c, const VariantList& l) { return Variant(c.GetComPort(l[0].i2())); }},
        {37,
         "SendString",
         None,
         {I2, BSTR},
         [](C& c, const VariantList& l) {
             c.SendString(l[0].i2(), narrow(l[1]));
             return Variant();
         }},
        {38,
         "GetOutputWord",
         I4,
         {I2, I2},
         [](C& c, const VariantList& l) { return Variant(c.GetOutputWord(l[0].i2(), l[1].i2())); }},
        {39,
         "SendAndGetString",
         BSTR,
         {I2, BSTR},
         [](C& c, const VariantList& l) {
             return Variant(QString::fromLatin1(c.SendAndGetString(l[0].i2(), narrow(l[1])).c_str()).toStdString());
         }},
        {40,
         "ShowProperties",
         None,
         {},
         [](C& c, const VariantList&) {
             c.ShowProperties();
             return Variant();
         }},
        {41, "GetPortType", UI4, {I2}, [](C& c, const VariantList& l) { return Variant(c.GetPortType(l[0].i2())); }},
        {42, "GetUSBLocation", UI4, {I2}, [](C& c, const VariantList& l) { return Variant(c.GetUSBLocation(l[0].i2())); }},
        {43,
         "IsModuleUpdateAvailable",
         I2,
         {I2},
         [](C& c, const VariantList& l) { return Variant(c.IsModuleUpdateAvailable(l[0].i2())); }},
        {44, "UpdateModule", I2, {I2}, [](C& c, const VariantList& l) { return Variant(c.UpdateModule(l[0].i2())); }},
    };
}

bool sameName(const std::string& a, const char* b) {
    const std::string bs(b);
    return a.size() == bs.size() &&
           std::equal(a.begin(), a.end(), bs.begin(), [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

std::atomic<int> liveObjects{0};

}  // namespace

const std::vector<DispatchEntry>& KelvanorDispatchTable() {
    static const std::vector<DispatchEntry> table = buildTable();
    return table;
}

int KelvanorIdOfName(const std::string& name) {
    for (const DispatchEntry& e : KelvanorDispatchTable())
        if (sameName(name, e.name)) return e.dispid;
    return com::kDispIdUnknown;
}

HResult InvokeKelvanor(CKelvanorCtrl& control, int dispid, const VariantList& args, Variant* result) {
    const auto& table = KelvanorDispatchTable();
    const auto it = std::find_if(table.begin(), table.end(), [dispid](const DispatchEntry& e) { return e.dispid == dispid; });
    if (it == table.end()) return com::Disp_E_MemberNotFound;
    if (args.size() != it->args.size()) return com::Disp_E_BadParamCount;
    VariantList converted(args.size());
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!args[i].ConvertTo(it->args[i], converted[i])) return com::Disp_E_TypeMismatch;
    Variant r = it->call(control, converted);
    if (result) *result = std::move(r);
    return com::S_Ok;
}

// ---- the object ---------------------------------------------------------------

KelvanorObject::KelvanorObject() : control_(std::make_unique<CKelvanorCtrl>()) {
    ++liveObjects;
    control_->InputWordChanged = [this](std::int16_t module, std::int16_t word, std::int32_t value) {
        const VariantList args{Variant(module), Variant(word), Variant(value)};
        // A copy: a sink may unadvise from inside its handler.
        const auto sinks = sinks_;
        for (com::EventSink* s : sinks)
            if (!closed_ && std::find(sinks_.begin(), sinks_.end(), s) != sinks_.end()) s->OnEvent(kDispIdInputWordChanged, args);
    };
}

KelvanorObject::~KelvanorObject() {
    control_.reset();  // writes the ini file, closes the channels
    --liveObjects;
}

int KelvanorObject::LiveObjects() { return liveObjects.load(); }

void KelvanorObject::AddRef() { ++refs_; }

void KelvanorObject::Release() {
    if (--refs_ == 0) DeleteWhenIdle();
}

void KelvanorObject::DeleteWhenIdle() {
    // A call of this object further up the stack still uses it: the call
    // deletes it when it returns.
    if (callDepth_ == 0) delete this;
}

void KelvanorObject::Close() {
    closed_ = true;
    sinks_.clear();
    control_->Abandon();
}

int KelvanorObject::GetIdOfName(const std::string& name) { return KelvanorIdOfName(name); }

HResult KelvanorObject::Invoke(int dispid, const VariantList& args, Variant* result) {
    if (closed_) return com::E_Fail;
    ++callDepth_;
    const HResult hr = InvokeKelvanor(*control_, dispid, args, result);
    if (--callDepth_ == 0 && refs_ == 0) delete this;
    return hr;
}

void KelvanorObject::Advise(com::EventSink* sink) {
    if (sink && !closed_ && std::find(sinks_.begin(), sinks_.end(), sink) == sinks_.end()) sinks_.push_back(sink);
}

void KelvanorObject::Unadvise(com::EventSink* sink) {
    sinks_.erase(std::remove(sinks_.begin(), sinks_.end(), sink), sinks_.end());
}

}  // namespace kelvanor
