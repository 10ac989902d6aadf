#pragma once
// A text as a message quotes it (a field of a file, a typed name): only
// printable characters, others shown as '?', and cut with "..." when long.

#include <QString>

namespace tamberlo {

QString Quotable(QString text, qsizetype longest = 40);

}  // namespace tamberlo
