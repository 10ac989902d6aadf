#include "OptionGroup.h"

#include <algorithm>

#include "EditorTabs.h"
#include "WholeCaption.h"

namespace tamberlo {

namespace {

// An option button that a click never clears: clicking the chosen option
// leaves it chosen, as the program's options behave.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override { setChecked(true); }
};

}  // namespace

OptionGroup::OptionGroup(int lower, int upper, QObject* parent)
    : QObject(parent), lower_(lower), upper_(upper), buttons_(std::size_t(upper - lower + 1), nullptr) {}

QRadioButton* OptionGroup::create(int index, const QString& caption, QWidget* parent) {
    if (!contains(index)) return nullptr;
    auto* button = new OptionButton(caption, parent);
    // Exclusivity is the group's: Qt's would forbid "no option chosen".
    button->setAutoExclusive(false);
    button->setChecked(selected_ == index);
    buttons_[std::size_t(index - lower_)] = button;
    connect(button, &QAbstractButton::clicked, this, [this, index] { userClicked(index); });
    return button;
}

QRadioButton* OptionGroup::operator()(int index) const {
    return contains(index) ? buttons_[std::size_t(index - lower_)] : nullptr;
}

void OptionGroup::show(std::optional<int> index) {
    selected_ = index;
    for (int i = lower_; i <= upper_; ++i)
        if (QRadioButton* b = (*this)(i)) b->setChecked(selected_ == i);
}

void OptionGroup::select(int index, Handler handler) {
    if (!contains(index)) return;
    const bool changed = selected_ != index;
    show(index);
    if (changed && handler == Handler::RunIfChanged) raiseClick(index);
}

void OptionGroup::selectOrClear(int index, Handler handler) {
    if (contains(index)) select(index, handler);
    else clearAll();
}

void OptionGroup::clear(int index) {
    if (selected_ == index) show(std::nullopt);
}

void OptionGroup::clearAll() { show(std::nullopt); }

void OptionGroup::setEnabled(int index, bool enabled) {
    if (QRadioButton* b = (*this)(index)) b->setEnabled(enabled);
}

bool OptionGroup::isEnabled(int index) const {
    const QRadioButton* b = (*this)(index);
    return b && b->isEnabled();
}

void OptionGroup::setCaption(int index, const QString& caption) {
    QRadioButton* b = (*this)(index);
    if (b) SetButtonCaption(b, caption);
}

void OptionGroup::shareLastItemsRoom(bool share) {
    if (buttons_.empty()) return;
    if (places_.empty()) {
        if (!share) return;
        for (QRadioButton* b : buttons_) places_.push_back(b ? b->geometry() : QRect());
    }
    const std::size_t last = buttons_.size() - 1;
    const int left = places_.front().left(), width = (places_.back().right() + 1 - left) / int(std::max<std::size_t>(1, last));
    for (std::size_t i = 0; i <= last; ++i) {
        QRadioButton* b = buttons_[i];
        if (!b) continue;
        const QRect& own = places_[i];
        if (i == last) b->setVisible(!share);
        else b->setGeometry(share ? QRect(left + int(i) * width, own.top(), width, own.height()) : own);
        FitFont(b);  // its room changed
    }
}

QString OptionGroup::caption(int index) const {
    const QRadioButton* b = (*this)(index);
    return b ? b->text() : QString();
}

void OptionGroup::raiseClick(int index) {
    if (contains(index) && handler_) handler_(index);
}

void OptionGroup::userClicked(int index) {
    if (selected_ == index) return;
    EditorTabs::announceChoiceFrom((*this)(index));
    show(index);
    raiseClick(index);
}

}  // namespace tamberlo
