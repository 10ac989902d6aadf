#include "PdfFileOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

#include "WholePdf.h"

namespace tamberlo {

namespace {

// A new, empty file "<target>.<random>" in the target's folder, or "" when
// the folder takes no new file. Created with the usual mode, so the user's
// umask decides who may read the print.
QString CreateFileBeside(const QString& target) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = target + QLatin1Char('.') + QString::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) break;
    }
    return {};
}

}  // namespace

PdfFileOutput::PdfFileOutput(QPrinter& printer) : printer_(printer), target_(printer.outputFileName()) {
    temp_ = CreateFileBeside(target_);
    if (Ok()) printer_.setOutputFileName(temp_);
}

PdfFileOutput::~PdfFileOutput() {
    if (Ok() && !committed_) QFile::remove(temp_);
    printer_.setOutputFileName(target_);
}

bool PdfFileOutput::Commit() {
    if (!Ok()) return false;
    QFile written(temp_);
    if (!written.open(QIODevice::ReadOnly)) return false;
    // A write the system accepted but could not store shows up here.
    const bool stored = ::fsync(written.handle()) == 0;
    if (!stored || !IsWholePdf(written.readAll())) return false;
    written.close();
    // A file that is replaced keeps who may read it.
    if (QFileInfo::exists(target_)) QFile::setPermissions(temp_, QFile::permissions(target_));
    if (std::rename(QFile::encodeName(temp_).constData(), QFile::encodeName(target_).constData()) != 0) return false;
    committed_ = true;
    return true;
}

}  // namespace tamberlo
