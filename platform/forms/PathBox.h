#pragma once
// A drop-down list of paths (the sound picker's drives). A box cannot scroll:
// a path too wide for it shows its start and its end with "…" between, the
// whole path as the box's tooltip, and whole in the opened list.

#include <QComboBox>

namespace tamberlo {

class PathBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    // The chosen path as the box shows it.
    QString shownText() const;

protected:
    void initStyleOption(QStyleOptionComboBox* option) const override;
    bool event(QEvent* e) override;
};

}  // namespace tamberlo
