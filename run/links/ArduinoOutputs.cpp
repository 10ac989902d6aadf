#include "ArduinoOutputs.h"

#include <QTimer>

#include "ArduinoPort.h"
#include "ArduinoProtocol.h"

namespace tamberlo {

namespace {

// One command takes about half a millisecond on a 115200-baud line.
constexpr int kRetryMs = 1;

std::optional<int> sent;     // the byte last handed to the port
std::optional<int> waiting;  // the newest byte, held while the port is busy

QTimer& retryTimer() {
    static QTimer* t = [] {
        auto* timer = new QTimer;  // lives as long as the program
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(kRetryMs);
        QObject::connect(timer, &QTimer::timeout, [] { ArduinoSendWaitingOutputs(); });
        return timer;
    }();
    return *t;
}

bool portOpen(const ArduinoPortHooks& port) { return port.PortOpen && port.Output && port.PortOpen(); }
bool portBusy(const ArduinoPortHooks& port) { return port.OutBufferCount && port.OutBufferCount() > 0; }

void send(const ArduinoPortHooks& port, int byte) {
    port.Output(ArduinoOutputCommand(byte));
    sent = byte;
}

}  // namespace

ArduinoPortHooks& arduinoPortHooks() {
    static ArduinoPortHooks hooks{ArduinoPortOpen, ArduinoOutput, ArduinoOutBufferCount};
    return hooks;
}

bool ArduinoSetOutputsAndRemember(int byte) {
    byte &= 0xFF;
    const ArduinoPortHooks& port = arduinoPortHooks();
    if (!portOpen(port)) return false;
    if (portBusy(port)) {
        // The port still sends `sent`: a byte equal to it needs no command.
        if (sent == byte) waiting.reset();
        else waiting = byte;
        if (waiting && !retryTimer().isActive()) retryTimer().start();
        return true;
    }
    // Back at what the board shows before the waiting byte went out: a
    // ladder that changes on every pass would otherwise repeat commands.
    const bool backToSent = waiting && sent == byte;
    waiting.reset();
    if (!backToSent) send(port, byte);
    return true;
}

void ArduinoSendWaitingOutputs() {
    if (!waiting) return;
    const ArduinoPortHooks& port = arduinoPortHooks();
    if (!portOpen(port)) {
        waiting.reset();  // a closed port gets nothing, later either
        return;
    }
    if (portBusy(port)) {
        retryTimer().start();
        return;
    }
    const int byte = *waiting;
    waiting.reset();
    send(port, byte);
}

std::optional<int> ArduinoOutputWritten() { return waiting ? waiting : sent; }

void ArduinoOutputReset(std::optional<int> byte) {
    sent = byte;
    waiting.reset();
    retryTimer().stop();
}

}  // namespace tamberlo
