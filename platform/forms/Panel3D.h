#pragma once
// The 3-D panel: a raised frame with a caption, a back and a fore colour in
// the program's &HBBGGRR values, and an optional flood gauge (a bar that fills
// a percentage of the panel from the left or from the right). Clicks are
// reported through `clicked`.

#include <QWidget>

#include <cstdint>

namespace tamberlo {

class Panel3D : public QWidget {
    Q_OBJECT
public:
    enum class Flood { None = 0, LeftToRight = 1, RightToLeft = 2 };

    explicit Panel3D(QWidget* parent = nullptr);
    Panel3D(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& c);
    std::uint32_t BackColor() const { return back_; }
    void SetBackColor(std::uint32_t vb);
    std::uint32_t ForeColor() const { return fore_; }
    void SetForeColor(std::uint32_t vb);

    void SetFloodType(Flood f);
    double FloodPercent() const { return floodPercent_; }
    void SetFloodPercent(double pct);  // kept within 0..100

    int BevelWidth() const { return kBevel; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString caption_;
    std::uint32_t back_ = 0xC0C0C0;
    std::uint32_t fore_ = 0x000000;
    Flood floodType_ = Flood::None;
    double floodPercent_ = 0;
    static constexpr std::uint32_t kFloodColor = 0xFF0000;  // blue
    static constexpr int kBevel = 1;
};

}  // namespace tamberlo
