#pragma once
// Whether a PDF file as Qt writes it arrived whole: its trailer is there and
// every object its cross-reference table lists starts where the table says.
// A pure check over bytes; it does not read the page contents.

#include <QByteArray>

namespace tamberlo {

bool IsWholePdf(const QByteArray& pdf);

}  // namespace tamberlo
