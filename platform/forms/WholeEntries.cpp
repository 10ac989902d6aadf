#include "WholeEntries.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

#include "ShrinkToFit.h"

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

// Watches its list's font: one set from outside is the font the list wants.
class EntriesKeeper : public QObject {
public:
    explicit EntriesKeeper(QWidget* list) : QObject(list), list_(list), design_(list->font()), wanted_(design_) {
        setObjectName(QStringLiteral("EntriesKeeper"));
        list->installEventFilter(this);
        fit();
    }

    void want(const QFont& font) {
        wanted_ = font;
        fit();
    }

    void fit() {
        const Room room = roomOf(list_);
        const QStringList entries = entriesOf(list_);
        // Shrunk no further than to the design size: a font that size or
        // smaller is shown as it is.
        const qreal design = design_.pointSizeF();
        fitted_ = ShrinkToFit(wanted_, [&](const QFont& font) {
            return (font.pointSizeF() > 0 && font.pointSizeF() <= design) || fits(font, room, entries);
        });
        if (list_->font() != fitted_) list_->setFont(fitted_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == list_ && e->type() == QEvent::FontChange && list_->font() != fitted_) want(list_->font());
        else if (watched == list_ && e->type() == QEvent::Resize) fit();
        return QObject::eventFilter(watched, e);
    }

private:
    QWidget* list_;
    QFont design_;
    QFont wanted_;
    QFont fitted_;
};

// By its name: findChild by type would take any plain QObject child (a
// style's animation) for the keeper, which has no meta-object of its own.
EntriesKeeper* keeperOf(QWidget* list) {
    return dynamic_cast<EntriesKeeper*>(list->findChild<QObject*>(QStringLiteral("EntriesKeeper"), Qt::FindDirectChildrenOnly));
}

void keep(QWidget* list) {
    if (!keeperOf(list)) new EntriesKeeper(list);
}

}  // namespace

void KeepEntriesWhole(QListWidget* list) { keep(list); }

void KeepEntriesWhole(QComboBox* list) { keep(list); }

void SetEntriesFont(QWidget* list, const QFont& font) {
    if (EntriesKeeper* keeper = keeperOf(list)) keeper->want(font);
    else list->setFont(font);
}

void FitEntries(QWidget* list) {
    if (EntriesKeeper* keeper = keeperOf(list)) keeper->fit();
}

}  // namespace tamberlo
