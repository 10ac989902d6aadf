#pragma once
// The settings window's network peer panels: typing another address or port
// for the next connection, and keeping it in Tamberlo.ini.

#include <QString>

#include <optional>

#include "SharedState.h"

namespace tamberlo {

// A typed port as the panel takes it: the leading number of the text
// (blanks first are skipped; a text that starts with no digit gives 0),
// rounded to a whole number with a half going to the even neighbour.
// Empty text, or a number outside 0..65535, gives nothing: the default holds.
std::optional<Long> PortFromEntry(const QString& text);

// The clicks of PanelIPadres and PanelPoort, by Verbindingsstatus: connected
// shows whom to disconnect first, connecting does nothing, not connected asks.
// A typed address the settings file would not give back as typed (a
// character its code page lacks, a line end, a comma, a leading quote, blanks
// around it) is refused with a message; the address in use stays.
void PanelIPadres_Click();
void PanelPoort_Click();

}  // namespace tamberlo
