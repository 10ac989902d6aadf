// The dispatch interface: every dispatch id with its name, argument and
// result types, called through the table; bad calls; the object's lifetime.

#include <QDialog>
#include <QTimer>

#include <set>

#include "AboutDlg.h"
#include "ControlTest.h"
#include "DebugWin.h"
#include "KelvanorCtrl.h"
#include "KelvanorDispatch.h"
#include "Trace.h"

namespace kelvanor::test {
namespace {

namespace com = tamberlo::com;
using com::Variant;
using com::VariantList;
using com::VarType;

struct Expected {
    int dispid;
    const char* name;
    VarType result;
    std::vector<VarType> args;
};

constexpr VarType I2 = VarType::I2, I4 = VarType::I4, UI4 = VarType::UI4, R4 = VarType::R4, BSTR = VarType::BStr,
                  None = VarType::Empty;

const std::vector<Expected> kInterface = {
    {-552, "AboutBox", None, {}},
    {1, "ShowDebugWnd", None, {}},
    {2, "GetDigitalInput0", I2, {}},
    {3, "SetDigitalOutput0", None, {I2}},
    {4, "GetAnalogInput0", I2, {}},
    {5, "SetAnalogOutput0", None, {I2}},
    {6, "GetAnalogInput1", I2, {}},
    {7, "GetAnalogInput2", I2, {}},
    {8, "GetAnalogInput3", I2, {}},
    {9, "SetAnalogOutput1", None, {I2}},
    {10, "SetChannelMask", None, {I2}},
    {11, "DoProcess", None, {}},
    {12, "StartTimer", None, {}},
    {13, "StopTimer", None, {}},
    {14, "DoBackgroundProcessing", None, {I2}},
    {15, "OpenSerial", I2, {I2}},
    {16, "CloseSerial", I2, {}},
    {17, "WriteDebugString", None, {BSTR}},
    {18, "Connect", I2, {}},
    {19, "Disconnect", None, {}},
    {20, "GetInputWord", I4, {I2, I2}},
    {21, "GetInput", I2, {I2, I2, I2}},
    {22, "SetOutputWord", None, {I2, I2, I4}},
    {23, "SetOutput", None, {I2, I2, I2, I2}},
    {24, "ForceDisplay", None, {I2, I2}},
    {25, "SetFilterMask", None, {I2, I2}},
    {26, "SetDisplayUnit", None, {I2, I2, I2}},
    {27, "SetGain", None, {I2, I2, R4}},
    {28, "SetMeasuringRange", None, {I2, I2, I2}},
    {29, "StartCounter", None, {I2, I2, I2}},
    {30, "GetCounter", I4, {I2, I2}},
    {31, "SetAutoSendMode", None, {I2, I2}},
    {32, "SetModule", None, {I2}},
    {33, "GetDigitalInput1", I2, {}},
    {34, "SetDigitalOutput1", None, {I2}},
    {35, "GetModuleType", I2, {I2}},
    {36, "GetComPort", I2, {I2}},
    {37, "SendString", None, {I2, BSTR}},
    {38, "GetOutputWord", I4, {I2, I2}},
    {39, "SendAndGetString", BSTR, {I2, BSTR}},
    {40, "ShowProperties", None, {}},
    {41, "GetPortType", UI4, {I2}},
    {42, "GetUSBLocation", UI4, {I2}},
    {43, "IsModuleUpdateAvailable", I2, {I2}},
    {44, "UpdateModule", I2, {I2}},
};

Variant sample(VarType t) {
    switch (t) {
    case VarType::I2: return Variant(std::int16_t{0});
    case VarType::I4: return Variant(std::int32_t{0});
    case VarType::UI4: return Variant(std::uint32_t{0});
    case VarType::R4: return Variant(1.0f);
    case VarType::BStr: return Variant("text");
    default: return {};
    }
}

using DispatchTest = ControlTest;

TEST_F(DispatchTest, TheTableHoldsTheFortyFiveMethodsWithTheirTypes) {
    const auto& table = KelvanorDispatchTable();
    ASSERT_EQ(table.size(), 45u);
    ASSERT_EQ(kInterface.size(), 45u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(kInterface[i].name);
        EXPECT_EQ(table[i].dispid, kInterface[i].dispid);
        EXPECT_STREQ(table[i].name, kInterface[i].name);
        EXPECT_EQ(table[i].result, kInterface[i].result);
        EXPECT_EQ(table[i].args, kInterface[i].args);
        EXPECT_EQ(KelvanorIdOfName(kInterface[i].name), kInterface[i].dispid);
    }
    EXPECT_EQ(KelvanorIdOfName("connect"), 18);
    EXPECT_EQ(KelvanorIdOfName("NoSuchMethod"), com::kDispIdUnknown);
}

TEST_F(DispatchTest, EveryDispatchIdIsCallableWithItsArgumentAndResultTypes) {
    CKelvanorCtrl ctrl;  // no module anywhere: nothing is sent
    for (const Expected& e : kInterface) {
        SCOPED_TRACE(e.name);
        VariantList args;
        for (VarType t : e.args) args.push_back(sample(t));
        Variant result;
        ASSERT_EQ(InvokeKelvanor(ctrl, e.dispid, args, &result), com::S_Ok);
        EXPECT_EQ(result.type(), e.result);
    }
    EXPECT_EQ(modalTitles,
              (QStringList{QStringLiteral("About Brask Kelvanor ActiveX Control"), QStringLiteral("Kelvanor Properties")}));
    EXPECT_TRUE(g_pDebugWin->HasWindow());
    EXPECT_TRUE(g_pDebugWin->Lines().last().endsWith(QStringLiteral("text")) ||
                !g_pDebugWin->Lines().filter(QStringLiteral(":\ttext")).isEmpty());
}

TEST_F(DispatchTest, ResultsWithoutAModule) {
    CKelvanorCtrl ctrl;
    Variant r;
    ASSERT_EQ(InvokeKelvanor(ctrl, 18, {}, &r), com::S_Ok);
    EXPECT_EQ(r, Variant(std::int16_t{0}));
    ASSERT_EQ(InvokeKelvanor(ctrl, 15, {Variant(std::int16_t{3})}, &r), com::S_Ok);
    EXPECT_EQ(r, Variant(std::int16_t{2}));
    ASSERT_EQ(InvokeKelvanor(ctrl, 16, {}, &r), com::S_Ok);
    EXPECT_EQ(r, Variant(std::int16_t{0}));
    ASSERT_EQ(InvokeKelvanor(ctrl, 44, {Variant(std::int16_t{0})}, &r), com::S_Ok);
    EXPECT_EQ(r, Variant(std::int16_t{-1}));
    ASSERT_EQ(InvokeKelvanor(ctrl, 39, {Variant(std::int16_t{0}), Variant("DV")}, &r), com::S_Ok);
    EXPECT_EQ(r, Variant(std::string()));
}

TEST_F(DispatchTest, ArgumentsAreConvertedOrRefused) {
    ModuleEmulator& atlas = AddModule(2, {});
    CKelvanorCtrl ctrl;
    Variant r;
    ASSERT_EQ(InvokeKelvanor(ctrl, 18, {}, &r), com::S_Ok);
    ASSERT_EQ(r, Variant(std::int16_t{1}));
    // An I4 that fits is taken for an I2, as an automation call would.
    ASSERT_EQ(InvokeKelvanor(ctrl, 3, {Variant(std::int32_t{0x42})}, nullptr), com::S_Ok);
    EXPECT_TRUE(atlas.WaitForLine("MAW1.0=0042"));
    ASSERT_EQ(InvokeKelvanor(ctrl, 35, {Variant(std::int32_t{0})}, &r), com::S_Ok);
    EXPECT_EQ(r, Variant(std::int16_t{1}));
    EXPECT_EQ(InvokeKelvanor(ctrl, 3, {Variant(std::int32_t{70000})}, nullptr), com::Disp_E_TypeMismatch);
    EXPECT_EQ(InvokeKelvanor(ctrl, 3, {Variant("5")}, nullptr), com::Disp_E_TypeMismatch);
    EXPECT_EQ(InvokeKelvanor(ctrl, 3, {}, nullptr), com::Disp_E_BadParamCount);
    EXPECT_EQ(InvokeKelvanor(ctrl, 18, {Variant(std::int16_t{1})}, nullptr), com::Disp_E_BadParamCount);
    EXPECT_EQ(InvokeKelvanor(ctrl, 45, {}, nullptr), com::Disp_E_MemberNotFound);
    EXPECT_EQ(InvokeKelvanor(ctrl, 0, {}, nullptr), com::Disp_E_MemberNotFound);
}

// The host's side of the event interface.
class Sink final : public com::EventSink {
public:
    void OnEvent(int dispid, const VariantList& args) override {
        ++count;
        lastDispid = dispid;
        last = args;
    }
    int count = 0;
    int lastDispid = 0;
    VariantList last;
};

TEST_F(DispatchTest, TheObjectRaisesItsEventAndGoesAfterItsLastReference) {
    ModuleEmulator& atlas = AddModule(2, {});
    auto* object = new KelvanorObject;
    EXPECT_EQ(KelvanorObject::LiveObjects(), 1);
    Sink sink, other;
    object->Advise(&sink);
    object->Advise(&other);
    Variant r;
    ASSERT_EQ(object->Invoke(object->GetIdOfName("Connect"), {}, &r), com::S_Ok);
    ASSERT_EQ(r, Variant(std::int16_t{1}));
    atlas.ReportInputWord0(1, 0x0005);
    ASSERT_TRUE(WaitUntil([&] { return sink.count == 1; }));
    EXPECT_EQ(sink.lastDispid, 1);
    EXPECT_EQ(sink.last, (VariantList{Variant(std::int16_t{1}), Variant(std::int16_t{0}), Variant(std::int32_t{5})}));
    object->Unadvise(&sink);
    atlas.ReportInputWord0(1, 0x0006);
    // Each raise goes to every sink in turn: once the other has it, so would the first.
    ASSERT_TRUE(WaitUntil([&] { return other.count == 2; }));
    EXPECT_EQ(sink.count, 1);
    object->Release();
    EXPECT_EQ(KelvanorObject::LiveObjects(), 0);
}

TEST_F(DispatchTest, AnObjectReleasedInsideItsOwnCallGoesWhenTheCallReturns) {
    AddModule(2, {.silent = true});
    auto* object = new KelvanorObject;
    bool released = false;
    QTimer::singleShot(0, [&] {
        object->Close();  // the host is done: the search ends at once
        object->Release();
        released = true;
    });
    Variant r;
    EXPECT_EQ(object->Invoke(18, {}, &r), com::S_Ok);
    EXPECT_TRUE(released);
    EXPECT_EQ(KelvanorObject::LiveObjects(), 0);
}

TEST_F(DispatchTest, TheAboutBoxShowsTheLibrarysOwnVersion) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.VersionLine(), QStringLiteral("Brask Kelvanor ActiveX Control, Version 2.5.0.0"));
    const auto v = GetOwnVersion();
    EXPECT_EQ(v, (std::array<std::uint16_t, 4>{2, 5, 0, 0}));
    std::array<std::uint16_t, 4> none{9, 9, 9, 9};
    VersionTranslation tr;
    EXPECT_FALSE(GetVersionTranslation(QStringLiteral("/dev/null"), &none, &tr));
    ASSERT_TRUE(GetVersionTranslation(OwnLibraryPath(), &none, &tr));
    EXPECT_EQ(tr.language, 0x0409);
    EXPECT_EQ(tr.codePage, 0x04B0);
}

}  // namespace
}  // namespace kelvanor::test
