#include "WholeCaption.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace tamberlo {

namespace {

constexpr int kClearance = 2;

bool fits(const QAbstractButton& button, const QFont& font) {
    const QString text = button.text();
    if (text.isEmpty()) return true;  // an option shown by its circle alone
    const QRect room = CaptionRoom(&button);
    const QRect need = QFontMetrics(font).boundingRect(QRect(room.topLeft(), QSize(room.width(), 100000)),
                                                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text);
    // A little clearance before whatever follows (the next option's circle);
    // the lowest pixel row of a line is below every descent and draws nothing.
    return need.width() <= room.width() - kClearance && need.height() <= room.height() + 1;
}

}  // namespace

QRect CaptionRoom(const QAbstractButton* b) {
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    if (qobject_cast<const QRadioButton*>(b)) return b->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, b);
    if (qobject_cast<const QCheckBox*>(b)) return b->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, b);
    QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
    if (!b->icon().isNull()) room.setLeft(room.left() + b->iconSize().width() + 4);
    return room;
}

void KeepCaptionWhole(QAbstractButton* button) {
    KeepFontFitted(button,
                   [](const QWidget& w, const QFont& font) { return fits(static_cast<const QAbstractButton&>(w), font); });
}

void SetButtonCaption(QAbstractButton* button, const QString& caption) {
    if (button->text() == caption) return;
    button->setText(caption);
    FitFont(button);
}

}  // namespace tamberlo
