#pragma once
// The one way every file the program and the Kelvanor control read is read:
// a regular file only, and no more of it than its caller names. Anything
// else is not opened, or not read, and is reported with its reason: a FIFO
// would make the open wait for a writer (for good if none comes), a device
// may act when opened or never end, and a folder holds no bytes. A missing
// file is told apart from one that cannot be read and one that is too large,
// so that a caller may create the first and must keep the others as they are.

#include <QByteArray>
#include <QString>

namespace tamberlo {

enum class ReadFault {
    None,        // read whole
    Missing,     // nothing by that name (ENOENT)
    NotAFile,    // a FIFO, a device or a socket: not opened
    TooLarge,    // more bytes than the caller's limit (EFBIG)
    Unreadable,  // the system refused: the reason is in `error` (EACCES, EISDIR for a folder, ELOOP, EIO, ...)
};

struct FileRead {
    QByteArray bytes;  // empty unless read whole
    ReadFault fault = ReadFault::None;
    int error = 0;  // the system's error number (errno) of the fault; 0 for None and NotAFile
    bool ok() const { return fault == ReadFault::None; }
};

// Reads the regular file `path` whole when it holds at most `limit` bytes.
FileRead ReadRegularFile(const QString& path, qint64 limit);

// Looks at `path` as ReadRegularFile does and opens it, but reads nothing:
// no fault when it is a regular file the process may read. For a file handed
// by name to a reader of its own (a player), which would wait on a FIFO or
// never end on a device.
FileRead LookAtRegularFile(const QString& path);

}  // namespace tamberlo
