#pragma once
// The settings window's Arduino buttons: the running light over the eight
// outputs and the sketch's version. Both do nothing while the port is closed,
// and a second click while one of them waits is ignored.

#include <QString>

#include <functional>

class QPushButton;

namespace tamberlo {

// Sends the sixteen output commands of the running light through `send`:
// 1, 3, 7 .. 255 at least 5 ms apart, then 127, 63 .. 0 at least 50 ms apart,
// each gap counted from just before a send, handling events meanwhile. The
// gaps are counted on `nowNs` when given (a test hands its own clock, to see
// each gap from where the light starts it), else on a clock of its own.
void RunningLight(const std::function<void(const QString&)>& send, const std::function<qint64()>& nowNs = {});

// CMD_Flits: the running light on iCP_MS_Comm.
void CMD_Flits_Click();

// CMDArduinoInoVersie: asks the sketch for its version ("99/") and, after
// 2 s, shows everything it answered as the button's caption. The link's
// input poll and its receive handler are held meanwhile, so no poll reply
// mixes into the version; the window keeps painting.
void CMDArduinoInoVersie_Click(QPushButton& button);

}  // namespace tamberlo
