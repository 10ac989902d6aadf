#pragma once
// The print surface on a QPrinter: a system printer chosen in the print
// dialog, or a PDF file. Twips become device units here, and text placed by
// its top is drawn at its baseline here, nowhere else.

#include <QFont>
#include <QPainter>

#include "PrintSurface.h"

class QPrinter;

namespace tamberlo {

class PrinterSurface final : public PrintSurface {
public:
    // Starts the document on `printer` (whose page layout is already set).
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;

    // False once the printer refused anything.
    bool Ok() const { return !failed_; }

    int ScaleWidth() const override;
    void SetFontName(const QString& name) override;
    void SetFontSize(double points) override;
    double FontSize() const override { return font_.pointSizeF(); }
    void SetForeColor(PrintColor color) override { foreColor_ = color; }
    void SetDrawWidth(int width) override { drawWidth_ = width; }
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;
    void PrintText(double x, double y, const QString& text) override;
    void Line(double x1, double y1, double x2, double y2, PrintColor color) override;
    void Box(double x1, double y1, double x2, double y2, PrintColor color) override;
    void FilledBox(double x1, double y1, double x2, double y2, PrintColor color) override;
    void NewPage() override;
    bool EndDoc() override;

private:
    double Device(double twips) const;
    double Twips(double device) const;
    QPen Pen(PrintColor color) const;

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    PrintColor foreColor_ = kPrintBlack;
    int drawWidth_ = 1;
    bool failed_ = false;
    bool ended_ = false;
};

}  // namespace tamberlo
