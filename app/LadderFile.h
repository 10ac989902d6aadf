#pragma once
// The ladder file on disk: writing the tables to a .vpp file and reading
// one back into the tables, the cell captions and the network peer.

#include <QString>

namespace tamberlo {

// Writes the ladder and WinsockHost's host and port to `path`. The bytes go
// to a temporary file in the same folder that then replaces `path`, so a
// failed write leaves the old file as it was. False when writing failed.
bool SchrijfLadderOpDisk(const QString& path);

// Reads `path` into a temporary ladder first. When the whole file is sound,
// clears the ladder, fills the tables, captions every record read and takes
// over the peer's host and port; the caption gets the path. Otherwise shows
// one message naming the line, leaves the loaded ladder untouched and
// returns false.
bool LeesLadderVanDisk(const QString& path);

}  // namespace tamberlo
