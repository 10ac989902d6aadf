#include "KelvanorCtrl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <algorithm>
#include <vector>

#include "AboutDlg.h"
#include "ControlMessages.h"
#include "DebugWin.h"
#include "MessagePump.h"
#include "PortList.h"
#include "PropertyPage.h"
#include "Trace.h"
#include "WireFormat.h"

namespace kelvanor {

CKelvanorCtrl* g_pCtrl = nullptr;

namespace {

// The control's window messages.
constexpr QEvent::Type kPortDataEvent = static_cast<QEvent::Type>(QEvent::User + 100);      // WM_USER+100
constexpr QEvent::Type kInputWordEvent = static_cast<QEvent::Type>(QEvent::User + 0x8064);  // WM_APP+100

struct PortDataEvent final : QEvent {
    explicit PortDataEvent(std::uint32_t id) : QEvent(kPortDataEvent), portId(id) {}
    std::uint32_t portId;
};

struct InputWordEvent final : QEvent {
    InputWordEvent(std::uint32_t w, std::uint32_t l) : QEvent(kInputWordEvent), wParam(w), lParam(l) {}
    std::uint32_t wParam, lParam;
};

class ControlWindow final : public QObject {
public:
    explicit ControlWindow(CKelvanorCtrl* ctrl) : ctrl_(ctrl) {}

protected:
    bool event(QEvent* e) override {
        if (e->type() == kPortDataEvent) {
            ctrl_->OnPortData(static_cast<PortDataEvent*>(e)->portId);
            return true;
        }
        if (e->type() == kInputWordEvent) {
            auto* w = static_cast<InputWordEvent*>(e);
            ctrl_->OnInputWordChanged(w->wParam, w->lParam);
            return true;
        }
        return QObject::event(e);
    }

private:
    CKelvanorCtrl* ctrl_;
};

// Controls alive, in order of construction.
std::vector<CKelvanorCtrl*>& liveControls() {
    static std::vector<CKelvanorCtrl*> controls;
    return controls;
}

const QString kPortSettings = QStringLiteral("PortSettings");
const QString kDebug = QStringLiteral("Debug");

QString yesNo(bool b) { return b ? QStringLiteral("Y") : QStringLiteral("N"); }

}  // namespace

void CKelvanorCtrl::PostInputWordChanged(std::uint32_t wParam, std::uint32_t lParam) {
    QCoreApplication::postEvent(window_.get(), new InputWordEvent(wParam, lParam));
}

CKelvanorCtrl::CKelvanorCtrl() : window_(std::make_unique<ControlWindow>(this)) {
    for (std::size_t i = 0; i < modules_.size(); ++i) {
        modules_[i].number = static_cast<std::uint16_t>(i);
        modules_[i].Reset();
    }
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        channels_[i].modules = modules_.data();
        channels_[i].index = static_cast<std::uint32_t>(i);
    }
    liveControls().push_back(this);
    g_pCtrl = this;

    ini_.setPath(GetIniFilePath());
    settings.UseUSB = ini_.GetBool(kPortSettings, QStringLiteral("UseUSB"), true);
    settings.UseSerial = ini_.GetBool(kPortSettings, QStringLiteral("UseSerial"), true);
    settings.SearchCOM = NormalisePortList(ini_.GetString(kPortSettings, QStringLiteral("SearchCOM"), QStringLiteral("1-255")));
    settings.ExcludeCOM = NormalisePortList(ini_.GetString(kPortSettings, QStringLiteral("ExcludeCOM")));
    settings.ShowAtStartup = ini_.GetBool(kDebug, QStringLiteral("ShowAtStartup"), false);
    // Writing back what was just read only normalises it: a file that does
    // not take it loses nothing the user chose, so nothing is said.
    WriteSettings();

    modified_ = false;
    debugWin_ = std::make_unique<CDebugWin>();
    debugWin_->onCloseRequested = [this] { debugWin_->DestroyWindow(); };
    g_pDebugWin = debugWin_.get();
    currentModule_ = 1;
    channelCount_ = 0;
    if (settings.ShowAtStartup) ShowDebugWnd();
}

CKelvanorCtrl::~CKelvanorCtrl() {
    abandoned_.store(true);
    if (modified_) WriteChangedSettings();
    for (int c = 0; c < channelCount_; ++c) CloseChannel(channels_[static_cast<std::size_t>(c)]);
    // Ports a failed open left behind.
    for (ChannelRecord& ch : channels_) {
        if (ch.port) ch.port->Close();
        ch.port.reset();
    }
    auto& live = liveControls();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    if (g_pCtrl == this) g_pCtrl = live.empty() ? nullptr : live.back();
    if (g_pDebugWin == debugWin_.get()) g_pDebugWin = live.empty() ? nullptr : live.back()->debugWin_.get();
    debugWin_.reset();
    ini_.Flush();
}

