#include "FontKeeper.h"

#include <QEvent>

#include "ShrinkToFit.h"

namespace tamberlo {

namespace {

// Watches its control's font and size: a font set from outside is the font
// the control wants, and a new size fits that font anew.
class FontKeeper : public QObject {
public:
    FontKeeper(QWidget* control, FitsIn fits)
        : QObject(control), control_(control), fits_(std::move(fits)), wanted_(control->font()) {
        setObjectName(QStringLiteral("FontKeeper"));
        control->installEventFilter(this);
        fit();
    }

    void want(const QFont& font) {
        wanted_ = font;
        fit();
    }

    void fit() {
        fitted_ = ShrinkToFit(wanted_, [this](const QFont& font) { return fits_(*control_, font); });
        if (control_->font() != fitted_) control_->setFont(fitted_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == control_ && e->type() == QEvent::FontChange && control_->font() != fitted_) want(control_->font());
        else if (watched == control_ && e->type() == QEvent::Resize) fit();
        return QObject::eventFilter(watched, e);
    }

private:
    QWidget* control_;
    FitsIn fits_;
    QFont wanted_;
    QFont fitted_;
};

// By its name: findChild by type would take any plain QObject child (a
// style's animation) for the keeper, which has no meta-object of its own.
FontKeeper* keeperOf(const QWidget* control) {
    return dynamic_cast<FontKeeper*>(control->findChild<QObject*>(QStringLiteral("FontKeeper"), Qt::FindDirectChildrenOnly));
}

}  // namespace

void KeepFontFitted(QWidget* control, FitsIn fits) {
    if (!keeperOf(control)) new FontKeeper(control, std::move(fits));
}

void WantFont(QWidget* control, const QFont& font) {
    if (FontKeeper* keeper = keeperOf(control)) keeper->want(font);
    else control->setFont(font);
}

void FitFont(QWidget* control) {
    if (FontKeeper* keeper = keeperOf(control)) keeper->fit();
}

}  // namespace tamberlo
