#pragma once
// A windowless lamp shape whose fill style tells its state (0 solid = lit,
// 1 transparent = dark). It lets mouse events through to what lies below.

#include <QWidget>

#include <cstdint>

namespace tamberlo {

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
