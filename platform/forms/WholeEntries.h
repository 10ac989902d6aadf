#pragma once
// Keeps the entries of a list whole in the list's fixed room, whatever font it
// is given (FontKeeper), as WholeCaption keeps a button's caption: the font
// given while every entry fits the list's width (and a row its height),
// otherwise that font shrunk to fit, but never below the smaller of the font
// given and the list's design font. There a name too long scrolls in a list,
// as it does at the design font, and a drive box (PathBox) shows its start
// and end. Qt announces no new entries: FitFont follows a refill.

#include <QComboBox>
#include <QListWidget>

#include "FontKeeper.h"

namespace tamberlo {

// The list's font now is its design font.
void KeepEntriesWhole(QListWidget* list);
void KeepEntriesWhole(QComboBox* list);

}  // namespace tamberlo
