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

int FirstRung(int PaginaTeller) { return kRungsPerPage * (PaginaTeller - 1) - 1; }
int LastRung(int PaginaTeller) { return std::min(kRungsPerPage * PaginaTeller - 2, kRungs); }

// The pages the ladder prints on, by their page counter: 1, then every later
// page that has something to show.
std::vector<int> PagesWithContent() {
    std::vector<int> pages{1};
    for (int PaginaTeller = 2; PaginaTeller <= kLastPage; ++PaginaTeller) {
        bool PaginaHeeftInhoud = false;
        for (int r = FirstRung(PaginaTeller); r <= LastRung(PaginaTeller) && !PaginaHeeftInhoud; ++r)
            PaginaHeeftInhoud = RungHasContent(r);
        if (PaginaHeeftInhoud) pages.push_back(PaginaTeller);
    }
    return pages;
}

// Each page sets its own font, so that pages can come in any order.
void PrintPage(PrintSurface& p, int PaginaTeller) {
    p.SetFontName(kPrintFontName);
    p.SetFontSize(9);
    if (PaginaTeller == 1) {
        // The start-only row sits in the "Init" row, one band above rung 1.
        PrintLines(p, 12500, 1990, PrintBeschrijvingActie(0));
        for (int r = 1; r <= kRungsOnFirstPage; ++r) PrintRungRow(p, r, r, 0);
        PrintKaders(p);
        return;
    }
    const int first = FirstRung(PaginaTeller);
    for (int r = first; r <= LastRung(PaginaTeller); ++r) PrintRungRow(p, r, r - first + 1, -1000);
    PrintKaders2(p, PaginaTeller);
}

// The document's pages (0-based) in the order they are printed.
std::vector<int> PrintOrder(int pageCount, const PrintJob& job) {
    const int from = job.from > 0 ? std::clamp(job.from, 1, pageCount) : 1;
    const int to = job.to > 0 ? std::clamp(job.to, from, pageCount) : pageCount;
    std::vector<int> chosen;
    for (int page = from; page <= to; ++page) chosen.push_back(page - 1);
    if (job.reverse) std::reverse(chosen.begin(), chosen.end());

    const int copies = std::max(job.copies, 1);
    std::vector<int> order;
    if (job.collate) {
        for (int copy = 0; copy < copies; ++copy) order.insert(order.end(), chosen.begin(), chosen.end());
    } else {
        for (int page : chosen) order.insert(order.end(), static_cast<std::size_t>(copies), page);
    }
    return order;
}

}  // namespace

bool RungJoinedAbove(int r) {
    // The last cell of a joined rung holds the link, as the drawing shows it.
    return r > 1 && r <= kRungs && shared.Condities[static_cast<std::size_t>(3 * r)][0] == 4;
}

int PrintedPageCount() { return static_cast<int>(PagesWithContent().size()); }

bool Printen(PrintSurface& p, const PrintJob& job) {
    const std::vector<int> pages = PagesWithContent();
    bool first = true;
    for (int page : PrintOrder(static_cast<int>(pages.size()), job)) {
        if (!first) p.NewPage();
        first = false;
        PrintPage(p, pages[static_cast<std::size_t>(page)]);
    }
    return p.EndDoc();
}

}  // namespace tamberlo
