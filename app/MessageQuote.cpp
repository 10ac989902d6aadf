#include "MessageQuote.h"

namespace tamberlo {

QString Quotable(const QString& text, qsizetype longest) {
    QString quoted;
    qsizetype shown = 0;
    // Character by character: a pair of surrogates is one character, and
    // only a lone surrogate is unprintable.
    for (qsizetype i = 0; i < text.size(); ++i, ++shown) {
        if (shown == longest) return quoted + QStringLiteral("...");
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            if (QChar::isPrint(QChar::surrogateToUcs4(c, text[i + 1]))) quoted += text.mid(i, 2);
            else quoted += QLatin1Char('?');
            ++i;
        } else {
            quoted += c.isPrint() ? c : QLatin1Char('?');
        }
    }
    return quoted;
}

}  // namespace tamberlo
