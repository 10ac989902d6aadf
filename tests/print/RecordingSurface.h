#pragma once
// A print surface that records what is drawn, page by page, for tests. Its
// font measures are simple and fixed (each character half the font size
// wide), so the tests never depend on a real face's metrics.

#include <QString>

#include <vector>

#include "PrintSurface.h"

namespace tamberlo::test {

struct RecordedText {
    int page;
    double x, y;
    QString text;
    double size;
    PrintColor color;
};

struct RecordedShape {
    enum Kind { Line, Box, FilledBox } kind;
    int page;
    double x1, y1, x2, y2;
    PrintColor color;
};

class RecordingSurface final : public PrintSurface {
public:
    // Twips per character per point; 0 makes every text measure 0 wide.
    double widthPerCharPerPoint = 10;
    bool ended = false;

    int pages = 1;
    std::vector<RecordedText> texts;
    std::vector<RecordedShape> shapes;

    int ScaleWidth() const override { return 16838; }  // landscape A4
    void SetFontName(const QString&) override {}
    void SetFontSize(double points) override { size_ = points; }
    double FontSize() const override { return size_; }
    void SetForeColor(PrintColor color) override { color_ = color; }
    void SetDrawWidth(int) override {}
    double TextWidth(const QString& text) const override { return widthPerCharPerPoint * size_ * text.size(); }
    double TextHeight(const QString&) const override { return 20 * size_; }
    void PrintText(double x, double y, const QString& text) override {
        texts.push_back({pages, x, y, text, size_, color_});
    }
    void Line(double x1, double y1, double x2, double y2, PrintColor c) override {
        shapes.push_back({RecordedShape::Line, pages, x1, y1, x2, y2, c});
    }
    void Box(double x1, double y1, double x2, double y2, PrintColor c) override {
        shapes.push_back({RecordedShape::Box, pages, x1, y1, x2, y2, c});
    }
    void FilledBox(double x1, double y1, double x2, double y2, PrintColor c) override {
        shapes.push_back({RecordedShape::FilledBox, pages, x1, y1, x2, y2, c});
    }
    void NewPage() override { ++pages; }
    bool EndDoc() override {
        ended = true;
        return true;
    }

    // The texts printed on `page` exactly equal to `text`.
    std::vector<RecordedText> find(int page, const QString& text) const {
        std::vector<RecordedText> found;
        for (const auto& t : texts)
            if (t.page == page && t.text == text) found.push_back(t);
        return found;
    }
    std::vector<RecordedShape> filled(int page, PrintColor color) const {
        std::vector<RecordedShape> found;
        for (const auto& s : shapes)
            if (s.page == page && s.kind == RecordedShape::FilledBox && s.color == color) found.push_back(s);
        return found;
    }

private:
    double size_ = 9;
    PrintColor color_ = kPrintBlack;
};

}  // namespace tamberlo::test
