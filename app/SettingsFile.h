#pragma once
// The settings file Tamberlo.ini beside the program: seven lines with the
// language and the network peer's address and port.

#include <QByteArray>
#include <QString>

#include "SharedState.h"

namespace tamberlo {

constexpr Long kDefaultPort = 120;
// The peer a fresh installation points at: an address on the local network.
QString DefaultNetworkAddress();

// AppPath() + "/Tamberlo.ini".
QString SettingsPath();

// The file's seven lines, each ended by CR LF.
QByteArray SettingsText(bool english, const QString& host, Long port);

// Whether the settings file gives `host` back as it stands: its text formatted
// and parsed again yields the same address (a comma would end the field, a
// leading quote or blanks around it would be read otherwise, a character the
// code page lacks would come back as '?').
bool SettingsFileKeepsAddress(const QString& host);

// Replaces the settings file with these values. False when it could not be
// written; the old file is then left as it was. A file that is there but
// cannot be read (no regular file, no permission to read it, far too large)
// is never replaced.
bool WriteSettings(bool english, const QString& host, Long port);
// The same with the current language and WinsockHost's host and port, as the
// language command and the settings window save them.
bool WriteSettingsFromWinsock();

// Reads the settings file into TaalVlag, NetwerkAdres and NetwerkPoort, or
// creates it with the defaults when it is missing. Read line by line: a
// missing or bad value gives its default. A file that cannot be created
// gives a message, and the defaults hold for this run. So does a file that
// cannot be read (only a regular file is read: a FIFO is not opened), with
// the reason; it stays as it is.
void LeesInstellingen();

// The message shown when the settings file cannot be written after a
// language change (also used for a port change and when it cannot be created).
QString TextNoWriteAccessLanguage();
// The message shown when the settings file cannot be read, with the reason.
QString TextCannotReadSettings(const QString& path, const QString& reason);
// The message shown when it cannot be written after an address change.
QString TextNoWriteAccessAddress();

}  // namespace tamberlo
