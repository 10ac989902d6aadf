#include "Picture.h"

#include "ProgramFolder.h"

namespace tamberlo {

QPixmap LoadPicture(const QString& name) {
    QPixmap pm;
    if (!name.isEmpty()) pm.load(PicturePath(name));
    return pm;
}

}  // namespace tamberlo
