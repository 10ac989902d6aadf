#pragma once
// Keeps the entries of a list whole in the list's fixed room, whatever font it
// is given, as WholeCaption keeps a button's caption: the font given while
// every entry fits the list's width (and a row its height), otherwise that
// font shrunk to fit (ShrinkToFit), but never below the smaller of the font
// given and the list's design font: a name too long even there scrolls in a
// list as it does at the design font. Qt announces a new font but not new
// entries: FitEntries follows a refill.

#include <QComboBox>
#include <QListWidget>

namespace tamberlo {

// The list's font now is its design font.
void KeepEntriesWhole(QListWidget* list);
void KeepEntriesWhole(QComboBox* list);
// Gives a kept list the font it wants (a list not kept simply takes it).
// Setting the font directly does the same unless the font equals the one
// the list shows, for which Qt announces nothing.
void SetEntriesFont(QWidget* list, const QFont& font);
// Fits the list's entries anew; nothing for a list not kept whole.
void FitEntries(QWidget* list);

}  // namespace tamberlo
