#include "TempHome.h"

#include <QFile>

namespace tamberlo::test {

TempHome::TempHome() : oldHome_(qgetenv("HOME")), oldApp_(qgetenv("TAMBERLO_HOME")) {
    qputenv("TAMBERLO_HOME", dir_.path().toLocal8Bit());
    qputenv("HOME", dir_.path().toLocal8Bit());
}

TempHome::~TempHome() {
    qputenv("HOME", oldHome_);
    if (oldApp_.isEmpty()) qunsetenv("TAMBERLO_HOME");
    else qputenv("TAMBERLO_HOME", oldApp_);
}

QString TempHome::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return f.fileName();
}

QByteArray TempHome::read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace tamberlo::test
