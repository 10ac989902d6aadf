#include "PrinterSurface.h"

#include <QFontMetricsF>
#include <QPrinter>

#include "PrintFont.h"
#include "VbColor.h"

namespace tamberlo {

namespace {
constexpr double kTwipsPerInch = 1440.0;
// One step of the draw width is one dot of a 600 dpi printer.
constexpr double kTwipsPerDrawStep = kTwipsPerInch / 600.0;
}  // namespace

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer), font_(PrintFont(kPrintFontName, 9)) {
    // Coordinates count from the paper's corner, not from the printable area.
    printer_.setFullPage(true);
    failed_ = !painter_.begin(&printer_);
    if (!failed_) painter_.setFont(font_);
}

PrinterSurface::~PrinterSurface() {
    if (!ended_) EndDoc();
}

double PrinterSurface::Device(double twips) const { return twips * printer_.resolution() / kTwipsPerInch; }
double PrinterSurface::Twips(double device) const { return device * kTwipsPerInch / printer_.resolution(); }

int PrinterSurface::ScaleWidth() const {
    return qRound(printer_.pageLayout().fullRect(QPageLayout::Point).width() * 20);  // 20 twips per point
}

void PrinterSurface::SetFontName(const QString& name) {
    font_ = PrintFont(name, font_.pointSizeF());
    if (!failed_) painter_.setFont(font_);
}

void PrinterSurface::SetFontSize(double points) {
    font_.setPointSizeF(points);
    if (!failed_) painter_.setFont(font_);
}

double PrinterSurface::TextWidth(const QString& text) const {
    return Twips(QFontMetricsF(font_, &printer_).horizontalAdvance(text));
}

double PrinterSurface::TextHeight(const QString&) const { return Twips(QFontMetricsF(font_, &printer_).height()); }

void PrinterSurface::PrintText(double x, double y, const QString& text) {
    if (failed_) return;
    painter_.setPen(VbToQColor(foreColor_));
    const double ascent = QFontMetricsF(font_, &printer_).ascent();
    painter_.drawText(QPointF(Device(x), Device(y) + ascent), text);
}

QPen PrinterSurface::Pen(PrintColor color) const {
    QPen pen(VbToQColor(color));
    pen.setWidthF(Device(drawWidth_ * kTwipsPerDrawStep));
    return pen;
}

void PrinterSurface::Line(double x1, double y1, double x2, double y2, PrintColor color) {
    if (failed_) return;
    painter_.setPen(Pen(color));
    painter_.drawLine(QPointF(Device(x1), Device(y1)), QPointF(Device(x2), Device(y2)));
}

void PrinterSurface::Box(double x1, double y1, double x2, double y2, PrintColor color) {
    if (failed_) return;
    painter_.setPen(Pen(color));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(QPointF(Device(x1), Device(y1)), QPointF(Device(x2), Device(y2))).normalized());
}

void PrinterSurface::FilledBox(double x1, double y1, double x2, double y2, PrintColor color) {
    if (failed_) return;
    painter_.fillRect(QRectF(QPointF(Device(x1), Device(y1)), QPointF(Device(x2), Device(y2))).normalized(), VbToQColor(color));
}

void PrinterSurface::NewPage() {
    if (failed_) return;
    if (!printer_.newPage()) failed_ = true;
}

bool PrinterSurface::EndDoc() {
    if (ended_) return !failed_;
    ended_ = true;
    if (painter_.isActive() && !painter_.end()) failed_ = true;
    if (printer_.printerState() == QPrinter::Error || printer_.printerState() == QPrinter::Aborted) failed_ = true;
    return !failed_;
}

}  // namespace tamberlo
