#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace tamberlo {

QString AppPath() {
    const QByteArray env = qgetenv("TAMBERLO_HOME");
    QString path = env.isEmpty() ? QCoreApplication::applicationDirPath() : QString::fromLocal8Bit(env);
    if (path.isEmpty()) path = QDir::currentPath();
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

QString PicturePath(const QString& name) { return AppPath() + QStringLiteral("/Afbeeldingen/") + name; }

}  // namespace tamberlo