// The five settings in one replacement of the file: a write that fails
// leaves the old settings whole, never a mix of old and new.
ProfileWrite CKelvanorCtrl::WriteSettings() {
    return ini_.WriteStrings({{kPortSettings, QStringLiteral("UseUSB"), yesNo(settings.UseUSB)},
                              {kPortSettings, QStringLiteral("UseSerial"), yesNo(settings.UseSerial)},
                              {kPortSettings, QStringLiteral("SearchCOM"), settings.SearchCOM},
                              {kPortSettings, QStringLiteral("ExcludeCOM"), settings.ExcludeCOM},
                              {kDebug, QStringLiteral("ShowAtStartup"), yesNo(settings.ShowAtStartup)}});
}

void CKelvanorCtrl::WriteChangedSettings() {
    const ProfileWrite w = WriteSettings();
    if (!w)
        ShowMessageBox(QStringLiteral("Die Einstellungen konnten nicht in %1 gespeichert werden:\n%2").arg(ini_.path(), w.reason),
                       ControlCaption());
}

void CKelvanorCtrl::Abandon() {
    abandoned_.store(true);
    InputWordChanged = nullptr;
    // The program may end before a call further up the stack returns and
    // the control is destroyed: changed settings are written now.
    if (modified_) {
        modified_ = false;
        WriteChangedSettings();
    }
}

void CKelvanorCtrl::PortDataPending(std::uint32_t portId) {
    QCoreApplication::postEvent(window_.get(), new PortDataEvent(portId));
}

void CKelvanorCtrl::OnInputWordChanged(std::uint32_t wParam, std::uint32_t lParam) {
    RaiseInputWordChanged(static_cast<std::int16_t>((wParam >> 8) & 0xFF), static_cast<std::int16_t>(wParam & 0xFF),
                          static_cast<std::int32_t>(lParam));
}

void CKelvanorCtrl::RaiseInputWordChanged(std::int16_t module, std::int16_t word, std::int32_t value) {
    if (abandoned_.load() || !InputWordChanged) return;
    // A copy: the handler may replace or clear the event's target.
    auto handler = InputWordChanged;
    handler(module, word, value);
}

// ---- helpers ----------------------------------------------------------------

ModuleRecord* CKelvanorCtrl::Module(std::int16_t modIndex) {
    const int n = modIndex == 0 ? currentModule_ : modIndex;
    if (n < 0 || n >= kModuleRecords) return nullptr;
    return &modules_[static_cast<std::size_t>(n)];
}

ChannelRecord* CKelvanorCtrl::ChannelOf(ModuleRecord* module) { return module ? module->channel : nullptr; }

void CKelvanorCtrl::SendToModule(std::int16_t modIndex, const std::string& text) {
    if (ChannelRecord* ch = ChannelOf(Module(modIndex))) SendCommand(*ch, text);
}

void CKelvanorCtrl::Wait(int ms) { WaitMs(ms, &abandoned_); }

// ---- the dispatch methods -----------------------------------------------------

void CKelvanorCtrl::AboutBox() { ShowAboutBox(); }

void CKelvanorCtrl::ShowDebugWnd() {
    if (!debugWin_->HasWindow()) debugWin_->CreateWindow();
}

std::int16_t CKelvanorCtrl::GetDigitalInput0() {
    ModuleRecord* m = Module(0);
    return m ? static_cast<std::int16_t>(RequestInputWord(*m, 0) & 0xFF) : 0;
}

void CKelvanorCtrl::SetDigitalOutput0(std::int16_t data) {
    ModuleRecord* m = Module(0);
    if (!m) return;
    WriteOutputWord(*m, 0, (static_cast<std::uint32_t>(data) & 0xFF) | (m->outputWords[0] & 0xFF00));
}

std::int16_t CKelvanorCtrl::GetAnalogInput0() { return static_cast<std::int16_t>(GetInputWord(0, 1)); }
void CKelvanorCtrl::SetAnalogOutput0(std::int16_t data) { SetOutputWord(0, 1, data); }
std::int16_t CKelvanorCtrl::GetAnalogInput1() { return static_cast<std::int16_t>(GetInputWord(0, 2)); }
std::int16_t CKelvanorCtrl::GetAnalogInput2() { return static_cast<std::int16_t>(GetInputWord(0, 3)); }
std::int16_t CKelvanorCtrl::GetAnalogInput3() { return static_cast<std::int16_t>(GetInputWord(0, 4)); }
void CKelvanorCtrl::SetAnalogOutput1(std::int16_t data) { SetOutputWord(0, 2, data); }

