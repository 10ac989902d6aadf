#include "ArduinoTools.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

#include "ArduinoLink.h"
#include "ArduinoProtocol.h"
#include "ReentryGuard.h"
#include "Yielding.h"

namespace tamberlo {

namespace {

// The two buttons yield while they talk to the board: a click inside is refused.
bool busy = false;

// Handles events until `seconds` have passed since `startNs` on `nowNs`.
// WaitSeconds counts whole milliseconds, so it is asked again for the rest.
void waitSince(const std::function<qint64()>& nowNs, qint64 startNs, double seconds) {
    for (;;) {
        const double left = seconds - double(nowNs() - startNs) / 1e9;
        if (left <= 0 || AppEnding()) return;
        WaitSeconds(std::max(left, 0.001));
    }
}

}  // namespace

void RunningLight(const std::function<void(const QString&)>& send, const std::function<qint64()>& nowNs) {
    QElapsedTimer clock;
    clock.start();
    const std::function<qint64()> now = nowNs ? nowNs : [&clock] { return clock.nsecsElapsed(); };
    int n = 0;
    for (int bit = 0; bit <= 7 && !AppEnding(); ++bit) {
        const qint64 t = now();
        n += 1 << bit;
        send(ArduinoOutputCommand(n));
        waitSince(now, t, 0.005);
    }
    for (int bit = 7; bit >= 0 && !AppEnding(); --bit) {
        const qint64 t = now();
        n -= 1 << bit;
        send(ArduinoOutputCommand(n));
        waitSince(now, t, 0.05);
    }
}

void CMD_Flits_Click() {
    if (!iCP_MS_Comm().PortOpen()) return;
    ReentryGuard guard(busy);
    if (!guard.entered()) return;
    // The port may close while we wait; a write to a closed port does nothing.
    RunningLight([](const QString& command) { iCP_MS_Comm().Output(command); });
}

void CMDArduinoInoVersie_Click(QPushButton& shown) {
    const QPointer<QPushButton> button(&shown);
    SerialPortControl& port = iCP_MS_Comm();
    if (!port.PortOpen()) return;
    ReentryGuard guard(busy);
    if (!guard.entered()) return;

    // Hold the poll, and let the link take the answer of a poll already sent
    // (one without a line end is taken only after the quiet pause).
    VbTimer& poll = TimerSerialPort();
    const bool polling = poll.Enabled();
    poll.SetEnabled(false);
    WaitSeconds(kArduinoLastReplyMs / 1000.0);

    // From here on every byte that arrives is the sketch's answer.
    QString answer;
    const std::function<void()> linkHandler = port.OnComm;
    port.OnComm = [&port, &answer] { answer += port.Input(); };
    if (port.InBufferCount() > 0) port.Input();  // thrown away
    ResetArduinoLink();
    port.Output(kArduinoVersion);
    WaitSeconds(2.0);
    if (port.PortOpen() && port.InBufferCount() > 0) answer += port.Input();
    port.OnComm = linkHandler;
    poll.SetEnabled(polling);
    if (button) button->setText(answer);
}

}  // namespace tamberlo
