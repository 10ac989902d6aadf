#pragma once
// A temporary program folder for one test: TAMBERLO_HOME points at it while
// the object lives, and HOME too, so the work folder lands inside it.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tamberlo::test {

class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes `bytes` to a file in the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
    QByteArray oldHome_, oldApp_;
};

}  // namespace tamberlo::test
