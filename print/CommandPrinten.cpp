#include "CommandPrinten.h"

#include <QPrintDialog>
#include <QPrinter>

#include "DialogPrinten.h"
#include "Dialogs.h"
#include "LanguageText.h"
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
    // Only the printer and its settings count: the whole ladder is printed once.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    return dialog.exec() == QDialog::Accepted;
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
    PrinterSurface surface(printer);
    const bool ok = surface.Ok() && Printen(surface);
    if (!ok)
        dialogs().MsgBox(T("Het ladderprogramma kon niet afgedrukt worden.", "The ladder program could not be printed."),
                         MsgButtons::Ok);
    return ok;
}

}  // namespace tamberlo
