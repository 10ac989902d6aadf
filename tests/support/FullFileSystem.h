#pragma once
// A folder whose file system a test can fill up. As root (CI) it is a small
// tmpfs of its own, mounted while the object lives: after Fill() a new file
// can still be created but no byte more written, as on a full disk. Without
// the right to mount it is a plain temporary folder, and Fill() sets a
// file-size limit of 0 for the process instead (its signal ignored, as the
// program ignores it), which refuses every write the same way. A test that
// must see both ways a write is refused asks for the limit even as root.
// A mounted one can also be made read-only, as a write-protected medium is.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>
#include <csignal>
#include <memory>

#include "FileSizeLimit.h"

namespace tamberlo::test {

class FullFileSystem {
public:
    enum class Means { Mount, SizeLimit };
    // Mount: a file system of its own where the process may mount one.
    explicit FullFileSystem(Means means = Means::Mount) {
        mounted_ = means == Means::Mount && ::geteuid() == 0 &&
                   ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=256k,mode=0755") == 0;
    }
    ~FullFileSystem() {
        limit_.reset();
        if (oldSignal_ != SIG_ERR) std::signal(SIGXFSZ, oldSignal_);
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Whether the folder is a file system of its own (else Fill() limits the process).
    bool mounted() const { return mounted_; }

    // Leaves room for `room` bytes more (0: not another byte): fills the
    // tmpfs with one large file, then frees that much of it (whole 4 KiB
    // pages), or limits the size of each of the process's files to `room`.
    void Fill(qint64 room = 0) {
        if (!mounted_) {
            oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
            limit_ = std::make_unique<FileSizeLimit>(static_cast<rlim_t>(room));
            return;
        }
        QFile filler(file(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {}
        if (room > 0) filler.resize(filler.size() - room);
    }

    // Remounts the tmpfs read-only (EROFS for every change); false when it
    // is not mounted or the system refuses.
    bool MakeReadOnly() {
        return mounted_ &&
               ::mount(nullptr, QFile::encodeName(dir_.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    std::unique_ptr<FileSizeLimit> limit_;
    void (*oldSignal_)(int) = SIG_ERR;
};

}  // namespace tamberlo::test
