#include "WholeEntries.h"

#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace tamberlo {

namespace {

constexpr int kClearance = 2;

// The room of one entry's text in a list.
struct Room {
    QSize size;      // for the text of one entry
    int sideMargin;  // what the list draws beside an entry's text
};

QStringList entriesOf(const QWidget* w) {
    QStringList texts;
    if (auto* list = qobject_cast<const QListWidget*>(w))
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
}

Room roomOf(const QWidget* w) {
    const QStyle* style = w->style();
    if (auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        option.subControls = QStyle::SC_All;
        return {style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).size(), 0};
    }
    // A list: its room less a vertical scroll bar, whether one shows or not
    // (that depends on the font being fitted); an entry's text has a margin
    // on each side.
    const auto* list = static_cast<const QListWidget*>(w);
    QSize size = list->maximumViewportSize();
    size.rwidth() -= style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    return {size, 2 * margin};
}

bool fits(const QFont& font, const Room& room, const QStringList& entries) {
    const QFontMetrics metrics(font);
    const int width = room.size.width() - room.sideMargin - kClearance;
    // As a caption is measured: the lowest pixel row of a line draws nothing.
    return std::all_of(entries.begin(), entries.end(), [&](const QString& text) {
        const QRect need = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::AlignLeft | Qt::AlignVCenter, text);
        return need.width() <= width && need.height() <= room.size.height() + 1;
    });
}

void keep(QWidget* list) {
    // Shrunk no further than to the design size: a font that size or smaller
    // is shown as it is.
    KeepFontFitted(list, [design = list->font().pointSizeF()](const QWidget& w, const QFont& font) {
        return (font.pointSizeF() > 0 && font.pointSizeF() <= design) || fits(font, roomOf(&w), entriesOf(&w));
    });
}

}  // namespace

void KeepEntriesWhole(QListWidget* list) { keep(list); }

void KeepEntriesWhole(QComboBox* list) { keep(list); }

}  // namespace tamberlo
