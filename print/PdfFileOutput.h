#pragma once
// A print to a PDF file goes to a temporary file beside the file chosen and
// takes its place only when the whole document was written, as a saved file
// does (FileReplacement.h: a symbolic link keeps pointing at the new print).
// Qt's PDF engine ends a document without an error when its writes fail (a
// full disk), so the written file is checked before it replaces anything; a
// failed print leaves no file behind and the chosen file as it was.

#include <QString>

#include "FileReplacement.h"

class QPrinter;

namespace tamberlo {

class PdfFileOutput {
public:
    // Points `printer` (a PDF printer with an output file) at a new temporary
    // file in the target's folder.
    explicit PdfFileOutput(QPrinter& printer);
    // Removes the temporary file unless it was put in place, and gives the
    // printer its own file name back.
    ~PdfFileOutput();
    PdfFileOutput(const PdfFileOutput&) = delete;
    PdfFileOutput& operator=(const PdfFileOutput&) = delete;

    // False when no temporary file could be made beside the target.
    bool Ok() const { return file_.Ok(); }

    // After the document has ended: puts the temporary file in the target's
    // place when it holds a whole PDF. False otherwise.
    bool Commit();

    // Why the print file was not made or put in place: the system's error
    // number (errno) of the step that failed, or 0 when the document was not
    // written whole (Qt's engine keeps the reason of its failed writes).
    int Error() const { return file_.Error(); }

private:
    QPrinter& printer_;
    QString target_;
    FileReplacement file_;
};

}  // namespace tamberlo
