#pragma once
// The single-byte code page of the program's text files (Windows-1252), so
// that files written on the program's older platform read the same here.

#include <QString>

#include <string>
#include <string_view>

namespace tamberlo {

// Characters the code page lacks become '?'.
std::string ToCodePage(const QString& text);
QString FromCodePage(std::string_view bytes);
// Whether the code page gives `text` back unchanged.
bool CodePageHolds(const QString& text);

// A text kept on one line of a file: a line end inside it would split its
// record, so it is written as '?' like any character the code page lacks.
std::string ToCodePageLine(const QString& text);
// Whether such a line gives `text` back unchanged.
bool CodePageLineHolds(const QString& text);

}  // namespace tamberlo
