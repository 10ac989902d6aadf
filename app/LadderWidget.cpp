#include "LadderWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "LadderGeometry.h"
#include "LadderKnoppen.h"
#include "LadderView.h"
#include "VbColor.h"

namespace tamberlo {

LadderKnoppen ladderKnoppen;

namespace {

using namespace ladder;

void Knopvlak(QPainter& p, const QRect& r, const QString& tekst, bool in) {
    p.fillRect(r, QColor(0xD7, 0xD7, 0xD7));
    p.setPen(in ? QColor(96, 96, 96) : QColor(255, 255, 255));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(in ? QColor(255, 255, 255) : QColor(96, 96, 96));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(Qt::black);
    p.drawText(r.adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap, tekst);
}

void Regel(QPainter& p, const QRect& r, const CaptionPanel& c) {
    p.fillRect(r, VbNaarQColor(c.backColor));
    p.setPen(QColor(128, 128, 128));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (!c.caption.isEmpty()) {
        p.setPen(VbNaarQColor(c.foreColor));
        p.drawText(r.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, c.caption);
    }
}

void Frame(QPainter& p, const QRect& r, VbColor kleur) {
    p.fillRect(r, VbNaarQColor(kleur));
    p.setPen(QColor(255, 255, 255));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(96, 96, 96));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void Lijn(QPainter& p, const QLine& l, VbColor kleur) {
    p.setPen(QPen(VbNaarQColor(kleur), 2));
    p.drawLine(l);
}

}  // namespace

LadderWidget::LadderWidget(QWidget* parent) : QWidget(parent) {
    setProperty("pictureBox", true);  // the mouse wheel scrolls the ladder over picture boxes
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kBreedte, kHoogte);
    QFont f = font();
    f.setPixelSize(10);
    setFont(f);
}

void LadderWidget::MaakActieRij(int r) {
    if (r != rijen_ + 1 || r > kRungs) return;
    rijen_ = r;
    update(0, Y(r) - 40, kBreedte, 80);
}

void LadderWidget::MaakConditieCel(int i) {
    if (i != cellen_ + 1 || i > kCondities) return;
    cellen_ = i;
    update(ConditieFrame(i).adjusted(-80, -40, 80, 40));
}

void LadderWidget::TekenVertikaleLijnen() {
    vertikaal_ = true;
    update();
}

void LadderWidget::RailsVolledig() {
    rails_ = true;
    update();
}

LadderWidget::Treffer LadderWidget::KnopOp(QPoint p) const {
    const LadderView& v = ladderView;
    // Rows whose items can lie under the point: one rung either side.
    const int rung = std::clamp((p.y() - 44 + 40) / 80, 0, kRungs);
    for (int r = std::max(0, rung - 1); r <= std::min(kRungs, rung + 1); ++r) {
        const bool rijBestaat = r == 0 || r <= rijen_;
        if (rijBestaat && v.actie[r].frameVisible && ActieWijzigKnop(r).contains(p)) return {Knop::PanelActie, r};
        if (rijBestaat && r >= 1 && v.actie[r].addButtonVisible && !v.actie[r].frameVisible &&
            ActieToevoegKnop(r).contains(p))
            return {Knop::VoegActieToe, r};
        if (r < 1) continue;
        for (int i = 3 * r - 2; i <= 3 * r; ++i) {
            if (i > cellen_) break;
            const ConditionCellView& c = v.cel[i];
            if (c.frameVisible && ConditieWijzigKnop(i).contains(p)) return {Knop::PanelConditie, i};
            if (c.addButtonVisible && !c.frameVisible && ConditieToevoegKnop(i).contains(p))
                return {Knop::VoegConditieToe, i};
            if (vertikaal_ && i <= 267 && c.linkButtonVisible && VertikaalKnop(i).contains(p))
                return {Knop::VoegConditieToeVertikaal, i};
        }
    }
    return {};
}

void LadderWidget::Klik(Treffer t) {
    const LadderKnoppen& k = ladderKnoppen;
    const std::function<void(int)>* hook = nullptr;
    switch (t.knop) {
        case Knop::PanelConditie: hook = &k.CommandPanelConditie; break;
        case Knop::VoegConditieToe: hook = &k.CommandVoegConditieToe; break;
        case Knop::VoegConditieToeVertikaal: hook = &k.CommandVoegConditieToeVertikaal; break;
        case Knop::PanelActie: hook = &k.CommandPanelActie; break;
        case Knop::VoegActieToe: hook = &k.CommandVoegActieToe; break;
        case Knop::Geen: return;
    }
    if (hook && *hook) (*hook)(t.index);
}

