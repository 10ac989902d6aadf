#include "Picture.h"

#include "FileReading.h"
#include "ProgramFolder.h"

namespace tamberlo {

namespace {

// The largest picture file read: the program's own are a few hundred KB.
constexpr qint64 kMaxPictureBytes = 32 * 1024 * 1024;

}  // namespace

QPixmap LoadPicture(const QString& name) {
    QPixmap pm;
    if (name.isEmpty()) return pm;
    // Read as every file is: a FIFO in the folder is not waited on, a device
    // not read without end.
    const FileRead file = ReadRegularFile(PicturePath(name), kMaxPictureBytes);
    if (file.ok()) pm.loadFromData(file.bytes);
    return pm;
}

}  // namespace tamberlo
