#include "PdfFileOutput.h"

#include <QFile>
#include <QPrinter>

#include "WholePdf.h"

namespace tamberlo {

PdfFileOutput::PdfFileOutput(QPrinter& printer) : printer_(printer), target_(printer.outputFileName()), file_(target_) {
    if (Ok()) printer_.setOutputFileName(file_.TempPath());
}

PdfFileOutput::~PdfFileOutput() { printer_.setOutputFileName(target_); }

bool PdfFileOutput::Commit() {
    if (!Ok()) return false;
    QFile written(file_.TempPath());
    if (!written.open(QIODevice::ReadOnly) || !IsWholePdf(written.readAll())) return false;
    written.close();
    return file_.Commit();
}

}  // namespace tamberlo
