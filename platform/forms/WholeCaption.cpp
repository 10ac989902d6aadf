#include "WholeCaption.h"

#include <QCheckBox>
#include <QEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace tamberlo {

namespace {

constexpr qreal kSmallestPoints = 4;
constexpr int kSmallestPixels = 5;
constexpr int kClearance = 2;

bool fits(const QFont& font, const QRect& room, const QString& text) {
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
        QFont font = wanted_;
        while (!fits(font, room, button_->text())) {
            if (font.pointSizeF() > kSmallestPoints) font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() - 0.5));
            else if (font.pointSizeF() <= 0 && font.pixelSize() > kSmallestPixels) font.setPixelSize(font.pixelSize() - 1);
            else break;
        }
        fitted_ = font;
        if (button_->font() != font) button_->setFont(font);
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
    if (!button->findChild<CaptionKeeper*>(QString(), Qt::FindDirectChildrenOnly)) new CaptionKeeper(button);
}

void FitCaption(QAbstractButton* button) {
    if (auto* keeper = button->findChild<CaptionKeeper*>(QString(), Qt::FindDirectChildrenOnly)) keeper->fit();
}

}  // namespace tamberlo
