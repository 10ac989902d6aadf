#include "RaiseClick.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

namespace tamberlo {

void RaiseClick(QAbstractButton& button) { emit button.clicked(button.isChecked()); }

void SetCheckValue(QCheckBox& box, bool checked) {
    if (box.isChecked() == checked) return;
    box.setChecked(checked);
    emit box.clicked(checked);
}

void SelectOption(QAbstractButton& option) {
    option.setChecked(true);
    emit option.clicked(true);
}

void SetListIndex(QComboBox& list, int index) {
    if (index < -1 || index >= list.count()) return;
    if (list.currentIndex() == index) return;
    list.setCurrentIndex(index);
    if (index >= 0) emit list.activated(index);
}

void SetListIndex(QListWidget& list, int index) {
    if (index < -1 || index >= list.count()) return;
    if (list.currentRow() == index) return;
    list.setCurrentRow(index);
    if (index >= 0) emit list.itemClicked(list.item(index));
}

}  // namespace tamberlo
