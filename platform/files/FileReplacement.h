#pragma once
// A file written whole before it takes another's place: the one way every
// file the program and the Kelvanor control write is replaced. The bytes go
// to a new temporary file beside the file replaced, are stored (flushed and
// synced, every write checked), and only then renamed over it, so a failed or
// interrupted write (a full disk, a file-size limit) leaves the old file byte
// for byte as it was and no temporary file behind.
// A symbolic link is followed to the file it names (to the end of a chain of
// links): the link stays a link and its target gets the new content; a chain
// that does not end (a loop) is refused (ELOOP), its links kept. The
// temporary file for an existing file is created readable by its owner only
// and gets the target's mode, owner and group at the rename (owner and group
// where the process may give them: as root, over another user's file), so
// new content is never more open than the old and stays its owner's; a new
// file is made as any other (0666 less the umask). A file the user may not
// write is not replaced, with the system's reason (EACCES, or EROFS on a
// read-only file system). The temporary name stays within the system's limit
// for a name, however long the target's name is.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <limits>

namespace tamberlo {

class FileReplacement {
public:
    // Creates the temporary file beside the file `path` leads to. Content
    // past `limit` bytes is refused (EFBIG): a writer passes the limit its
    // own reader keeps to, so that it never writes a file it would refuse
    // to read.
    explicit FileReplacement(const QString& path, qint64 limit = std::numeric_limits<qint64>::max());
    // Discards the temporary file unless it took the target's place.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False when no temporary file could be made (the folder takes no new
    // file, the target is write-protected or a loop of links), or once a
    // write failed.
    bool Ok() const { return !temp_.isEmpty(); }
    // Where a writer that needs a path (a printer) writes the new content;
    // empty when not Ok().
    const QString& TempPath() const { return temp_; }

    // Adds `bytes` to the new content, unbuffered, checking every write.
    // False when the system refused any of it; the temporary file is gone.
    // Content past the limit given at the creation, or past the process's
    // file-size limit, is refused (EFBIG) before it is written, so that the
    // latter's signal cannot end a host that keeps its default action.
    bool Write(QByteArrayView bytes);
    // Puts the temporary file in the target's place once the system has
    // stored it. False otherwise, and the temporary file is gone.
    bool Commit();
    // Removes the temporary file now (the target stays as it was).
    void Discard();

    // The system's error number (errno) of the first step that failed; 0
    // while none has.
    int Error() const { return error_; }

private:
    QString target_;
    QString temp_;
    int fd_ = -1;  // the temporary file, open from its creation until it is stored
    qint64 limit_;
    qint64 written_ = 0;
    int error_ = 0;
};

// Replaces the file at `path` with `bytes` through a FileReplacement that
// takes at most `limit` bytes (the limit of the file's reader). 0 when it
// took the file's place, else the error number of the step that failed.
int ReplaceFile(const QString& path, QByteArrayView bytes, qint64 limit);

// The temporary file's path for the file at `target`: "<folder>/<name><suffix>",
// the name shortened where the suffix would take it past the longest name
// the system takes, cut at a character's start so that it stays readable.
QByteArray TemporaryNameBeside(const QByteArray& target, const QByteArray& suffix);

}  // namespace tamberlo
