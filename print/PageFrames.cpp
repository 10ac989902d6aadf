#include "PageFrames.h"

#include <QDate>
#include <QLocale>

#include "LadderView.h"
#include "LanguageText.h"
#include "PrintFont.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

constexpr PrintColor kLightGreen = 0xC0FFC0;
constexpr PrintColor kLightBlue = 0xFFC0C0;
constexpr int kLastRung = 90;
const QString kTitle = QStringLiteral("Tamberlo");

// Prints `text` left-aligned at x with its middle on y.
void PrintCentredOnY(PrintSurface& p, double x, double y, const QString& text) {
    p.PrintText(x, y - p.TextHeight(QStringLiteral("Yy")) / 2, text);
}

void PrintCentred(PrintSurface& p, double x, double y, const QString& text) {
    PrintCentredOnY(p, x - p.TextWidth(text) / 2, y, text);
}

void PrintRightAligned(PrintSurface& p, double right, double y, const QString& text) {
    PrintCentredOnY(p, right - p.TextWidth(text), y, text);
}

// A header cell: its label and as much of the value as fits between x and
// `right`, cut short with "..." rather than running into the next cell.
void PrintHeaderCell(PrintSurface& p, double x, double right, double y, const QString& label, const QString& value) {
    const double room = right - x;
    QString text = label + value;
    if (p.TextWidth(text) > room) {
        const QString more = QStringLiteral("...");
        qsizetype fits = 0;  // the longest start of the value that fits with "..." after it
        for (qsizetype low = 1, high = value.size() - 1; low <= high;) {
            const qsizetype mid = (low + high) / 2;
            if (p.TextWidth(label + value.left(mid) + more) <= room) {
                fits = mid;
                low = mid + 1;
            } else {
                high = mid - 1;
            }
        }
        if (fits > 0 && value.at(fits - 1).isHighSurrogate()) --fits;
        text = label + value.left(fits) + more;
    }
    PrintCentredOnY(p, x, y, text);
}

// Everything both kinds of page share; `top` is the heading band's top edge
// (2500 on page 1, 1500 on later pages), `gridTop` the first grid line.
void DrawFrame(PrintSurface& p, double top, double gridTop, int firstNumber, int lastNumber) {
    const double w = p.ScaleWidth();
    p.SetDrawWidth(3);
    p.SetForeColor(kPrintBlack);

    p.FilledBox(1000, 500, 6000, 1500, kPrintBlack);
    p.FilledBox(1000, top, 1838, top + 500, kPrintGrey);
    p.FilledBox(1838, top, 12338, top + 500, kLightGreen);
    p.FilledBox(12338, top, w - 1000, top + 500, kLightBlue);
    p.Box(1000, 500, w - 1000, 11000, kPrintBlack);
    p.Box(1000, 1000, w - 1000, 1500, kPrintBlack);
    p.Line(12338, 500, 12338, 1500, kPrintBlack);

    p.SetFontName(kPrintFontName);
    FitTitleSize(p);
    p.SetForeColor(kPrintWhite);
    p.PrintText(1000 + (5000 - p.TextWidth(kTitle)) / 2, 1000 - p.TextHeight(kTitle) / 2, kTitle);
    p.SetForeColor(kPrintBlack);

    // Two header cells a row, each text starting 250 twips inside its cell
    // and keeping as far from the cell's right edge.
    p.SetFontSize(11);
    const double leftEnd = 12338 - 250, rightEnd = w - 1000 - 250;
    PrintHeaderCell(p, 6250, leftEnd, 750, T("Programmeur: ", "Programmer: "), shared.PrintNaam);
    PrintHeaderCell(p, 12588, rightEnd, 750, T("Datum: ", "Date: "),
                    QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    PrintHeaderCell(p, 6250, leftEnd, 1250, T("Naam programma: ", "Program name: "), ProgramNameOf(ladderView.fileDialogName));
    PrintHeaderCell(p, 12588, rightEnd, 1250, T("Afdeling: ", "Department: "), shared.PrintAfdeling);

    // The rung grid: one band of 500 twips per rung below the heading band;
    // the line at y numbers the band from y + 500 to y + 1000. Rungs beyond
    // the last one (page 6) get a band but no number.
    int number = firstNumber;
    for (double y = gridTop; y <= 10500; y += 500) {
        p.Line(1000, y, w - 1000, y, kPrintBlack);
        if (y >= top && y < 10500) {
            if (number <= lastNumber) PrintRightAligned(p, 1500, y + 750, QString::number(number));
            ++number;
        }
    }
    for (double x : {1838.0, 5338.0, 8838.0, 12338.0, 15838.0}) p.Line(x, top, x, 11000, kPrintBlack);

    const double heading = top + 250;
    PrintCentredOnY(p, 1200, heading, T("Stap", "Step"));
    for (int n = 1; n <= 3; ++n)
        PrintCentred(p, 3588 + 3500 * (n - 1), heading, T("Conditie ", "Condition ") + QLatin1Char(' ') + QString::number(n));
    PrintCentred(p, 14088, heading, T("Actie", "Action"));

    PrintCentredOnY(p, 1000, 11250,
                    T("Tamberlo - ladderlogica leren met echte in- en uitgangen",
                      "Tamberlo - learning ladder logic with real inputs and outputs"));
    PrintRightAligned(p, w - 1000, 11250, QStringLiteral("2009-2026 Tamberlo Leerwerk - tamberlo.example.org"));
}

}  // namespace

QString ProgramNameOf(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.mid(slash + 1);
}

void FitTitleSize(PrintSurface& p) {
    // A face that measures nothing must not raise the size for ever.
    double size = 8;
    p.SetFontSize(size);
    while (p.TextWidth(kTitle) < 4000 && size < 72) p.SetFontSize(++size);
}

void PrintKaders(PrintSurface& p) {
    DrawFrame(p, 2500, 2000, 1, 16);
    PrintCentredOnY(p, 1200, 1750, T("Omschrijving van het programma: ", "Program description: "));
    PrintCentredOnY(p, 1200, 2250, QStringLiteral("Init"));
}

void PrintKaders2(PrintSurface& p, int PaginaTeller) {
    const int first = 17 + 18 * (PaginaTeller - 2);
    DrawFrame(p, 1500, 1500, first, kLastRung);
}

}  // namespace tamberlo
