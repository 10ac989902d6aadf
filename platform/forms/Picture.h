#pragma once
// Pictures of the picture folder, read as every file is (FileReading.h). A
// missing or unreadable file (a FIFO, a device, a folder) gives an empty
// picture, never a failure or a wait.

#include <QPixmap>
#include <QString>

namespace tamberlo {

// The picture `name` of AppPath()/Afbeeldingen; empty when it cannot be loaded.
QPixmap LoadPicture(const QString& name);

}  // namespace tamberlo
