#pragma once
// A file written whole before it takes another's place. The bytes go to a new
// temporary file beside the file replaced, which is renamed over it only once
// the writer has finished, so a failed or interrupted write leaves the old
// file as it was. A symbolic link is followed to the file it names (to the
// end of a chain of links): the link stays a link and its target gets the new
// content. A file replaced keeps who may read it; one the user may not write
// is not replaced.

#include <QString>

namespace tamberlo {

class FileReplacement {
public:
    // Creates the temporary file beside the file `path` leads to.
    explicit FileReplacement(const QString& path);
    // Discards the temporary file unless it took the target's place.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False when no temporary file could be made (the folder takes no new
    // file, or the target is write-protected).
    bool Ok() const { return !temp_.isEmpty(); }
    // Where the writer writes the new content; empty when not Ok().
    const QString& TempPath() const { return temp_; }

    // Puts the temporary file in the target's place once the system has
    // stored it. False otherwise, and the temporary file is gone.
    bool Commit();
    // Removes the temporary file now (the target stays as it was).
    void Discard();

private:
    QString target_;
    QString temp_;
};

}  // namespace tamberlo
