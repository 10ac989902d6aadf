#pragma once
// The settings file Tamberlo.ini beside the program: seven lines with the
// language and the network peer's address and port.

#include <QByteArray>
#include <QString>

#include "FileReading.h"
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

// Why the settings file was not written: a file there that cannot be read
// (`fault`, never replaced), or the system's error number of the write.
struct SettingsWriteFailure {
    ReadFault fault = ReadFault::None;
    int error = 0;
};

// Replaces the settings file with these values. False when it could not be
// written, and `why` (when given) says why; the old file is then left as it
// was. A file that is there but cannot be read (no regular file, no
// permission to read it, far too large) is never replaced. A host the file
// would not give back (SettingsFileKeepsAddress) is not written: the file
// keeps the address it holds.
bool WriteSettings(bool english, const QString& host, Long port, SettingsWriteFailure* why = nullptr);
// The same with the current language and WinsockHost's host and port, as the
// language command and the settings window save them.
bool WriteSettingsFromWinsock(SettingsWriteFailure* why = nullptr);

// Takes `host` as the peer's address (WinsockHost) when the settings file
// keeps it as it stands; every address that comes in, typed or read from a
// ladder file, passes here. Otherwise says which address stays in use, and
// returns false: the next start would reach another peer than this one.
bool TakePeerAddress(const QString& host);

// Reads the settings file into TaalVlag, NetwerkAdres and NetwerkPoort, or
// creates it with the defaults when it is missing. Read line by line: a
// missing or bad value gives its default. A file that cannot be created
// gives a message, and the defaults hold for this run. So does a file that
// cannot be read (only a regular file is read: a FIFO is not opened), with
// the reason; it stays as it is.
void LeesInstellingen();

// What a change holds for when the settings file cannot be written: the
// language, the address, the port for this session only.
QString TextLanguageForSession();
QString TextAddressForSession();
QString TextPortForSession();
// The message shown when the settings file cannot be written after a change
// (and when it cannot be created): the words for a file without write
// permission, else the file and the reason; then what the change holds for.
QString TextSettingsNotWritten(const QString& forSession, const SettingsWriteFailure& why);
// The message shown when the settings file cannot be read, with the reason.
QString TextCannotReadSettings(const QString& path, const QString& reason);

}  // namespace tamberlo
