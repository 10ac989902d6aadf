#pragma once
// An array of option buttons with the program's own indexes (0.. or 1..):
// at most one chosen, and none after the code cleared it. A user's click
// chooses the option and runs the click handler when the choice changed;
// code chooses with or without the handler (CodeSetting.h).

#include <QObject>
#include <QRadioButton>
#include <QRect>

#include <functional>
#include <optional>
#include <vector>

#include "CodeSetting.h"

namespace tamberlo {

class OptionGroup : public QObject {
    Q_OBJECT
public:
    OptionGroup(int lower, int upper, QObject* parent = nullptr);

    // Creates item `index` on `parent` (the parent owns the button).
    QRadioButton* create(int index, const QString& caption, QWidget* parent);
    QRadioButton* operator()(int index) const;
    bool contains(int index) const { return index >= lower_ && index <= upper_; }
    int lower() const { return lower_; }
    int upper() const { return upper_; }

    std::optional<int> selected() const { return selected_; }
    bool isSelected(int index) const { return selected_ == index; }
    // Chooses item `index` from code; an index the array lacks does nothing.
    void select(int index, Handler handler);
    // Shows a stored value: item `index`, or no item at all when the array
    // lacks it (a hand-edited file), never the choice an earlier row left.
    void selectOrClear(int index, Handler handler);
    // Clears item `index` (no handler): the array may then have no choice.
    void clear(int index);
    void clearAll();

    void setEnabled(int index, bool enabled);
    bool isEnabled(int index) const;
    void setCaption(int index, const QString& caption);
    QString caption(int index) const;
    // For items side by side in one row: while `share` holds, the last item
    // is hidden and the others share its room evenly; otherwise each item
    // has the place it was given.
    void shareLastItemsRoom(bool share);

    // The click handler, called with the item's index.
    void onClick(std::function<void(int)> handler) { handler_ = std::move(handler); }
    // Runs the click handler of item `index` as the program does explicitly.
    void raiseClick(int index);

private:
    void userClicked(int index);
    void show(std::optional<int> index);

    int lower_;
    int upper_;
    std::vector<QRadioButton*> buttons_;
    std::optional<int> selected_;
    std::function<void(int)> handler_;
    std::vector<QRect> places_;  // each item's own place, once its room was shared
};

}  // namespace tamberlo
