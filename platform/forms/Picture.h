#pragma once
// Pictures of the picture folder. A missing or unreadable file gives an empty
// picture, never a failure.

#include <QPixmap>
#include <QString>

namespace tamberlo {

// The picture `name` of AppPath()/Afbeeldingen; empty when it cannot be loaded.
QPixmap LoadPicture(const QString& name);

}  // namespace tamberlo
