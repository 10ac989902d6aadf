#include "MessageQuote.h"

namespace tamberlo {

namespace {

// Shown as it is: printable, and no line or paragraph separator, at which a
// message box would break its line (U+2028, U+2029; U+0085 is a control).
bool Shown(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return QChar::isPrint(c) && category != QChar::Separator_Line && category != QChar::Separator_Paragraph;
}

}  // namespace

QString Quotable(const QString& text, qsizetype longest) {
    QString quoted;
    qsizetype shown = 0;
    // Character by character: a pair of surrogates is one character, and
    // only a lone surrogate is unprintable.
    for (qsizetype i = 0; i < text.size(); ++i, ++shown) {
        if (shown == longest) return quoted + QStringLiteral("...");
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            if (Shown(QChar::surrogateToUcs4(c, text[i + 1]))) quoted += text.mid(i, 2);
            else quoted += QLatin1Char('?');
            ++i;
        } else {
            quoted += Shown(c.unicode()) ? c : QLatin1Char('?');
        }
    }
    return quoted;
}

}  // namespace tamberlo
