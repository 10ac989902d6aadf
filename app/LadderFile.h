#pragma once
// The ladder file on disk: writing the tables to a .vpp file and reading
// one back into the tables, the cell captions and the network peer.

#include <QString>
#include <QStringList>

namespace tamberlo {

// Writes the ladder and WinsockHost's host and port to `path`. The bytes go
// to a temporary file in the same folder that then replaces `path`, so a
// failed write leaves the old file as it was; a symbolic link stays and its
// target is written (FileReplacement.h). False when writing failed, with
// the system's error number in `error` (when given); after a write the
// ladder counts as saved (UnsavedLadder.h).
bool SchrijfLadderOpDisk(const QString& path, int* error = nullptr);

// One line per name that the file would not give back as it is (a sound
// row's folder or file, or the peer's host, holding a character the file's
// code page lacks or a line end), in the user's language; empty when the
// file holds every name.
QStringList NamesTheFileCannotHold();

// Reads `path` into a temporary ladder first. When the whole file is sound,
// clears the ladder, fills the tables, captions every record read and takes
// over the peer's host (as TakePeerAddress does: one the settings file would
// not keep is refused with its message) and port; the caption gets the path,
// and the ladder counts as saved. Otherwise shows one message naming the line
// or the reason, leaves the loaded ladder untouched and returns false.
bool LeesLadderVanDisk(const QString& path);

}  // namespace tamberlo
