#pragma once
// The ladder's drawing area `PictureProgrammeerVenster`: a tall picture that
// shows the ladder as `ladderView` holds it. Cells, wires and buttons are
// painted, not separate widgets: the start-up "creates" them one by one (they
// show from then on), and clicks are found by position and passed to the
// hooks of `ladderKnoppen`.

#include <QWidget>

#include <cstdint>

namespace tamberlo {

class LadderWidget : public QWidget {
    Q_OBJECT
public:
    enum class Knop { Geen, PanelConditie, VoegConditieToe, VoegConditieToeVertikaal, PanelActie, VoegActieToe };
    struct Treffer {
        Knop knop = Knop::Geen;
        int index = 0;
        bool operator==(const Treffer&) const = default;
    };

    explicit LadderWidget(QWidget* parent = nullptr);

    // Creation by the start-up, in the program's order.
    void MaakActieRij(int r);        // row r (1..90) with its wires and buttons
    void MaakConditieCel(int i);     // cell i (1..270)
    void TekenVertikaleLijnen();     // the link buttons and lines 1..267
    void RailsVolledig();            // the rails reach down to the area's height
    int ActieRijen() const { return rijen_; }
    int ConditieCellen() const { return cellen_; }
    bool VertikaleLijnen() const { return vertikaal_; }

    // The button at a point of the drawing area (only visible ones count).
    Treffer KnopOp(QPoint p) const;
    // Runs the button's hook, as a click does.
    static void Klik(Treffer t);

    // Repaints when the ladder view moved on since the last paint.
    void VerversAlsNodig();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int rijen_ = 0;
    int cellen_ = 0;
    bool vertikaal_ = false;
    bool rails_ = false;
    std::uint64_t getekend_ = ~std::uint64_t(0);
    Treffer ingedrukt_;
};

}  // namespace tamberlo
