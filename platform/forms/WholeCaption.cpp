#include "WholeCaption.h"

#include <QCheckBox>
#include <QEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "ShrinkToFit.h"

namespace tamberlo {

namespace {

constexpr int kClearance = 2;

bool fits(const QFont& font, const QRect& room, const QString& text) {
    if (text.isEmpty()) return true;  // an option shown by its circle alone
    const QRect need = QFontMetrics(font).boundingRect(QRect(room.topLeft(), QSize(room.width(), 100000)),
                                                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text);
    // A little clearance before whatever follows (the next option's circle);
    // the lowest pixel row of a line is below every descent and draws nothing.
    return need.width() <= room.width() - kClearance && need.height() <= room.height() + 1;
}

// Watches its button's font: one set from outside is the font the button wants.
class CaptionKeeper : public QObject {
public:
    explicit CaptionKeeper(QAbstractButton* button) : QObject(button), button_(button), wanted_(button->font()) {
        setObjectName(QStringLiteral("CaptionKeeper"));
        button->installEventFilter(this);
        fit();
    }

    void fit() {
        const QRect room = CaptionRoom(button_);
        const QString text = button_->text();
        fitted_ = ShrinkToFit(wanted_, [&](const QFont& font) { return fits(font, room, text); });
        if (button_->font() != fitted_) button_->setFont(fitted_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == button_ && e->type() == QEvent::FontChange && button_->font() != fitted_) {
            wanted_ = button_->font();
            fit();
        }
        return QObject::eventFilter(watched, e);
    }

private:
    QAbstractButton* button_;
    QFont wanted_;
    QFont fitted_;
};

// By its name: findChild by type would take any plain QObject child (a
// style's animation) for the keeper, which has no meta-object of its own.
CaptionKeeper* keeperOf(QAbstractButton* button) {
    return dynamic_cast<CaptionKeeper*>(button->findChild<QObject*>(QStringLiteral("CaptionKeeper"), Qt::FindDirectChildrenOnly));
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
    if (!keeperOf(button)) new CaptionKeeper(button);
}

void FitCaption(QAbstractButton* button) {
    if (CaptionKeeper* keeper = keeperOf(button)) keeper->fit();
}

void SetButtonCaption(QAbstractButton* button, const QString& caption) {
    if (button->text() == caption) return;
    button->setText(caption);
    FitCaption(button);
}

}  // namespace tamberlo
