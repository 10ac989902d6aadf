#include "CommandPrinten.h"

#include <QPrintDialog>
#include <QPrinter>

#include <optional>

#include "DialogPrinten.h"
#include "Dialogs.h"
#include "FileReason.h"
#include "LanguageText.h"
#include "PdfFileOutput.h"
#include "PrintRun.h"
#include "PrinterSurface.h"
#include "SharedState.h"
#include "Yielding.h"

namespace tamberlo {

namespace {

PrinterDialog& installedDialog() {
    static PrinterDialog dialog;
    return dialog;
}

bool ShowPrinterDialog(QPrinter& printer, QWidget* parent) {
    if (installedDialog()) return installedDialog()(printer);
    QPrintDialog dialog(&printer, parent);
    // The range, the copies and the page order are printed as chosen; the
    // range can only name pages the ladder prints on.
    dialog.setMinMax(1, PrintedPageCount());
    return dialog.exec() == QDialog::Accepted;
}

// What the dialog left on `printer`. A printer that makes copies itself
// (a print server) is sent one.
PrintJob JobOf(const QPrinter& printer) {
    PrintJob job;
    job.from = printer.fromPage();  // both 0 when every page is asked for
    job.to = printer.toPage();
    job.copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    job.collate = printer.collateCopies();
    job.reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    return job;
}

// Why a print to a file failed: the system's reason, or the document not
// written whole (Qt's engine tells no reason; only a failed write stops it).
QString PdfFileReason(int error) {
    if (error != 0) return FileErrorReason(error);
    return T("Het afdrukbestand kon niet volledig geschreven worden: de schijf is vol of het bestand wordt te groot.",
             "The print file could not be written whole: the disk is full or the file would be too large.");
}

}  // namespace

void SetPrinterDialog(PrinterDialog dialog) { installedDialog() = std::move(dialog); }

void CommandPrinten(QWidget* mainWindow) {
    DialogPrinten& details = printDetailsWindow();
    details.ShowOver(mainWindow);
    WaitWhile([&details] { return details.isVisible(); });
    if (AppEnding() || shared.PrintNaam == QLatin1String("#")) return;

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!ShowPrinterDialog(printer, mainWindow)) return;
    PrintLadder(printer);
}

bool PrintLadder(QPrinter& printer) {
    // The pages are laid out for landscape, whatever the dialog chose.
    printer.setPageOrientation(QPageLayout::Landscape);
    std::optional<PdfFileOutput> pdf;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) pdf.emplace(printer);
    bool ok = !pdf || pdf->Ok();
    bool fileFailed = !ok;  // the print file, not the printer: its reason is told
    if (ok) {
        PrinterSurface surface(printer);
        ok = surface.Ok() && Printen(surface, JobOf(printer));
    }
    if (ok && pdf) {
        ok = pdf->Commit();
        fileFailed = !ok;
    }
    QString text = T("Het ladderprogramma kon niet afgedrukt worden.", "The ladder program could not be printed.");
    if (fileFailed) text += QLatin1Char('\n') + PdfFileReason(pdf->Error());
    // A failed print leaves nothing beside the chosen file, even while the
    // message is up (the program may be ended then).
    pdf.reset();
    if (!ok) dialogs().MsgBox(text, MsgButtons::Ok);
    return ok;
}

}  // namespace tamberlo
