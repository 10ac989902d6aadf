// The module channel protocol: sending commands, building lines from the
// received bytes, the reply parser with the initialisation chain, and the
// requests that wait for an answer.

#include <cstring>

#include "ControlMessages.h"
#include "KelvanorCtrl.h"
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
        if (ch.lineLength == 4 && (first == '2' || first == '4' || first == '6' || first == '8')) {
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
    char buf[128] = {};
    const std::size_t len = std::min<std::size_t>(length, sizeof buf - 1);
    std::memcpy(buf, line, len);
    const bool ownLine = line == ch.line.data();
    auto emptyLine = [&] {
        if (ownLine) {
            ch.lineLength = 0;
            ch.line[0] = 0;
        }
    };
    const char first = buf[0];

    if (first == '2' || first == '4' || first == '6' || first == '8') {
        if (len < 4) return;  // a CR inside the value bytes: the frame goes on
        emptyLine();
        if (len > 4) return;
        const std::uint32_t word = static_cast<std::uint32_t>(first - '0') / 2;
        const std::uint32_t module = ch.majorVersion != 0 ? ch.moduleNumber : 1;
        const std::uint32_t value =
            static_cast<std::uint32_t>(static_cast<unsigned char>(buf[1])) * 256 + static_cast<unsigned char>(buf[2]);
        TraceRxBytes(QStringLiteral("RX COM"), ch.key, word, value);
        StoreInputWord(value, word, module);
        return;
    }
    emptyLine();

    const std::size_t textLength = len > 0 && buf[len - 1] == '\r' ? len - 1 : len;
    const QString text = latin1(buf, textLength);
    if (first < '2' || first > '8') {
        switch (ch.portKind & 0x0F) {
        case 1: TracePortLine(QStringLiteral("RX COM"), ch.key, text); break;
        case 2: TraceText(QStringLiteral("RX USB Loc%1").arg(usbLocation(ch.key)), text); break;
        default: TraceText(QStringLiteral("RX ???"), text); break;
        }
    }
    if (len == 1) {
        if (validModule(static_cast<int>(ch.moduleNumber))) {
            ModuleRecord& m = modules_[ch.moduleNumber];
            m.replyText.clear();
            m.replyPending = 0;
        }
        return;
    }

    int moduleNumber = static_cast<int>(ch.moduleNumber);
    bool taken = false;
    char rest[128];
    int n = 0, w = 0, c = 0, on = 0, mask = 0;
    unsigned value = 0;
    float gain = 0;
    const char* p = buf + 1;
    const std::uint32_t state = ch.state;

    switch (first) {
    case 's':
        if (WireScan(p, "etup%1d\r%127s", &n, rest) == 1) {
            taken = true;
            moduleNumber = n;
            if (state == kChannelOpening && validModule(n)) {
                ch.moduleNumber = static_cast<std::uint32_t>(n);
                SendCommand(ch, "DV");
            } else if (state == kChannelClosing) {
                ch.state = kChannelClosed;
            }
        }
        break;
    case 'V': {
        int major = 0, minor = 0;
        if (WireScan(p, "=%1d.%2d\r%127s", &major, &minor, rest) == 2) {
            taken = true;
            if (state == kChannelOpening && validModule(static_cast<int>(ch.moduleNumber))) {
                ch.majorVersion = static_cast<std::uint32_t>(major);
                ch.minorVersion = static_cast<std::uint32_t>(minor);
                ModuleRecord& m = modules_[ch.moduleNumber];
                ch.state = kChannelReady;
                if (!m.present) {
                    m.type = major == 1 ? kTypeCedar : kTypeDelta;
                    m.channel = &ch;
                    m.majorVersion = static_cast<std::uint32_t>(major);
                    m.minorVersion = static_cast<std::uint32_t>(minor);
                    m.present = 1;
                } else {
                    showDuplicate(ch.moduleNumber);
                }
            }
        }
        break;
    }
    case 'D':
        if (buf[1] == 'V' && len == 3 && state == kChannelOpening) {
            // An older module echoes "DV": modules 1 to n share this channel.
            ch.majorVersion = 0;
            ch.minorVersion = 0;
            ch.state = kChannelReady;
            taken = true;
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
        } else if (buf[1] == 'E' && state == kChannelInitialising && WireScan(buf + 2, "W%1d.8\r%127s", &n, rest) == 1) {
            // The module echoed the request for word 4: it has no analog words.
            taken = true;
            if (validModule(n)) {
                modules_[static_cast<std::size_t>(n)].type = kTypeAtlas;
                SendCommand(ch, WireFormat("DEW%d.0", n));
            }
        }
        break;
    case 'E':
        if (WireScan(p, "W%1d.%1d=%4X\r%127s", &n, &w, &value, rest) == 3 && validModule(n)) {
            taken = true;
            StoreInputWord(value, static_cast<std::uint32_t>(w / 2), static_cast<std::uint32_t>(n));
            if (state == kChannelInitialising && ch.state == kChannelInitialising) {
                ModuleRecord& m = modules_[static_cast<std::size_t>(n)];
                if (w < 2) {
                    SendCommand(ch, WireFormat((m.type & kTypeHasAnalogWords) ? "DAW%d.4" : "DAW%d.0", n));
                } else {
                    m.type |= kTypeHasAnalogWords;
                    SendCommand(ch, WireFormat("DEW%d.%d", n, w - 2));
                }
            }
        }
        break;
    case '#':
        if (WireScan(p, "H%1d%1d%4X\r%127s", &n, &w, &value, rest) == 3 && validModule(n)) {
            taken = true;
            StoreInputWord(value, static_cast<std::uint32_t>(w / 2), static_cast<std::uint32_t>(n));
        }
        break;
    case 'e':
        if (WireScan(p, "%1d%1d%4X\r%127s", &n, &w, &value, rest) == 3 && validModule(n)) {
            taken = true;
            StoreInputWord(value, static_cast<std::uint32_t>(w / 2), static_cast<std::uint32_t>(n));
        }
        break;
    case 'A':
        if (WireScan(p, "W%1d.%1d=%4X\r%127s", &n, &w, &value, rest) == 3 && validModule(n) && w / 2 < kOutputWords) {
            taken = true;
            ModuleRecord& m = modules_[static_cast<std::size_t>(n)];
            m.outputWords[static_cast<std::size_t>(w / 2)] = value;
            m.outputWrite[static_cast<std::size_t>(w / 2)] = 0;
            if (state == kChannelInitialising) {
                if (w < 2)
                    SendCommand(ch, WireFormat("MT%d=01", n));
                else
                    SendCommand(ch, WireFormat("DAW%d.%d", n, w - 2));
            }
        }
        break;
    case 'T':
        if (WireScan(p, "%1d=%X\r%127s", &n, &value, rest) == 2) {
            taken = true;
            if (state == kChannelInitialising) {
                const int owner = validModule(n) ? n : static_cast<int>(ch.moduleNumber);
                if (validModule(owner) && (modules_[static_cast<std::size_t>(owner)].type & kTypeHasAnalogWords))
                    SendCommand(ch, WireFormat("MM%d=20", owner));
                else
                    ch.state = kChannelReady;
            }
        }
        break;
    case 'M':
        if (WireScan(p, "E=%1d\r%127s", &n, rest) == 1) {
            taken = true;
            if (state == kChannelInitialising) ch.state = kChannelReady;
        } else if (WireScan(p, "%1d=%2X\r%127s", &n, &value, rest) == 2) {
            taken = true;
            if (state == kChannelInitialising) SendCommand(ch, WireFormat("MS%d=00", n));
        }
        break;
    case 'S':
        if (WireScan(p, "%1d=%2X\r%127s", &n, &value, rest) == 2) {
            taken = true;
            mask = static_cast<int>(value);
            if (validModule(n)) {
                ModuleRecord& m = modules_[static_cast<std::size_t>(n)];
                for (int i = 1; i <= 4; ++i) m.autoSend[static_cast<std::size_t>(i)] = (mask >> (i - 1)) & 1;
            }
            if (state == kChannelInitialising)
                SendCommand(ch, "MME=4");
            else
                ch.state = kChannelReady;
        }
        break;
    case 'C':
        if (WireScan(p, "%1d.%1d=%1d\r%127s", &n, &c, &on, rest) == 3 && c < 2 && on < 2 && len == 7) {
            taken = true;
        } else if (WireScan(p, "%1d.%1d=%4X\r%127s", &n, &c, &value, rest) == 3 && c >= 0 && c <= 1 && len == 10) {
            taken = true;
            if (validModule(n)) {
                ModuleRecord& m = modules_[static_cast<std::size_t>(n)];
                m.counters[static_cast<std::size_t>(c)] = value;
                m.counterRequest[static_cast<std::size_t>(c)] = 0;
            }
        }
        break;
    case 'B':
        taken = WireScan(p, "%1d=%1d\r%127s", &n, &on, rest) == 2;
        break;
    case 'F':
        taken = WireScan(p, "%1d=%2X\r%127s", &n, &value, rest) == 2;
        break;
    case 'G':
        taken = WireScan(p, "%1d.%9d=%f\r%127s", &n, &c, &gain, rest) == 3;
        break;
    case 'U':
        taken = WireScan(p, "%1d.%2X=%2X\r%127s", &n, &value, &mask, rest) == 3;
        break;
    case 'R':
        taken = WireScan(p, "A%1d=%9d\r%127s", &n, &c, rest) == 2 || WireScan(p, "E%1d=%9d\r%127s", &n, &c, rest) == 2;
        break;
    default:
        break;
    }
    if (taken && validModule(moduleNumber)) {
        ModuleRecord& m = modules_[static_cast<std::size_t>(moduleNumber)];
        m.replyText.assign(buf, textLength);
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
        if (word == 0)
            RaiseInputWordChanged(static_cast<std::int16_t>(module), 0, static_cast<std::int32_t>(v));
        else
            PostInputWordChanged(module * 256 + word, v);
    }
    m.inputRequest[word] = 0;
}

template <class Flag>
std::uint32_t CKelvanorCtrl::AskModule(ModuleRecord& m, const std::string& command, Flag& pending,
                                       const std::uint32_t& answer) {
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
        if (send < 2)
            WaitWhilePending(m.outputWrite[w], 7, 10);
    }
    if (!m.channel) return;  // the module went with its channel
    if (!m.outputWrite[w])
        m.outputWords[w] = v;
    else
        m.outputWrite[w] = 0;  // no echo: the same value is sent again next time
}

void CKelvanorCtrl::RequestModuleInputs(std::uint32_t number, ChannelRecord& ch) {
    if (!validModule(static_cast<int>(number))) return;
    const ModuleRecord& m = modules_[number];
    ch.state = kChannelInitialising;
    SendCommand(ch, WireFormat((m.type & kTypeCedarFlag) ? "DEW%d.0" : "DEW%d.8", static_cast<int>(number)));
    for (int i = 0; i < 40 && ch.state != kChannelReady && ch.state != kChannelClosed && !abandoned_; ++i) Wait(10);
}

}  // namespace kelvanor
