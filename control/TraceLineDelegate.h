#pragma once
// The trace window's row painter: paints a line as the standard item
// delegate does with the common styles, but lays out and shapes each line's
// text only once while it may be on screen. A module at full speed scrolls
// most of the list's rows in every batch; without this, every repaint shaped
// every visible row's text three times (size, elision, drawing).
// Not a general delegate: the focused row, a line wider than its row (the
// standard painting elides it) and anything but one line of left-aligned,
// left-to-right text are painted the standard way.

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include <memory>

namespace kelvanor {

class TraceLineDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // How many lines were laid out and shaped so far.
    int shapedLines() const { return shapedLines_; }

private:
    struct ShapedLine {
        QTextLayout layout;
        qreal width = 0;
        qreal height = 0;
    };
    const ShapedLine& Shaped(const QString& text, const QFont& font) const;

    // Two generations of shaped lines: a line not painted during the last
    // kGeneration new lines is dropped, so the cache holds what is on screen
    // and stays small whatever the list's length.
    static constexpr int kGeneration = 256;
    mutable QFont font_;
    mutable int shapedLines_ = 0;
    mutable QHash<QString, std::shared_ptr<ShapedLine>> recent_;
    mutable QHash<QString, std::shared_ptr<ShapedLine>> older_;
};

}  // namespace kelvanor
