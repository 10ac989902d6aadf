#include "ArduinoLink.h"

#include <QTimer>

#include "ArduinoOutputs.h"
#include "ArduinoPort.h"
#include "ArduinoProtocol.h"
#include "Dialogs.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

constexpr int kMaxAnalog = 1023;  // the Nano's converter gives 10 bits
constexpr int kMaxBits = 255;

ArduinoReplyFramer& framer() {
    static ArduinoReplyFramer f;
    return f;
}

// Ends a reply that came without a line end once the line has gone quiet.
QTimer& pauseTimer() {
    static QTimer* t = [] {
        auto* timer = new QTimer;  // lives as long as the program
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, [] {
            const QString reply = framer().TakeAfterPause();
            if (!reply.isEmpty()) HandleArduinoReply(reply);
        });
        return timer;
    }();
    return *t;
}

// What the program wrote, read for the board's outputs.
ArduinoCommandFollower& written() {
    static ArduinoCommandFollower f;
    return f;
}

void setInput(int k, bool on) {
    if (k < 1 || k > 5) return;
    shared.IngangDigitaal[kGroupArduinoLocal][k] = on ? -1 : 0;
}

void portLost() {
    // The device vanished: the port is closed already. Show the lamps red and
    // say so once; the run goes on without the Arduino. The poll timer keeps
    // its state (its ticks send nothing while the port is closed), so a board
    // found again is polled as before.
    framer().Flush();
    pauseTimer().stop();
    ladderView.icp12FoundLamp = kLampRed;
    ladderView.changed();
    dialogs().MsgBox(ArduinoLostText(), MsgButtons::Ok);
}

}  // namespace

VbTimer& TimerSerialPort() {
    static VbTimer* t = new VbTimer(kArduinoPollMs, false);  // lives as long as the program
    return *t;
}

SerialPortControl& iCP_MS_Comm() {
    static SerialPortControl* port = [] {
        auto* p = new SerialPortControl;  // lives as long as the program
        p->OnComm = [] { iCP_MS_Comm_OnComm(); };
        p->OnLost = [] { portLost(); };
        // A Nano resets when its port opens, but a board behind another
        // bridge, a virtual port or a board with that reset disabled keeps its
        // outputs: they are unknown until the first command sets them.
        p->OnOpened = [] {
            written().Reset();
            ArduinoOutputReset(std::nullopt);
        };
        // Every "1/<n>/" that goes out, from the run or from anywhere else
        // (the running light, closing), is what the board shows now.
        p->OnWritten = [](const QString& text) {
            const std::vector<std::optional<int>> outputs = written().Feed(text);
            if (!outputs.empty()) ArduinoOutputReset(outputs.back());
        };
        TimerSerialPort().onTimer = [] { TimerSerialPort_Timer(); };
        return p;
    }();
    return *port;
}

bool ArduinoPortOpen() { return iCP_MS_Comm().PortOpen(); }

void ArduinoOutput(const QString& text) { iCP_MS_Comm().Output(text); }

int ArduinoOutBufferCount() { return iCP_MS_Comm().OutBufferCount(); }

void TimerSerialPort_Timer() {
    SerialPortControl& port = iCP_MS_Comm();
    // While the line holds back what was written, the sketch still has a poll
    // to answer: no more, or they would pile up in memory.
    if (!port.PortOpen() || port.HeldCount() > 0) return;
    const QString poll = ArduinoPollCommand(shared.ICP12Type);
    if (!poll.isEmpty()) port.Output(poll);
}

void iCP_MS_Comm_OnComm() {
    SerialPortControl& port = iCP_MS_Comm();
    if (!port.PortOpen() || port.InBufferCount() == 0) return;
    const QStringList replies = framer().Feed(port.Input());
    for (const QString& reply : replies) HandleArduinoReply(reply);
    const int pauseMs = framer().PauseMs();
    if (pauseMs > 0) pauseTimer().start(pauseMs);
    else pauseTimer().stop();
}

void HandleArduinoReply(const QString& reply) {
    const ArduinoReply a = ReadArduinoReply(reply);
    switch (a.kind) {
    case ArduinoReply::Kind::Analog:
        if (a.value > kMaxAnalog) return;
        setInput(a.channel + 1, a.value > 512);
        break;
    case ArduinoReply::Kind::Digital:
        if (a.value > kMaxBits) return;
        for (int i = 0; i < 5; ++i) setInput(i + 1, (a.value >> i) & 1);
        break;
    case ArduinoReply::Kind::Identity:
        ladderView.icp12FoundLamp = kLampGreen;
        ladderView.changed();
        shared.ICP12Type = a.identity;
        // A board found again (after it was lost) is polled at once.
        if (TimerSerialPort().Enabled()) TimerSerialPort_Timer();
        break;
    case ArduinoReply::Kind::Unknown: break;
    }
}

QString ArduinoLostText() { return T("De verbinding met de Arduino is verbroken.", "The connection with the Arduino was lost."); }

void ResetArduinoLink() {
    framer().Reset();
    pauseTimer().stop();
}

}  // namespace tamberlo
