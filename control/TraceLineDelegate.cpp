#include "TraceLineDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

namespace kelvanor {
namespace {

constexpr Qt::Alignment kLineAlignment = Qt::AlignLeft | Qt::AlignVCenter;
// Wide enough for any line: the painting decides whether it fits the row.
constexpr qreal kUnboundedWidth = 1e6;

// What the fast painting covers: one line of plain text in a row without focus.
bool PlainLine(const QStyleOptionViewItem& opt) {
    const auto extras =
        QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration;
    return (opt.features & QStyleOptionViewItem::HasDisplay) && !(opt.features & extras) &&
           !(opt.state & (QStyle::State_HasFocus | QStyle::State_Editing)) && opt.direction == Qt::LeftToRight &&
           opt.displayAlignment == kLineAlignment && !opt.text.contains(QChar::LineSeparator);
}

}  // namespace

const TraceLineDelegate::ShapedLine& TraceLineDelegate::Shaped(const QString& text, const QFont& font) const {
    if (font != font_) {
        recent_.clear();
        older_.clear();
        font_ = font;
    }
    if (auto it = recent_.constFind(text); it != recent_.cend()) return **it;
    std::shared_ptr<ShapedLine> line = older_.take(text);
    if (!line) {
        // Laid out as the standard painting lays out an item's text.
        line = std::make_shared<ShapedLine>();
        line->layout.setText(text);
        line->layout.setFont(font);
        QTextOption option;
        option.setWrapMode(QTextOption::ManualWrap);
        option.setTextDirection(Qt::LeftToRight);
        option.setAlignment(kLineAlignment);
        line->layout.setTextOption(option);
        // Keeps the shaped glyphs after the layout, for every later drawing.
        line->layout.setCacheEnabled(true);
        line->layout.beginLayout();
        QTextLine first = line->layout.createLine();
        first.setLineWidth(kUnboundedWidth);
        first.setPosition(QPointF(0, 0));
        line->layout.endLayout();
        line->width = first.naturalTextWidth();
        line->height = first.height();
        ++shapedLines_;
    }
    if (recent_.size() >= kGeneration) older_ = std::exchange(recent_, {});
    return **recent_.insert(text, std::move(line));
}

void TraceLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (!PlainLine(opt)) return QStyledItemDelegate::paint(painter, option, index);
    const QWidget* widget = opt.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
    const ShapedLine& line = Shaped(opt.text, opt.font);
    if (line.width > textRect.width()) return QStyledItemDelegate::paint(painter, option, index);

    painter->save();
    painter->setClipRect(opt.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active)) group = QPalette::Inactive;
    painter->setPen(opt.palette.color(group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    line.layout.draw(painter, QPointF(textRect.x(), textRect.y() + (textRect.height() - line.height) / 2));
    painter->restore();
}

}  // namespace kelvanor
