#pragma once
// Windowless drawing controls: a line between two points of its container,
// and a lamp shape whose fill style tells its state (0 solid = lit,
// 1 transparent = dark). Both let mouse events through to what lies below.

#include <QWidget>

#include <cstdint>

namespace tamberlo {

class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent = nullptr);
    // End points in the container's coordinates.
    void SetPoints(int x1, int y1, int x2, int y2);
    void SetBorderColor(std::uint32_t vb);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void place();
    QPoint p1_, p2_;
    std::uint32_t color_ = 0;
    static constexpr int kWidth = 1;
};

class LampShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Circle };
    explicit LampShape(Kind kind = Kind::Circle, QWidget* parent = nullptr);
    int FillStyle() const { return fillStyle_; }
    void SetFillStyle(int style);  // 0 solid (lit), 1 transparent (dark)
    std::uint32_t FillColor() const { return fillColor_; }
    void SetFillColor(std::uint32_t vb);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind kind_;
    int fillStyle_ = 1;
    std::uint32_t fillColor_ = 0x0000FF;
};

}  // namespace tamberlo
