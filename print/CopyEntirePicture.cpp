#include "CopyEntirePicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

#include <algorithm>

namespace tamberlo {

void CopyEntirePicture(QWidget& picture, int mainWindowHeight, int conditionHeaderHeight) {
    const int height = std::min(mainWindowHeight - conditionHeaderHeight - 80, picture.height());
    const int width = picture.width();
    if (height <= 0 || width <= 0) return;
    const QImage image = picture.grab(QRect(0, 0, width, height)).toImage();
    if (image.isNull()) return;
    // setImage replaces whatever the clipboard held: afterwards it holds one picture.
    QGuiApplication::clipboard()->setImage(image);
}

}  // namespace tamberlo