void LadderWidget::VerversAlsNodig() {
    if (ladderView.revision == getekend_) return;
    getekend_ = ladderView.revision;
    update();
}

void LadderWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        ingedrukt_ = KnopOp(e->position().toPoint());
        if (ingedrukt_.knop != Knop::Geen) update();
    }
    QWidget::mousePressEvent(e);
}

void LadderWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(e);
    const Treffer t = ingedrukt_;
    ingedrukt_ = {};
    if (t.knop == Knop::Geen) return;
    update();
    // A click counts when the button is released over the button it went down on.
    if (KnopOp(e->position().toPoint()) == t) Klik(t);
}

void LadderWidget::paintEvent(QPaintEvent* e) {
    const LadderView& v = ladderView;
    getekend_ = v.revision;
    QPainter p(this);
    const QRect vlak = e->rect();
    p.fillRect(vlak, Qt::white);

    // Printed texts: the start-only note and the rung numbers.
    if (!v.startNote.isEmpty() && vlak.top() < 40) {
        p.setPen(VbNaarQColor(0xC000));
        p.drawText(QRect(150, 20, 600, 16), Qt::AlignLeft | Qt::AlignTop, v.startNote);
    }

    const int eerste = std::clamp((vlak.top() - 44 - 45) / 80, 0, kRungs);
    const int laatste = std::clamp((vlak.bottom() - 44 + 45) / 80 + 1, 0, kRungs);

    // Rails.
    const int railOnder = rails_ ? kHoogte : Y(std::max(rijen_, 1)) + 40;
    Lijn(p, QLine(kRailLinksX, 84, kRailLinksX, railOnder), v.leftRailColor);
    Lijn(p, QLine(kRailRechtsX, 84, kRailRechtsX, railOnder), kKleurZwart);

    // Windowless lines first; everything with a window of its own lies above them.
    for (int r = std::max(eerste, 1); r <= std::min(laatste, rijen_); ++r) {
        const ActionRowView& a = v.actie[r];
        if (a.supplyVisible) Lijn(p, Voeding(r), a.supplyColor);
        Lijn(p, VoedingMin(r), kKleurZwart);
        if (a.orWireVisible) Lijn(p, HorOr(r), a.orWireColor);
        for (int i = 3 * r - 2; i <= std::min(3 * r, cellen_); ++i) {
            const ConditionCellView& c = v.cel[i];
            if (c.wireVisible) Lijn(p, ConditieDraad(i), c.wireColor);
            if (vertikaal_ && i <= 267 && c.linkLineVisible) Lijn(p, VertikaalLijn(i), c.linkLineColor);
        }
    }

    p.setFont(font());
    for (int r = eerste; r <= laatste; ++r) {
        const bool rijBestaat = r == 0 || r <= rijen_;
        if (!rijBestaat) continue;
        const ActionRowView& a = v.actie[r];
        if (r >= 1 && v.rungNumbers) {
            p.setPen(Qt::black);
            p.drawText(QRect(0, 80 * r + 33, 24, 16), Qt::AlignRight | Qt::AlignTop, QString::number(r));
        }
        if (r >= 1 && a.addButtonVisible)
            Knopvlak(p, ActieToevoegKnop(r), v.voegActieToeCaption, ingedrukt_ == Treffer{Knop::VoegActieToe, r});
        if (a.frameVisible) {
            Frame(p, ActieFrame(r), a.frameColor);
            for (int l = 0; l < 4; ++l) Regel(p, ActieRegel(r, l), a.lines[std::size_t(l)]);
            Knopvlak(p, ActieWijzigKnop(r), v.wijzigCaption, ingedrukt_ == Treffer{Knop::PanelActie, r});
        }
        if (r < 1) continue;
        for (int i = 3 * r - 2; i <= std::min(3 * r, cellen_); ++i) {
            const ConditionCellView& c = v.cel[i];
            if (c.addButtonVisible)
                Knopvlak(p, ConditieToevoegKnop(i), QStringLiteral("+"),
                         ingedrukt_ == Treffer{Knop::VoegConditieToe, i});
            if (c.frameVisible) {
                Frame(p, ConditieFrame(i), c.frameColor);
                for (int l = 0; l < 4; ++l) Regel(p, ConditieRegel(i, l), c.lines[std::size_t(l)]);
                Knopvlak(p, ConditieWijzigKnop(i), v.wijzigCaption, ingedrukt_ == Treffer{Knop::PanelConditie, i});
            }
            if (vertikaal_ && i <= 267 && c.linkButtonVisible)
                Knopvlak(p, VertikaalKnop(i), QString(), ingedrukt_ == Treffer{Knop::VoegConditieToeVertikaal, i});
        }
    }
}

}  // namespace tamberlo
