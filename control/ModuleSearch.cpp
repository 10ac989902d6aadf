// Module search and channels: Connect, Disconnect, OpenSerial, CloseSerial,
// the channel handshake and the opening of each transport.

#include "CommunicationPort.h"
#include "KelvanorCtrl.h"
#include "PortList.h"
#include "ReentryGuard.h"
#include "SerialPort.h"
#include "Trace.h"
#include "UsbBridges.h"
#include "WireFormat.h"

namespace kelvanor {
namespace {

QString location(const ChannelRecord* ch) {
    if (!ch) return QStringLiteral("???");
    switch (ch->portKind & 0x0F) {
    case 1: return QStringLiteral("COM %1").arg(ch->key);
    case 2: return QStringLiteral("USB Loc%1").arg(QString::number(ch->key, 16).toUpper());
    default: return QStringLiteral("???");
    }
}

}  // namespace

std::int16_t CKelvanorCtrl::Connect() {
    tamberlo::ReentryGuard guard(searching_);
    if (!guard.entered()) return 0;
    DisconnectAll();
    UsbBridges& usb = usbBridges();
    if (settings.UseUSB) {
        const int ftdi = usb.ListFtdiDevices();
        TraceValue(QStringLiteral("USB#1 devices"), static_cast<std::uint32_t>(ftdi < 0 ? 0 : ftdi));
        for (int i = 0; i < ftdi && channelCount_ <= 7 && !abandoned_; ++i)
            if (OpenFtdiChannel(channels_[static_cast<std::size_t>(channelCount_)], i)) ++channelCount_;
        std::uint32_t count = 0;
        const int status = usb.SiLabsDeviceCount(count);
        if (status == 0) siLabsCount_ = static_cast<int>(count);
        else if (status == 6) siLabsCount_ = -1;
        else if (status == 0xFF) siLabsCount_ = 0;
        TraceValue(QStringLiteral("USB#2 devices"), static_cast<std::uint32_t>(siLabsCount_ < 0 ? 0 : siLabsCount_));
        for (int i = 0; i < siLabsCount_ && channelCount_ <= 7 && !abandoned_; ++i)
            if (OpenSiLabsChannel(channels_[static_cast<std::size_t>(channelCount_)], i)) ++channelCount_;
    }
    BuildComSearchTable(settings.SearchCOM, settings.ExcludeCOM, settings.UseSerial);
    int start = 1;
    while (channelCount_ < 8 && start <= kComSearchPorts && !abandoned_) {
        const int n = OpenSerialChannel(start, kComSearchPorts, channels_[static_cast<std::size_t>(channelCount_)]);
        if (n == 0) break;
        ++channelCount_;
        start = n + 1;
    }

    std::int16_t result = 0;
    for (int i = 1; i <= 8; ++i) {
        ModuleRecord& m = modules_[static_cast<std::size_t>(i)];
        if (!m.present) continue;
        TraceValue(QStringLiteral("Initialize module"), static_cast<std::uint32_t>(i));
        InitialiseModule(i);
        if (m.type != 0) result = static_cast<std::int16_t>(result | (1 << (i - 1)));
        const QString at = location(m.channel);
        const QString line = QStringLiteral("Module %1 V%2.%3 at %4").arg(i).arg(m.majorVersion).arg(m.minorVersion).arg(at);
        switch (m.type) {
        case kTypeAtlas: TraceLine(QStringLiteral("Kelvanor Atlas:\t") + line); break;
        case kTypeBasil: TraceLine(QStringLiteral("Kelvanor Basil:\t") + line); break;
        case kTypeDelta: TraceLine(QStringLiteral("Delta:\t") + line); break;
        case kTypeCedar: TraceLine(QStringLiteral("Kelvanor Cedar:\t") + line); break;
        default: TraceLine(QString()); break;
        }
        TraceLine(QString());
    }
    if (result != 0) {
        for (int i = 1; i <= 8; ++i)
            if (result & (1 << (i - 1))) {
                currentModule_ = static_cast<std::int16_t>(i);
                break;
            }
    }
    return result;
}

void CKelvanorCtrl::InitialiseModule(int number) {
    ModuleRecord& m = modules_[static_cast<std::size_t>(number)];
    ChannelRecord* ch = m.channel;
    if (!ch || ch->state == kChannelClosed) return;
    RequestModuleInputs(static_cast<std::uint32_t>(number), *ch);
}

void CKelvanorCtrl::Disconnect() {
    tamberlo::ReentryGuard guard(searching_);
    if (!guard.entered()) return;
    DisconnectAll();
}

void CKelvanorCtrl::DisconnectAll() {
    if (channelCount_ == 0) return;
    for (int c = channelCount_ - 1; c >= 0; --c) CloseChannel(channels_[static_cast<std::size_t>(c)]);
    channelCount_ = 0;
    usbBridges().FreeFtdiDevices();
}

void CKelvanorCtrl::CloseChannel(ChannelRecord& ch) {
    if (ch.state == kChannelClosed) {
        if (ch.port) ch.port->Close();
        ch.port.reset();
        return;
    }
    if (ch.state == kChannelReady) {
        ch.state = kChannelClosing;
        ch.ClearInput();
        Wait(50);
        ch.ClearInput();
        SendCommand(ch, "setup0");
        for (int i = 0; i < 40 && ch.state != kChannelClosed && !abandoned_; ++i) Wait(10);
    }
    ch.state = kChannelClosed;
    if (ch.port) ch.port->Close();
    ch.port.reset();
    ch.ClearInput();
    for (ModuleRecord& m : modules_)
        if (m.channel == &ch) m.Reset();
    ch.portKind = kPortNone;
    ch.key = 0;
    ch.moduleNumber = 0;
    ch.majorVersion = 0;
    ch.minorVersion = 0;
}

std::int16_t CKelvanorCtrl::OpenSerial(std::int16_t portNo) {
    tamberlo::ReentryGuard guard(searching_);
    if (!guard.entered()) return 2;
    DisconnectAll();
    BuildComSearchTable(settings.SearchCOM, settings.ExcludeCOM, settings.UseSerial);
    ChannelRecord& ch = channels_[0];
    int n = 0;
    if (portNo > 0 && portNo <= kComSearchPorts) n = OpenSerialChannel(portNo, portNo, ch);
    if (n == 0) n = OpenSerialChannel(1, kComSearchPorts, ch);
    if (n == 0) {
        DisconnectAll();
        CloseChannel(ch);
        return 2;
    }
    ++channelCount_;
    for (int i = 1; i <= 8; ++i) {
        ModuleRecord& m = modules_[static_cast<std::size_t>(i)];
        if (!m.present) continue;
        currentModule_ = static_cast<std::int16_t>(i);
        TraceValue(QStringLiteral("Initialize module"), static_cast<std::uint32_t>(i));
        if (m.channel) RequestModuleInputs(static_cast<std::uint32_t>(i), *m.channel);
        const std::uint32_t key = m.channel ? m.channel->key : 0;
        switch (m.type) {
        case kTypeAtlas: TraceLine(QStringLiteral("Atlas - Module %1 at COM %2\n").arg(i).arg(key)); break;
        case kTypeBasil: TraceLine(QStringLiteral("Basil - Module %1 at COM %2\n").arg(i).arg(key)); break;
        case kTypeDelta: TraceLine(QStringLiteral("USB - Module %1 at COM %2\n").arg(i).arg(key)); break;
        default: TraceLine(QString()); break;
        }
        break;  // only the first module is initialised
    }
    return 0;
}

bool CKelvanorCtrl::TestComPort(int n) {
    if (!settings.UseSerial || n < 1 || n > kComSearchPorts || !ComSearchTable()[static_cast<std::size_t>(n)]) return false;
    TraceValue(QStringLiteral("Testing COM"), static_cast<std::uint32_t>(n));
    return CSerialPort::IsSerialDevice(n);
}

int CKelvanorCtrl::OpenSerialChannel(int first, int last, ChannelRecord& ch) {
    if (ch.state != kChannelClosed) return 0;
    for (int n = first; n <= last && !abandoned_; ++n) {
        if (!TestComPort(n)) continue;
        TraceValue(QStringLiteral("Opening COM"), static_cast<std::uint32_t>(n));
        for (const std::uint32_t baud : {115200u, 19200u}) {
            auto port = std::make_unique<CSerialPort>();
            int result = kErrorGeneralFailure;
            for (int attempt = 0; attempt < 40 && !abandoned_; ++attempt) {
                result = port->Open(this, static_cast<std::uint32_t>(n), baud);
                if (result != kErrorAccessDenied) break;
                Wait(10);
            }
            if (result != 0) continue;  // the port object goes
            ch.port = std::move(port);
            if (Handshake(ch, kPortSerial, static_cast<std::uint32_t>(n), 25)) return n;
        }
    }
    return 0;
}

bool CKelvanorCtrl::OpenFtdiChannel(ChannelRecord& ch, int index) {
    if (ch.state != kChannelClosed) return false;
    if (ch.port) ch.port->Close();
    ch.port.reset();
    UsbBridges& usb = usbBridges();
    const std::uint32_t location = usb.FtdiLocationId(index);
    for (std::uint32_t attempt = 0; attempt < 2 && !abandoned_; ++attempt) {
        std::unique_ptr<CCommunicationPort> port = usb.NewFtdiPort();
        if (!port) return false;
        TraceText(QStringLiteral("Opening USB"), QStringLiteral("Loc%1").arg(QString::number(location, 16).toUpper()));
        if (port->Open(this, static_cast<std::uint32_t>(index), attempt)) {
            TraceLine(QStringLiteral("OK"));
            ch.port = std::move(port);
            if (Handshake(ch, kPortFtdi, location, 200)) return true;
        } else {
            TraceLine(QStringLiteral("failed"));
        }
    }
    return false;
}

bool CKelvanorCtrl::OpenSiLabsChannel(ChannelRecord& ch, int index) {
    if (ch.state != kChannelClosed) return false;
    if (ch.port) ch.port->Close();
    ch.port.reset();
    std::unique_ptr<CCommunicationPort> port = usbBridges().NewSiLabsPort();
    if (!port) return false;
    if (!port->Open(this, static_cast<std::uint32_t>(index), 0)) {
        TraceLine(QStringLiteral("failed"));
        return false;
    }
    TraceLine(QStringLiteral("OK"));
    ch.port = std::move(port);
    return Handshake(ch, kPortSiLabs, static_cast<std::uint32_t>(index), 200);
}

bool CKelvanorCtrl::Handshake(ChannelRecord& ch, std::uint32_t kind, std::uint32_t key, int waits) {
    ch.state = kChannelOpening;
    ch.portKind = kind;
    ch.key = key;
    ch.ClearInput();
    SendCommand(ch, "");
    Wait(50);
    ch.ClearInput();
    SendCommand(ch, "setup0");
    for (int i = 0; i < waits && ch.state != kChannelReady && ch.state != kChannelClosed && !abandoned_; ++i) Wait(10);
    if (ch.state == kChannelReady) {
        TraceLine(QStringLiteral("CHANNEL_READY"));
        TraceLine(QString());
        return true;
    }
    CloseChannel(ch);
    return false;
}

}  // namespace kelvanor
