#pragma once
// CKelvanorCtrl: the Kelvanor control. It owns the module and channel
// records with their ports, the settings of Kelvanor.ini and the trace
// window, and offers the 45 methods of its dispatch interface as typed
// member functions (KelvanorDispatch maps dispatch ids onto them).
//
// Everything runs on the host's window thread. Reader threads only post a
// notification to the control's window object; the bytes are built into
// lines and parsed here. Waits (WaitMs) let the host's handlers run nested,
// so every operation re-checks its channel after a wait, and searches refuse
// to nest.

#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "CommunicationPort.h"
#include "Ini.h"
#include "ModuleRecords.h"

class QObject;

namespace kelvanor {

class CDebugWin;
struct ModuleReply;

class CKelvanorCtrl final : public PortOwner {
public:
    CKelvanorCtrl();
    ~CKelvanorCtrl() override;
    CKelvanorCtrl(const CKelvanorCtrl&) = delete;
    CKelvanorCtrl& operator=(const CKelvanorCtrl&) = delete;

    // ---- the dispatch interface ------------------------------------------
    void AboutBox();                                                                                           // -552
    void ShowDebugWnd();                                                                                       // 1
    std::int16_t GetDigitalInput0();                                                                           // 2
    void SetDigitalOutput0(std::int16_t data);                                                                 // 3
    std::int16_t GetAnalogInput0();                                                                            // 4
    void SetAnalogOutput0(std::int16_t data);                                                                  // 5
    std::int16_t GetAnalogInput1();                                                                            // 6
    std::int16_t GetAnalogInput2();                                                                            // 7
    std::int16_t GetAnalogInput3();                                                                            // 8
    void SetAnalogOutput1(std::int16_t data);                                                                  // 9
    void SetChannelMask(std::int16_t mask);                                                                    // 10
    void DoProcess();                                                                                          // 11
    void StartTimer();                                                                                         // 12
    void StopTimer();                                                                                          // 13
    void DoBackgroundProcessing(std::int16_t count);                                                           // 14
    std::int16_t OpenSerial(std::int16_t portNo);                                                              // 15
    std::int16_t CloseSerial();                                                                                // 16
    void WriteDebugString(const QString& message);                                                             // 17
    std::int16_t Connect();                                                                                    // 18
    void Disconnect();                                                                                         // 19
    std::int32_t GetInputWord(std::int16_t modIndex, std::int16_t word);                                       // 20
    std::int16_t GetInput(std::int16_t modIndex, std::int16_t byteIndex, std::int16_t bitIndex);               // 21
    void SetOutputWord(std::int16_t modIndex, std::int16_t word, std::int32_t value);                          // 22
    void SetOutput(std::int16_t modIndex, std::int16_t byteIndex, std::int16_t bitIndex, std::int16_t value);  // 23
    void ForceDisplay(std::int16_t modIndex, std::int16_t channelIndex);                                       // 24
    void SetFilterMask(std::int16_t modIndex, std::int16_t filterMask);                                        // 25
    void SetDisplayUnit(std::int16_t modIndex, std::int16_t channelIndex, std::int16_t unitIndex);             // 26
    void SetGain(std::int16_t modIndex, std::int16_t channelIndex, float gainFactor);                          // 27
    void SetMeasuringRange(std::int16_t modIndex, std::int16_t inOut, std::int16_t rangeIndex);                // 28
    void StartCounter(std::int16_t modIndex, std::int16_t counterIndex, std::int16_t activate);                // 29
    std::int32_t GetCounter(std::int16_t modIndex, std::int16_t counterIndex);                                 // 30
    void SetAutoSendMode(std::int16_t modIndex, std::int16_t channelMask);                                     // 31
    void SetModule(std::int16_t modIndex);                                                                     // 32
    std::int16_t GetDigitalInput1();                                                                           // 33
    void SetDigitalOutput1(std::int16_t data);                                                                 // 34
    std::int16_t GetModuleType(std::int16_t modIndex);                                                         // 35
    std::int16_t GetComPort(std::int16_t modIndex);                                                            // 36
    void SendString(std::int16_t modIndex, const std::string& text);                                           // 37
    std::int32_t GetOutputWord(std::int16_t modIndex, std::int16_t word);                                      // 38
    std::string SendAndGetString(std::int16_t modIndex, const std::string& text);                              // 39
    void ShowProperties();                                                                                     // 40
    std::uint32_t GetPortType(std::int16_t modIndex);                                                          // 41
    std::uint32_t GetUSBLocation(std::int16_t modIndex);                                                       // 42
    std::int16_t IsModuleUpdateAvailable(std::int16_t modIndex);                                               // 43
    std::int16_t UpdateModule(std::int16_t modIndex);                                                          // 44

    // The event InputWordChanged(module, word, value), raised on the window thread.
    std::function<void(std::int16_t, std::int16_t, std::int32_t)> InputWordChanged;

    // ---- settings (the property page edits them) -------------------------
    struct Settings {
        bool UseUSB = true;
        bool UseSerial = true;
        QString SearchCOM = QStringLiteral("1-255");
        QString ExcludeCOM;
        bool ShowAtStartup = false;
    };
    Settings settings;
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    bool IsModified() const { return modified_; }
    const CIni& ini() const { return ini_; }

