#pragma once
// What the printed pages are drawn on: the operations of the program's
// printer object, in twips from the page's top left corner and font sizes in
// points. Text is placed by its top edge. One backend paints on a QPrinter
// (a system printer or a PDF file); tests record the calls instead.

#include <QString>

#include <cstdint>

namespace tamberlo {

// &HBBGGRR, red in the low byte.
using PrintColor = std::uint32_t;

// The three colours of the 16-colour table the pages use.
constexpr PrintColor kPrintBlack = 0x000000;  // QBColor(0)
constexpr PrintColor kPrintGrey = 0xC0C0C0;   // QBColor(7)
constexpr PrintColor kPrintWhite = 0xFFFFFF;  // QBColor(15)

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // The page width in twips.
    virtual int ScaleWidth() const = 0;

    virtual void SetFontName(const QString& name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual double FontSize() const = 0;
    virtual void SetForeColor(PrintColor color) = 0;
    // Line width of lines and outline boxes, in steps of the device's own
    // width measure.
    virtual void SetDrawWidth(int width) = 0;

    // Measures of a text in the current font, in twips.
    virtual double TextWidth(const QString& text) const = 0;
    virtual double TextHeight(const QString& text) const = 0;

    // Prints `text` as one line with its top left corner at (x, y).
    virtual void PrintText(double x, double y, const QString& text) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, PrintColor color) = 0;
    virtual void Box(double x1, double y1, double x2, double y2, PrintColor color) = 0;
    virtual void FilledBox(double x1, double y1, double x2, double y2, PrintColor color) = 0;

    virtual void NewPage() = 0;
    // Ends the document; false when the output failed at any point.
    virtual bool EndDoc() = 0;
};

}  // namespace tamberlo