void CKelvanorCtrl::SetChannelMask(std::int16_t mask) {
    if (ModuleRecord* m = Module(0)) SendToModule(0, WireFormat("MS%d=%02X", m->number, static_cast<unsigned>(mask & 0xFF)));
}

void CKelvanorCtrl::DoProcess() { Wait(2); }

void CKelvanorCtrl::StartTimer() {
    if (ModuleRecord* m = Module(0)) SendToModule(0, WireFormat("MT%d=10", m->number));
}

void CKelvanorCtrl::StopTimer() {
    if (ModuleRecord* m = Module(0)) SendToModule(0, WireFormat("MT%d=00", m->number));
}

void CKelvanorCtrl::DoBackgroundProcessing(std::int16_t count) { PumpMessages(count); }

std::int16_t CKelvanorCtrl::CloseSerial() {
    Disconnect();
    return 0;
}

void CKelvanorCtrl::WriteDebugString(const QString& message) { TraceLine(message); }

std::int32_t CKelvanorCtrl::GetInputWord(std::int16_t modIndex, std::int16_t word) {
    ModuleRecord* m = Module(modIndex);
    if (!m || word < 0 || word >= kInputWords) return 0;
    return static_cast<std::int32_t>(RequestInputWord(*m, word));
}

std::int16_t CKelvanorCtrl::GetInput(std::int16_t modIndex, std::int16_t byteIndex, std::int16_t bitIndex) {
    ModuleRecord* m = Module(modIndex);
    const int bit = bitIndex + 8 * byteIndex;
    if (!m || bit < 0 || bit > 31) return 0;
    return (RequestInputWord(*m, 0) >> bit) & 1 ? 1 : 0;
}

void CKelvanorCtrl::SetOutputWord(std::int16_t modIndex, std::int16_t word, std::int32_t value) {
    ModuleRecord* m = Module(modIndex);
    if (!m || word < 0 || word >= kOutputWords) return;
    WriteOutputWord(*m, word, static_cast<std::uint32_t>(value));
}

void CKelvanorCtrl::SetOutput(std::int16_t modIndex, std::int16_t byteIndex, std::int16_t bitIndex, std::int16_t value) {
    ModuleRecord* m = Module(modIndex);
    const int bit = bitIndex + 8 * byteIndex;
    if (!m || bit < 0 || bit > 31) return;
    std::uint32_t word = m->outputWords[0];
    if (value != 0) word |= 1u << bit;
    else word &= ~(1u << bit);
    WriteOutputWord(*m, 0, word);
}

void CKelvanorCtrl::ForceDisplay(std::int16_t modIndex, std::int16_t channelIndex) {
    if (ModuleRecord* m = Module(modIndex))
        SendToModule(modIndex, WireFormat("MF%d=%02X", m->number, static_cast<unsigned>(channelIndex & 0xFF)));
}

void CKelvanorCtrl::SetFilterMask(std::int16_t modIndex, std::int16_t filterMask) {
    if (ModuleRecord* m = Module(modIndex))
        SendToModule(modIndex, WireFormat("MM%d=%02X", m->number, static_cast<unsigned>(filterMask & 0xFF)));
}

void CKelvanorCtrl::SetDisplayUnit(std::int16_t modIndex, std::int16_t channelIndex, std::int16_t unitIndex) {
    if (ModuleRecord* m = Module(modIndex))
        SendToModule(modIndex, WireFormat("MU%d.%02X=%02X", m->number, static_cast<unsigned>(channelIndex & 0xFF),
                                          static_cast<unsigned>(unitIndex & 0xFF)));
}

void CKelvanorCtrl::SetGain(std::int16_t modIndex, std::int16_t channelIndex, float gainFactor) {
    if (ModuleRecord* m = Module(modIndex))
        SendToModule(modIndex,
                     WireFormat("MG%d.%d=%.2f", m->number, static_cast<int>(channelIndex), static_cast<double>(gainFactor)));
}

void CKelvanorCtrl::SetMeasuringRange(std::int16_t modIndex, std::int16_t inOut, std::int16_t rangeIndex) {
    if (ModuleRecord* m = Module(modIndex))
        SendToModule(modIndex, WireFormat(inOut != 0 ? "MRA%d=%d" : "MRE%d=%d", m->number, static_cast<int>(rangeIndex)));
}

