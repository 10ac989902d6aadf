#include "PathBox.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace tamberlo {

namespace {

// The style draws the chosen entry in the edit field less a pixel on each side.
constexpr int kLabelInset = 2;

}  // namespace

QString PathBox::shownText() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return option.currentText;
}

void PathBox::initStyleOption(QStyleOptionComboBox* option) const {
    QComboBox::initStyleOption(option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, option, QStyle::SC_ComboBoxEditField, this);
    option->currentText = fontMetrics().elidedText(option->currentText, Qt::ElideMiddle, field.width() - kLabelInset);
}

bool PathBox::event(QEvent* e) {
    // The whole path on hover, only when the box shows part of it.
    if (e->type() == QEvent::ToolTip) setToolTip(shownText() == currentText() ? QString() : currentText());
    return QComboBox::event(e);
}

}  // namespace tamberlo
