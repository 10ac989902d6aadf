#pragma once
// A text as a message quotes it (a field of a file, a typed name): its
// printable characters as they are (outside the Basic Multilingual Plane too),
// any other (a control, a line or paragraph separator) shown as '?', so that
// a quote never breaks the message's line, and cut with "..." after `longest`
// characters.

#include <QString>

namespace tamberlo {

QString Quotable(const QString& text, qsizetype longest = 40);

}  // namespace tamberlo