void CKelvanorCtrl::StartCounter(std::int16_t modIndex, std::int16_t counterIndex, std::int16_t activate) {
    if (ModuleRecord* m = Module(modIndex))
        SendToModule(modIndex, WireFormat("MC%d.%d=%d", m->number, static_cast<int>(counterIndex), static_cast<int>(activate)));
}

std::int32_t CKelvanorCtrl::GetCounter(std::int16_t modIndex, std::int16_t counterIndex) {
    ModuleRecord* m = Module(modIndex);
    if (!m || counterIndex < 0 || counterIndex >= kCounters) return 0;
    return static_cast<std::int32_t>(RequestCounter(*m, counterIndex));
}

void CKelvanorCtrl::SetAutoSendMode(std::int16_t modIndex, std::int16_t channelMask) {
    if (ModuleRecord* m = Module(modIndex))
        SendToModule(modIndex, WireFormat("MS%d=%02X", m->number, static_cast<unsigned>(channelMask & 0xFF)));
}

void CKelvanorCtrl::SetModule(std::int16_t modIndex) {
    // Outside the records the call is ignored.
    if (modIndex >= 0 && modIndex < kModuleRecords) currentModule_ = modIndex;
}

std::int16_t CKelvanorCtrl::GetDigitalInput1() {
    ModuleRecord* m = Module(0);
    return m ? static_cast<std::int16_t>((RequestInputWord(*m, 0) >> 8) & 0xFF) : 0;
}

void CKelvanorCtrl::SetDigitalOutput1(std::int16_t data) {
    ModuleRecord* m = Module(0);
    if (!m) return;
    WriteOutputWord(*m, 0, ((static_cast<std::uint32_t>(data) << 8) & 0xFFFF) | (m->outputWords[0] & 0xFF));
}

std::int16_t CKelvanorCtrl::GetModuleType(std::int16_t modIndex) {
    ModuleRecord* m = Module(modIndex);
    return m ? static_cast<std::int16_t>(m->type) : 0;
}

std::int16_t CKelvanorCtrl::GetComPort(std::int16_t modIndex) {
    ChannelRecord* ch = ChannelOf(Module(modIndex));
    return ch ? static_cast<std::int16_t>(ch->key) : 0;
}

void CKelvanorCtrl::SendString(std::int16_t modIndex, const std::string& text) { SendToModule(modIndex, text); }

std::int32_t CKelvanorCtrl::GetOutputWord(std::int16_t modIndex, std::int16_t word) {
    ModuleRecord* m = Module(modIndex);
    if (!m || word < 0 || word >= kOutputWords) return 0;
    return static_cast<std::int32_t>(RequestOutputWord(*m, word));
}

std::string CKelvanorCtrl::SendAndGetString(std::int16_t modIndex, const std::string& text) {
    ModuleRecord* m = Module(modIndex);
    return m ? SendAndWaitReply(*m, text) : std::string();
}

void CKelvanorCtrl::ShowProperties() { ShowPropertyPage(*this); }

std::uint32_t CKelvanorCtrl::GetPortType(std::int16_t modIndex) {
    ChannelRecord* ch = ChannelOf(Module(modIndex));
    return ch ? ch->portKind : 0;
}

std::uint32_t CKelvanorCtrl::GetUSBLocation(std::int16_t modIndex) {
    ChannelRecord* ch = ChannelOf(Module(modIndex));
    return ch && (ch->portKind & 0x0F) == 2 ? ch->key : 0;
}

std::int16_t CKelvanorCtrl::IsModuleUpdateAvailable(std::int16_t modIndex) {
    ChannelRecord* ch = ChannelOf(Module(modIndex));
    if (!ch || ch->portKind != kPortFtdi || !ch->port || !ch->port->IsOpen()) return 0;
    return ch->port->HasGenericIdentity() ? 1 : 0;
}

std::int16_t CKelvanorCtrl::UpdateModule(std::int16_t modIndex) {
    ModuleRecord* m = Module(modIndex);
    ChannelRecord* ch = ChannelOf(m);
    if (!ch) return -1;
    if (ch->portKind != kPortFtdi || !ch->port || !ch->port->IsOpen() || !ch->port->HasGenericIdentity()) return -1;
    TraceLine(QStringLiteral("Updating Kelvanor Module %1").arg(ch->moduleNumber));
    return static_cast<std::int16_t>(ch->port->ProgramModuleIds((m->type & kTypeCedarFlag) != 0));
}

}  // namespace kelvanor
