#include "LadderWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "LadderButtons.h"
#include "LadderGeometry.h"
#include "LadderView.h"
#include "VbColor.h"

namespace tamberlo {

LadderButtons ladderButtons;

namespace {

using namespace ladder;

void ButtonFace(QPainter& p, const QRect& r, const QString& text, bool in) {
    p.fillRect(r, QColor(0xD7, 0xD7, 0xD7));
    p.setPen(in ? QColor(96, 96, 96) : QColor(255, 255, 255));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(in ? QColor(255, 255, 255) : QColor(96, 96, 96));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(Qt::black);
    p.drawText(r.adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void PaintCaptionLine(QPainter& p, const QRect& r, const CaptionPanel& c) {
    p.fillRect(r, VbToQColor(c.backColor));
    p.setPen(QColor(128, 128, 128));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (!c.caption.isEmpty()) {
        p.setPen(VbToQColor(c.foreColor));
        p.drawText(r.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, c.caption);
    }
}

void Frame(QPainter& p, const QRect& r, VbColor color) {
    p.fillRect(r, VbToQColor(color));
    p.setPen(QColor(255, 255, 255));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(96, 96, 96));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void PaintLine(QPainter& p, const QLine& l, VbColor color) {
    p.setPen(QPen(VbToQColor(color), 2));
    p.drawLine(l);
}

}  // namespace

LadderWidget::LadderWidget(QWidget* parent) : QWidget(parent) {
    setProperty("pictureBox", true);  // the mouse wheel scrolls the ladder over picture boxes
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kWidth, kHeight);
    QFont f = font();
    f.setPixelSize(10);
    setFont(f);
}

void LadderWidget::MakeActionRow(int r) {
    if (r != rows_ + 1 || r > kRungs) return;
    rows_ = r;
    update(0, Y(r) - 40, kWidth, 80);
}

void LadderWidget::MakeConditionCell(int i) {
    if (i != cells_ + 1 || i > kConditions) return;
    cells_ = i;
    update(ConditionFrame(i).adjusted(-80, -40, 80, 40));
}

void LadderWidget::TekenVertikaleLijnen() {
    vertical_ = true;
    update();
}

void LadderWidget::RailsFull() {
    rails_ = true;
    update();
}

LadderWidget::Hit LadderWidget::ButtonAt(QPoint p) const {
    const LadderView& v = ladderView;
    // Rows whose items can lie under the point: one rung either side.
    const int rung = std::clamp((p.y() - 44 + 40) / 80, 0, kRungs);
    for (int r = std::max(0, rung - 1); r <= std::min(kRungs, rung + 1); ++r) {
        const bool rowExists = r == 0 || r <= rows_;
        if (rowExists && v.action[r].frameVisible && ActionChangeButton(r).contains(p)) return {Button::PanelActie, r};
        if (rowExists && r >= 1 && v.action[r].addButtonVisible && !v.action[r].frameVisible && ActionAddButton(r).contains(p))
            return {Button::AddAction, r};
        if (r < 1) continue;
        for (int i = 3 * r - 2; i <= 3 * r; ++i) {
            if (i > cells_) break;
            const ConditionCellView& c = v.cell[i];
            if (c.frameVisible && ConditionChangeButton(i).contains(p)) return {Button::PanelConditie, i};
            if (c.addButtonVisible && !c.frameVisible && ConditionAddButton(i).contains(p)) return {Button::AddCondition, i};
            if (vertical_ && i <= 267 && c.linkButtonVisible && VerticalButton(i).contains(p))
                return {Button::AddConditionVertical, i};
        }
    }
    return {};
}

bool LadderWidget::OnItem(QPoint p) const {
    if (ButtonAt(p).button != Button::None) return true;
    const LadderView& v = ladderView;
    const int rung = std::clamp((p.y() - 44 + 40) / 80, 0, kRungs);
    for (int r = std::max(0, rung - 1); r <= std::min(kRungs, rung + 1); ++r) {
        const bool rowExists = r == 0 || r <= rows_;
        if (rowExists && v.action[r].frameVisible && ActionFrame(r).contains(p)) return true;
        if (r < 1) continue;
        for (int i = 3 * r - 2; i <= std::min(3 * r, cells_); ++i)
            if (v.cell[i].frameVisible && ConditionFrame(i).contains(p)) return true;
    }
    return false;
}

void LadderWidget::Click(Hit t) {
    const LadderButtons& k = ladderButtons;
    const std::function<void(int)>* hook = nullptr;
    switch (t.button) {
    case Button::PanelConditie: hook = &k.CommandPanelConditie; break;
    case Button::AddCondition: hook = &k.CommandVoegConditieToe; break;
    case Button::AddConditionVertical: hook = &k.CommandVoegConditieToeVertikaal; break;
    case Button::PanelActie: hook = &k.CommandPanelActie; break;
    case Button::AddAction: hook = &k.CommandVoegActieToe; break;
    case Button::None: return;
    }
    if (hook && *hook) (*hook)(t.index);
}

void LadderWidget::RefreshIfNeeded() {
    const LadderView& v = ladderView;
    if (v.revision == drawn_) return;
    drawn_ = v.revision;
    Shown& s = shown_;
    if (v.changeCaption != s.changeCaption || v.addActionCaption != s.addActionCaption) {
        // Every frame's button says it.
        s.changeCaption = v.changeCaption;
        s.addActionCaption = v.addActionCaption;
        update();
    }
    QRegion dirty;
    for (int i = 1; i <= kConditions; ++i) {
        if (v.cell[i] == s.cell[i]) continue;
        s.cell[i] = v.cell[i];
        dirty += CellRegion(i);
    }
    for (int r = 0; r <= kRungs; ++r) {
        if (v.action[r] == s.action[r]) continue;
        s.action[r] = v.action[r];
        dirty += RowRegion(r);
    }
    if (v.rungNumbers != s.rungNumbers) {
        s.rungNumbers = v.rungNumbers;
        dirty += QRect(0, 0, RungNumber(0).right() + 1, kHeight);
    }
    if (v.leftRailColor != s.leftRailColor) {
        s.leftRailColor = v.leftRailColor;
        dirty += LineBounds(QLine(kRailLeftX, 0, kRailLeftX, kHeight));
    }
    if (v.startNote != s.startNote) {
        s.startNote = v.startNote;
        dirty += StartNote();
    }
    if (!dirty.isEmpty()) update(dirty);
}

QRegion LadderWidget::RegionOf(Hit t) {
    switch (t.button) {
    case Button::PanelConditie:
    case Button::AddCondition:
    case Button::AddConditionVertical: return CellRegion(t.index);
    case Button::PanelActie:
    case Button::AddAction: return RowRegion(t.index);
    case Button::None: break;
    }
    return {};
}

void LadderWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        pressed_ = ButtonAt(e->position().toPoint());
        firstPressOnItem_ = OnItem(e->position().toPoint());
        if (pressed_.button != Button::None) update(RegionOf(pressed_));
    }
    QWidget::mousePressEvent(e);
}

void LadderWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(e);
    const Hit t = pressed_;
    pressed_ = {};
    if (t.button == Button::None) return;
    update(RegionOf(t));
    // A click counts when the button is released over the button it went down on.
    if (ButtonAt(e->position().toPoint()) == t) Click(t);
}

void LadderWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    // Only the bare area answers a double-click; a cell's frame and captions
    // are controls of their own. The second press of a double-click on a
    // button is no second click: the first one acted already, and its effect
    // (an opened editor, a new cell, a link) now lies under the pointer, so
    // judge by where the first press went as well.
    if (firstPressOnItem_ || OnItem(e->position().toPoint())) return;
    emit backgroundDoubleClicked();
}

void LadderWidget::paintEvent(QPaintEvent* e) {
    const LadderView& v = ladderView;
    QPainter p(this);
    const QRegion& region = e->region();
    const QRect area = region.boundingRect();
    p.fillRect(area, Qt::white);

    // Printed texts: the start-only note and the rung numbers.
    if (!v.startNote.isEmpty() && region.intersects(StartNote())) {
        p.setPen(VbToQColor(0xC000));
        p.drawText(StartNote(), Qt::AlignLeft | Qt::AlignTop, v.startNote);
    }

    const int first = std::clamp((area.top() - 44 - 45) / 80, 0, kRungs);
    const int last = std::clamp((area.bottom() - 44 + 45) / 80 + 1, 0, kRungs);

    // Rails.
    const int railBottom = rails_ ? kHeight : Y(std::max(rows_, 1)) + 40;
    PaintLine(p, QLine(kRailLeftX, 84, kRailLeftX, railBottom), v.leftRailColor);
    PaintLine(p, QLine(kRailRightX, 84, kRailRightX, railBottom), kColorBlack);

    // Windowless lines first; everything with a window of its own lies above them.
    for (int r = std::max(first, 1); r <= std::min(last, rows_); ++r) {
        const ActionRowView& a = v.action[r];
        if (a.supplyVisible) PaintLine(p, Supply(r), a.supplyColor);
        PaintLine(p, SupplyMinus(r), kColorBlack);
        if (a.orWireVisible) PaintLine(p, HorOr(r), a.orWireColor);
        for (int i = 3 * r - 2; i <= std::min(3 * r, cells_); ++i) {
            const ConditionCellView& c = v.cell[i];
            if (c.wireVisible) PaintLine(p, ConditionWire(i), c.wireColor);
            if (vertical_ && i <= 267 && c.linkLineVisible) PaintLine(p, VerticalLine(i), c.linkLineColor);
        }
    }

    // The items with texts, only those the region touches: shaping their
    // texts is what a paint costs.
    p.setFont(font());
    for (int r = first; r <= last; ++r) {
        const bool rowExists = r == 0 || r <= rows_;
        if (!rowExists) continue;
        const ActionRowView& a = v.action[r];
        if (r >= 1 && v.rungNumbers && region.intersects(RungNumber(r))) {
            p.setPen(Qt::black);
            p.drawText(RungNumber(r), Qt::AlignRight | Qt::AlignTop, QString::number(r));
        }
        if (r >= 1 && a.addButtonVisible && region.intersects(ActionAddButton(r)))
            ButtonFace(p, ActionAddButton(r), v.addActionCaption, pressed_ == Hit{Button::AddAction, r});
        if (a.frameVisible && region.intersects(ActionFrame(r))) {
            Frame(p, ActionFrame(r), a.frameColor);
            for (int l = 0; l < 4; ++l) PaintCaptionLine(p, ActionTextLine(r, l), a.lines[std::size_t(l)]);
            ButtonFace(p, ActionChangeButton(r), v.changeCaption, pressed_ == Hit{Button::PanelActie, r});
        }
        if (r < 1) continue;
        for (int i = 3 * r - 2; i <= std::min(3 * r, cells_); ++i) {
            const ConditionCellView& c = v.cell[i];
            if (c.addButtonVisible && region.intersects(ConditionAddButton(i)))
                ButtonFace(p, ConditionAddButton(i), QStringLiteral("+"), pressed_ == Hit{Button::AddCondition, i});
            if (c.frameVisible && region.intersects(ConditionFrame(i))) {
                Frame(p, ConditionFrame(i), c.frameColor);
                for (int l = 0; l < 4; ++l) PaintCaptionLine(p, ConditionTextLine(i, l), c.lines[std::size_t(l)]);
                ButtonFace(p, ConditionChangeButton(i), v.changeCaption, pressed_ == Hit{Button::PanelConditie, i});
            }
            if (vertical_ && i <= 267 && c.linkButtonVisible && region.intersects(VerticalButton(i)))
                ButtonFace(p, VerticalButton(i), QString(), pressed_ == Hit{Button::AddConditionVertical, i});
        }
    }
}

}  // namespace tamberlo
