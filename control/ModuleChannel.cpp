// The module channel protocol: sending commands, building lines from the
// received bytes, the reply parser with the initialisation chain, and the
// requests that wait for an answer.

#include <algorithm>
#include <cstring>
#include <variant>

#include "ControlMessages.h"
#include "KelvanorCtrl.h"
#include "ModuleReplyParser.h"
#include "Trace.h"
#include "WireFormat.h"

namespace kelvanor {

namespace {

bool validModule(int n) { return n >= 1 && n <= 8; }

QString latin1(const char* text, std::size_t n) { return QString::fromLatin1(text, static_cast<qsizetype>(n)); }

QString usbLocation(std::uint32_t key) { return QString::number(key, 16).toUpper(); }

void showDuplicate(std::uint32_t n) {
    ShowMessageBox(QStringLiteral("Modulnummer %1 mehrfach im System verwendet!").arg(n), ControlCaption());
}

}  // namespace

void CKelvanorCtrl::SendCommand(ChannelRecord& ch, const std::string& text) {
    const QString command = latin1(text.data(), text.size());
    switch (ch.portKind & 0x0F) {
    case 1: TraceLine(QStringLiteral("TX COM %1:\t").arg(ch.key) + command); break;
    case 2: TraceLine(QStringLiteral("TX USB Loc%1:\t").arg(usbLocation(ch.key)) + command); break;
    default: TraceLine(QStringLiteral("TX ???:\t") + command); break;
    }
    if (ch.state == kChannelClosed) {
        TraceLine(QStringLiteral("CHANNEL_NOT_CONNECTED"));
        return;
    }
    if (ch.port) ch.port->Write(text + '\r');
}

void CKelvanorCtrl::OnPortData(std::uint32_t portId) {
    // The port names itself: a COM number and a Silicon Labs index may be equal.
    for (ChannelRecord& ch : channels_) {
        if (ch.state == kChannelClosed || !ch.port || ch.port->portId() != portId) continue;
        // Taken even when empty: the hand-over re-arms the port's
        // notification, and a notification whose bytes an earlier hand-over
        // already took would otherwise leave it disarmed for good.
        CCommunicationPort::Received r = ch.port->TakeReceived();
        // Bounded: a control far behind its port loses the oldest bytes.
        if (ch.pending.size() + r.bytes.size() > ChannelRecord::kPendingLimit) ch.ClearInput();
        ch.pending.insert(ch.pending.end(), r.bytes.begin(), r.bytes.end());
        ch.moreThanHalfFull = r.moreThanHalfFull;
        ProcessPending(ch);
        break;
    }
    // A fault the reader met is shown (and its port closed) here, on the window thread.
    for (ChannelRecord& ch : channels_) {
        if (ch.state != kChannelClosed && ch.port && ch.port->portId() == portId) ch.port->HandleReaderFault();
    }
}

void CKelvanorCtrl::ProcessPending(ChannelRecord& ch) {
    while (!ch.pending.empty()) {
        if (ch.state == kChannelClosed) {  // closed by a nested handler
            ch.ClearInput();
            return;
        }
        const char byte = static_cast<char>(ch.pending.front());
        ch.pending.pop_front();
        if (ch.skippingLine) {
            if (byte == '\r') ch.skippingLine = false;
            continue;
        }
        if (ch.lineLength >= ChannelRecord::kLineLimit) {
            // Too long for any reply: drop it and resynchronise at the next CR.
            ch.lineLength = 0;
            ch.line[0] = 0;
            ch.skippingLine = byte != '\r';
            continue;
        }
        ch.line[ch.lineLength++] = byte;
        ch.line[ch.lineLength] = 0;
        if (byte != '\r') continue;
        const char first = ch.line[0];
        // A CR among a frame's two value bytes does not end the frame.
        if (IsFrameStart(first) && ch.lineLength < 4) continue;
        if (ch.lineLength == 4 && IsFrameStart(first)) {
            // Only the newest frame of each word per batch is parsed, none while the port floods.
            if (!ch.moreThanHalfFull) {
                const int slot = (first - '0') / 2 - 1;
                std::memcpy(ch.frames[static_cast<std::size_t>(slot)].data(), ch.line.data(), 4);
                ch.frameSet[static_cast<std::size_t>(slot)] = true;
            }
            ch.lineLength = 0;
            ch.line[0] = 0;
        } else {
            ParseReply(ch.line.data(), ch.lineLength, ch);
        }
    }
    for (std::size_t slot = 0; slot < ch.frames.size(); ++slot) {
        if (!ch.frameSet[slot] || ch.state == kChannelClosed) continue;
        ch.frameSet[slot] = false;
        const std::array<char, 4> frame = ch.frames[slot];
        ParseReply(frame.data(), 4, ch);
    }
}

void CKelvanorCtrl::ParseReply(const char* line, std::uint32_t length, ChannelRecord& ch) {
    // Work on a copy: handlers that run nested (the event, message boxes) may
    // build new lines in the channel's buffer meanwhile.
    const std::string bytes(line, std::min<std::size_t>(length, kMaxReplyLength + 1));
    if (line == ch.line.data()) {
        ch.lineLength = 0;
        ch.line[0] = 0;
    }
    if (bytes.empty()) return;
    const char first = bytes[0];
    if (first < '2' || first > '8') {
        const QString text = latin1(bytes.data(), bytes.back() == '\r' ? bytes.size() - 1 : bytes.size());
        switch (ch.portKind & 0x0F) {
        case 1: TracePortLine(QStringLiteral("RX COM"), ch.key, text); break;
        case 2: TraceText(QStringLiteral("RX USB Loc%1").arg(usbLocation(ch.key)), text); break;
        default: TraceText(QStringLiteral("RX ???"), text); break;
        }
    }
    const ParsedReply parsed = ParseModuleReply(bytes);
    if (const auto* reply = std::get_if<ModuleReply>(&parsed)) ActOnReply(*reply, ch);
}

void CKelvanorCtrl::ActOnReply(const ModuleReply& r, ChannelRecord& ch) {
    const std::uint32_t state = ch.state;
    const int n = r.module;
    int moduleNumber = static_cast<int>(ch.moduleNumber);
    bool taken = true;

    switch (r.kind) {
    case ReplyKind::Frame: {
        const std::uint32_t module = ch.majorVersion != 0 ? ch.moduleNumber : 1;
        TraceRxBytes(QStringLiteral("RX COM"), ch.key, static_cast<std::uint32_t>(r.index), r.value);
        StoreInputWord(r.value, static_cast<std::uint32_t>(r.index), module);
        return;  // a frame is no reply text
    }
    case ReplyKind::Empty: break;
    case ReplyKind::Setup:
        moduleNumber = n;
        if (state == kChannelOpening && validModule(n)) {
            ch.moduleNumber = static_cast<std::uint32_t>(n);
            SendCommand(ch, "DV");
        } else if (state == kChannelClosing) {
            ch.state = kChannelClosed;
        }
        break;
    case ReplyKind::Version:
        if (state == kChannelOpening && validModule(static_cast<int>(ch.moduleNumber))) {
            ch.majorVersion = static_cast<std::uint32_t>(r.major);
            ch.minorVersion = static_cast<std::uint32_t>(r.minor);
            ModuleRecord& m = modules_[ch.moduleNumber];
            ch.state = kChannelReady;
            if (!m.present) {
                m.type = r.major == 1 ? kTypeCedar : kTypeDelta;
                m.channel = &ch;
                m.majorVersion = static_cast<std::uint32_t>(r.major);
                m.minorVersion = static_cast<std::uint32_t>(r.minor);
                m.present = 1;
            } else {
                showDuplicate(ch.moduleNumber);
            }
        }
        break;
    case ReplyKind::VersionEcho:
        taken = state == kChannelOpening;
        if (taken) {
            // An older module echoes "DV": modules 1 to n share this channel.
            ch.majorVersion = 0;
            ch.minorVersion = 0;
            ch.state = kChannelReady;
            const std::uint32_t last = std::min<std::uint32_t>(ch.moduleNumber, 8);
            for (std::uint32_t i = 1; i <= last; ++i) {
                ModuleRecord& m = modules_[i];
                if (!m.present) {
                    m.present = 1;
                    m.channel = &ch;
                    m.majorVersion = 0;
                    m.minorVersion = 0;
                } else {
                    showDuplicate(i);
                }
            }
        }
        break;
    case ReplyKind::Word4Echo:
        // The module echoed the request for word 4: it has no analog words.
        taken = state == kChannelInitialising;
        if (taken && validModule(n)) {
            modules_[static_cast<std::size_t>(n)].type = kTypeAtlas;
            SendCommand(ch, WireFormat("DEW%d.0", n));
        }
        break;
    case ReplyKind::InputWord:
    case ReplyKind::InputReport:
        taken = validModule(n);
        if (!taken) break;
        StoreInputWord(r.value, static_cast<std::uint32_t>(r.index / 2), static_cast<std::uint32_t>(n));
        if (r.kind == ReplyKind::InputWord && state == kChannelInitialising && ch.state == kChannelInitialising) {
            ModuleRecord& m = modules_[static_cast<std::size_t>(n)];
            if (r.index < 2) {
                SendCommand(ch, WireFormat((m.type & kTypeHasAnalogWords) ? "DAW%d.4" : "DAW%d.0", n));
            } else {
                m.type |= kTypeHasAnalogWords;
                SendCommand(ch, WireFormat("DEW%d.%d", n, r.index - 2));
            }
        }
        break;
    case ReplyKind::OutputWord: {
        taken = validModule(n) && r.index / 2 < kOutputWords;
        if (!taken) break;
        ModuleRecord& m = modules_[static_cast<std::size_t>(n)];
        m.outputWords[static_cast<std::size_t>(r.index / 2)] = r.value;
        m.outputWrite[static_cast<std::size_t>(r.index / 2)] = 0;
        if (state == kChannelInitialising) {
            if (r.index < 2) SendCommand(ch, WireFormat("MT%d=01", n));
            else SendCommand(ch, WireFormat("DAW%d.%d", n, r.index - 2));
        }
        break;
    }
    case ReplyKind::Timer:
        if (state == kChannelInitialising) {
            const int owner = validModule(n) ? n : static_cast<int>(ch.moduleNumber);
            if (validModule(owner) && (modules_[static_cast<std::size_t>(owner)].type & kTypeHasAnalogWords))
                SendCommand(ch, WireFormat("MM%d=20", owner));
            else ch.state = kChannelReady;
        }
        break;
    case ReplyKind::InitDone:
        if (state == kChannelInitialising) ch.state = kChannelReady;
        break;
    case ReplyKind::FilterMask:
        if (state == kChannelInitialising) SendCommand(ch, WireFormat("MS%d=00", n));
        break;
    case ReplyKind::ChannelMask:
        if (validModule(n)) {
            ModuleRecord& m = modules_[static_cast<std::size_t>(n)];
            for (int i = 1; i <= 4; ++i) m.autoSend[static_cast<std::size_t>(i)] = (r.value >> (i - 1)) & 1;
        }
        if (state == kChannelInitialising) SendCommand(ch, "MME=4");
        else ch.state = kChannelReady;
        break;
    case ReplyKind::Counter:
        if (validModule(n)) {
            ModuleRecord& m = modules_[static_cast<std::size_t>(n)];
            m.counters[static_cast<std::size_t>(r.index)] = r.value;
            m.counterRequest[static_cast<std::size_t>(r.index)] = 0;
        }
        break;
    case ReplyKind::CounterStarted:
    case ReplyKind::Acknowledged: break;
    }
    if (r.kind == ReplyKind::Empty) {
        if (validModule(static_cast<int>(ch.moduleNumber))) {
            ModuleRecord& m = modules_[ch.moduleNumber];
            m.replyText.clear();
            m.replyPending = 0;
        }
        return;
    }
    if (taken && validModule(moduleNumber)) {
        ModuleRecord& m = modules_[static_cast<std::size_t>(moduleNumber)];
        m.replyText = r.text;
        m.replyPending = 0;
    }
}

void CKelvanorCtrl::StoreInputWord(std::uint32_t value, std::uint32_t word, std::uint32_t module) {
    if (!validModule(static_cast<int>(module)) || word >= kInputWords) return;
    ModuleRecord& m = modules_[module];
    std::uint32_t v = value & 0xFFFF;
    if (m.majorVersion < 2 && (m.type & kTypeHasAnalogWords) && word == 0) v &= 0xFF;
    if (v != m.inputWords[word]) {
        m.inputWords[word] = v;
        if (word == 0) RaiseInputWordChanged(static_cast<std::int16_t>(module), 0, static_cast<std::int32_t>(v));
        else PostInputWordChanged(module * 256 + word, v);
    }
    m.inputRequest[word] = 0;
}

template <class Flag>
std::uint32_t CKelvanorCtrl::AskModule(ModuleRecord& m, const std::string& command, Flag& pending, const std::uint32_t& answer) {
    ChannelRecord* ch = m.channel;
    if (!ch) return 0;
    SendCommand(*ch, command);
    pending = 1;
    WaitWhilePending(pending, 30, 5);
    return answer;
}

std::uint32_t CKelvanorCtrl::RequestInputWord(ModuleRecord& m, int word) {
    const auto w = static_cast<std::size_t>(word);
    if (m.autoSend[w]) return m.inputWords[w];
    return AskModule(m, WireFormat("DEW%d.%1d", m.number, 2 * word), m.inputRequest[w], m.inputWords[w]);
}

std::uint32_t CKelvanorCtrl::RequestOutputWord(ModuleRecord& m, int word) {
    const auto w = static_cast<std::size_t>(word);
    return AskModule(m, WireFormat("DAW%d.%1d", m.number, 2 * word), m.outputWrite[w], m.outputWords[w]);
}

std::uint32_t CKelvanorCtrl::RequestCounter(ModuleRecord& m, int counter) {
    const auto c = static_cast<std::size_t>(counter);
    return AskModule(m, WireFormat("DC%d.%d", m.number, counter), m.counterRequest[c], m.counters[c]);
}

std::string CKelvanorCtrl::SendAndWaitReply(ModuleRecord& m, const std::string& text) {
    ChannelRecord* ch = m.channel;
    if (!ch) return {};
    m.replyPending = 1;
    SendCommand(*ch, text);
    WaitWhilePending(m.replyPending, 30, 5);
    return m.replyPending ? std::string() : m.replyText;
}

void CKelvanorCtrl::WriteOutputWord(ModuleRecord& m, int word, std::uint32_t value) {
    if (!m.channel) return;
    const auto w = static_cast<std::size_t>(word);
    std::uint32_t v = value & 0xFFFF;
    if (writing_[m.number][w]) {
        // A write of this word waits for its echo further up the stack: it
        // sends this value when it is done, so the last value asked wins.
        latestWanted_[m.number][w] = v;
        return;
    }
    if (v == m.outputWords[w]) return;
    writing_[m.number][w] = true;
    latestWanted_[m.number][w] = -1;
    for (;;) {
        SendWord(m, word, v);
        const std::int64_t next = latestWanted_[m.number][w];
        latestWanted_[m.number][w] = -1;
        if (next < 0 || !m.channel || abandoned_) break;
        v = static_cast<std::uint32_t>(next);
        if (v == m.outputWords[w]) break;
    }
    writing_[m.number][w] = false;
}

void CKelvanorCtrl::SendWord(ModuleRecord& m, int word, std::uint32_t v) {
    const auto w = static_cast<std::size_t>(word);
    const std::string line = WireFormat("MAW%d.%1d=%04X", m.number, 2 * word, v);
    m.outputWrite[w] = 1;
    for (int send = 0; send < 3; ++send) {
        if (!m.outputWrite[w] || abandoned_) break;
        ChannelRecord* ch = m.channel;
        if (!ch || ch->state == kChannelClosed) break;  // closed in a nested call
        SendCommand(*ch, line);
        if (m.type == kTypeBasil) m.outputWrite[w] = 0;  // a Basil sends no echo
        WaitWhilePending(m.outputWrite[w], 30, 1);
        if (send < 2) WaitWhilePending(m.outputWrite[w], 7, 10);
    }
    if (!m.channel) return;  // the module went with its channel
    if (!m.outputWrite[w]) m.outputWords[w] = v;
    else m.outputWrite[w] = 0;  // no echo: the same value is sent again next time
}

void CKelvanorCtrl::RequestModuleInputs(std::uint32_t number, ChannelRecord& ch) {
    if (!validModule(static_cast<int>(number))) return;
    const ModuleRecord& m = modules_[number];
    ch.state = kChannelInitialising;
    SendCommand(ch, WireFormat((m.type & kTypeCedarFlag) ? "DEW%d.0" : "DEW%d.8", static_cast<int>(number)));
    for (int i = 0; i < 40 && ch.state != kChannelReady && ch.state != kChannelClosed && !abandoned_; ++i) Wait(10);
}

}  // namespace kelvanor