    // ---- lifetime --------------------------------------------------------
    // The host is done: no more events, every wait ends at once.
    void Abandon();

    // ---- state, for the host's property page and for tests ---------------
    const ModuleRecord& module(int number) const { return modules_[static_cast<std::size_t>(number)]; }
    const ChannelRecord& channel(int index) const { return channels_[static_cast<std::size_t>(index)]; }
    int channelCount() const { return channelCount_; }
    int currentModule() const { return currentModule_; }

    // ---- the window thread's side of the ports ---------------------------
    void PortDataPending(std::uint32_t portId) override;                  // reader thread: posts
    void OnPortData(std::uint32_t portId);                                // message 0x464
    void OnInputWordChanged(std::uint32_t wParam, std::uint32_t lParam);  // message 0x8064

    // ---- protocol (Module channel protocol) ------------------------------
    void SendCommand(ChannelRecord& channel, const std::string& text);
    // Parses one line (or a 4-byte frame) of `channel`; `line` may be the
    // channel's own line buffer.
    void ParseReply(const char* line, std::uint32_t length, ChannelRecord& channel);
    // What the control does with one parsed reply of `channel`.
    void ActOnReply(const ModuleReply& reply, ChannelRecord& channel);
    void StoreInputWord(std::uint32_t value, std::uint32_t word, std::uint32_t module);
    std::uint32_t RequestInputWord(ModuleRecord& module, int word);
    std::uint32_t RequestOutputWord(ModuleRecord& module, int word);
    std::uint32_t RequestCounter(ModuleRecord& module, int counter);
    std::string SendAndWaitReply(ModuleRecord& module, const std::string& text);
    void WriteOutputWord(ModuleRecord& module, int word, std::uint32_t value);
    void RequestModuleInputs(std::uint32_t moduleNumber, ChannelRecord& channel);
    void Wait(int ms);
    // Waits `ms` at a time, at most `tries` times, while a reply handler has
    // not yet cleared `pending` and the control is not abandoned.
    template <class Flag>
    void WaitWhilePending(const Flag& pending, int tries, int ms) {
        for (int i = 0; i < tries && pending && !abandoned_; ++i) Wait(ms);
    }
    // Sends `command` on the module's channel, marks `pending` and waits for
    // the reply handler to clear it; gives `answer` as it then stands, or 0
    // when the module has no channel.
    template <class Flag>
    std::uint32_t AskModule(ModuleRecord& module, const std::string& command, Flag& pending, const std::uint32_t& answer);

    // ---- search (Module search and channels) -----------------------------
    int OpenSerialChannel(int first, int last, ChannelRecord& channel);
    bool OpenFtdiChannel(ChannelRecord& channel, int deviceIndex);
    bool OpenSiLabsChannel(ChannelRecord& channel, int deviceIndex);
    void CloseChannel(ChannelRecord& channel);
    bool TestComPort(int n);

    // Writes the five settings to the ini file (when it has a path); stops
    // at the first that the file does not take.
    ProfileWrite WriteSettings();
    // Writes the settings the property page changed, and tells the user when
    // the file did not take them: they would be gone with this control.
    void WriteChangedSettings();

    // The control's window object (receives the posted messages).
    QObject* window() const { return window_.get(); }

private:
    ModuleRecord* Module(std::int16_t modIndex);
    ChannelRecord* ChannelOf(ModuleRecord* module);
    void SendToModule(std::int16_t modIndex, const std::string& text);
    void RaiseInputWordChanged(std::int16_t module, std::int16_t word, std::int32_t value);
    // Message 0x8064 to the control's own window: words 1 to 4 are raised later.
    void PostInputWordChanged(std::uint32_t wParam, std::uint32_t lParam);
    bool Handshake(ChannelRecord& channel, std::uint32_t kind, std::uint32_t key, int waits);
    void DisconnectAll();
    void InitialiseModule(int number);
    void ProcessPending(ChannelRecord& channel);
    void SendWord(ModuleRecord& module, int word, std::uint32_t v);

    std::array<ModuleRecord, kModuleRecords> modules_{};
    std::array<ChannelRecord, kChannelRecords> channels_{};
    int channelCount_ = 0;
    std::int16_t currentModule_ = 1;
    int siLabsCount_ = 0;
    CIni ini_;
    bool modified_ = false;
    std::atomic<bool> abandoned_{false};
    bool searching_ = false;
    // A write of output word w of module m runs: nested writes leave their
    // value here and the running one sends it when it is done.
    std::array<std::array<bool, kOutputWords>, kModuleRecords> writing_{};
    std::array<std::array<std::int64_t, kOutputWords>, kModuleRecords> latestWanted_{};
    std::unique_ptr<QObject> window_;
    std::unique_ptr<CDebugWin> debugWin_;
};

// The control constructed last that still lives (the property page edits it).
extern CKelvanorCtrl* g_pCtrl;

}  // namespace kelvanor
