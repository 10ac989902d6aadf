#include "PrintRun.h"

#include <algorithm>

#include "Descriptions.h"
#include "PageFrames.h"
#include "PrintFont.h"
#include "SharedState.h"

namespace tamberlo {

namespace {

constexpr PrintColor kJoinedGrey = 0xF0F0F0;  // RGB(240, 240, 240)
constexpr int kRungsOnFirstPage = 16;
constexpr int kRungsPerPage = 18;
constexpr int kLastPage = 6;

void PrintLines(PrintSurface& p, double x, double top, const Beschrijving& d) {
    if (d.Empty()) return;
    p.PrintText(x, top, d.line[0]);
    p.PrintText(x, top + 220, d.line[1]);
}

// One rung row on its band; `shift` is 0 on page 1 and -1000 on later pages.
void PrintRungRow(PrintSurface& p, int r, int y, double shift) {
    const double top = 2990 + 500.0 * (y - 1) + shift;
    for (int k = 0; k < 3; ++k) PrintLines(p, 2000 + 3500 * k, top, PrintBeschrijvingConditie(3 * r - 2 + k));
    if (RungJoinedAbove(r)) {
        p.FilledBox(1838, 2505 + 500.0 * y + shift, 15838, 2995 + 500.0 * y + shift, kJoinedGrey);
        p.SetFontSize(12);
        p.PrintText(12090, 3060 + 500.0 * (y - 1) + shift, QStringLiteral("+"));
        p.SetFontSize(9);
    }
    PrintLines(p, 12500, top, PrintBeschrijvingActie(r));
}

bool RungHasContent(int r) {
    for (int cell = 3 * r - 2; cell <= 3 * r; ++cell)
        if (!PrintBeschrijvingConditie(cell).Empty()) return true;
    return !PrintBeschrijvingActie(r).Empty();
}

}  // namespace

bool RungJoinedAbove(int r) {
    // The last cell of a joined rung holds the link, as the drawing shows it.
    return r > 1 && r <= kRungs && shared.Condities[static_cast<std::size_t>(3 * r)][0] == 4;
}

bool Printen(PrintSurface& p) {
    p.SetFontName(kPrintFontName);
    p.SetFontSize(9);

    // The start-only row sits in the "Init" row, one band above rung 1.
    PrintLines(p, 12500, 1990, PrintBeschrijvingActie(0));
    for (int r = 1; r <= kRungsOnFirstPage; ++r) PrintRungRow(p, r, r, 0);
    PrintKaders(p);

    for (int PaginaTeller = 2; PaginaTeller <= kLastPage; ++PaginaTeller) {
        const int first = kRungsPerPage * (PaginaTeller - 1) - 1;
        const int last = std::min(kRungsPerPage * PaginaTeller - 2, kRungs);
        bool PaginaHeeftInhoud = false;
        for (int r = first; r <= last && !PaginaHeeftInhoud; ++r) PaginaHeeftInhoud = RungHasContent(r);
        if (!PaginaHeeftInhoud) continue;
        p.NewPage();
        p.SetFontSize(9);
        for (int r = first; r <= last; ++r) PrintRungRow(p, r, r - first + 1, -1000);
        PrintKaders2(p, PaginaTeller);
    }
    return p.EndDoc();
}

}  // namespace tamberlo
