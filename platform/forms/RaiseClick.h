#pragma once
// Setting a check box, an option button or a list selection from code raises
// that control's click handler, as a user's click does. Qt's setters never
// emit `clicked`, so code that must behave that way calls these helpers.
// Handlers connect to QAbstractButton::clicked and QComboBox::activated /
// QListWidget::itemClicked; these helpers emit exactly those signals.

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QListWidget;

namespace tamberlo {

// Runs the button's click handler (its checked state unchanged).
void RaiseClick(QAbstractButton& button);
// A check box's value from code: the click handler runs when the value changed.
void SetCheckValue(QCheckBox& box, bool checked);
// An option button (or any checkable button) set to True from code: its
// click handler runs, also when it was already set.
void SelectOption(QAbstractButton& option);
// A list's selected index from code: the click handler runs for a valid index
// that differs from the current one (-1 clears the selection, no click).
void SetListIndex(QComboBox& list, int index);
void SetListIndex(QListWidget& list, int index);

}  // namespace tamberlo
