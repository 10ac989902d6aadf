#pragma once
// A print surface that records what is drawn, page by page, for tests. Its
// font measures are simple and fixed (a character is half the font size
// wide, a line 20 twips per point high), so tests never depend on a face.

#include <QString>

#include <vector>

#include "PrintSurface.h"

namespace tamberlo::test {

struct Recorded {
    int page;
    double x, y, x2, y2;  // a text's top left corner; a filled box's corners
    QString text;         // empty for a filled box
    double size;
    PrintColor color;
};

class RecordingSurface final : public PrintSurface {
public:
    double widthPerCharPerPoint = 10;  // 0: every text measures 0 wide
    bool ended = false;
    int pages = 1;
    std::vector<Recorded> texts, filledBoxes;

    int ScaleWidth() const override { return 16838; }  // landscape A4
    void SetFontName(const QString&) override {}
    void SetFontSize(double points) override { size_ = points; }
    double FontSize() const override { return size_; }
    void SetForeColor(PrintColor color) override { color_ = color; }
    void SetDrawWidth(int) override {}
    double TextWidth(const QString& text) const override { return widthPerCharPerPoint * size_ * text.size(); }
    double TextHeight(const QString&) const override { return 20 * size_; }
    void PrintText(double x, double y, const QString& text) override {
        texts.push_back({pages, x, y, 0, 0, text, size_, color_});
    }
    void Line(double, double, double, double, PrintColor) override {}
    void Box(double, double, double, double, PrintColor) override {}
    void FilledBox(double x1, double y1, double x2, double y2, PrintColor c) override {
        filledBoxes.push_back({pages, x1, y1, x2, y2, {}, 0, c});
    }
    void NewPage() override { ++pages; }
    bool EndDoc() override { return ended = true; }

    // What was printed on `page`: texts equal to `text`, boxes of `color`.
    std::vector<Recorded> find(int page, const QString& text) const {
        std::vector<Recorded> found;
        for (const auto& t : texts)
            if (t.page == page && t.text == text) found.push_back(t);
        return found;
    }
    std::vector<Recorded> filled(int page, PrintColor color) const {
        std::vector<Recorded> found;
        for (const auto& b : filledBoxes)
            if (b.page == page && b.color == color) found.push_back(b);
        return found;
    }

private:
    double size_ = 9;
    PrintColor color_ = kPrintBlack;
};

}  // namespace tamberlo::test
