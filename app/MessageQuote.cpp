#include "MessageQuote.h"

namespace tamberlo {

QString Quotable(QString text, qsizetype longest) {
    const bool cut = text.size() > longest;
    text.truncate(longest);
    for (QChar& c : text)
        if (!c.isPrint()) c = QLatin1Char('?');
    return cut ? text + QStringLiteral("...") : text;
}

}  // namespace tamberlo
