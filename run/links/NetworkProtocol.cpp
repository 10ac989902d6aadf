#include "NetworkProtocol.h"

namespace tamberlo {

QString NetwerkBericht(const QString& code, const QString& payload) { return code + kMessageSeparator + payload + kMessageEnd; }

namespace {
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
}  // namespace

std::optional<int> ReadNetworkNumber(const QString& text) {
    constexpr int kMaxDigits = 6;
    int value = 0;
    int i = 0;
    while (i < text.size() && i < kMaxDigits && isDigit(text.at(i))) {
        value = value * 10 + (text.at(i).unicode() - '0');
        ++i;
    }
    if (i == 0) return std::nullopt;
    if (i + 1 < text.size() && text.at(i) == QLatin1Char('.') && isDigit(text.at(i + 1)) && text.at(i + 1) >= QLatin1Char('5'))
        ++value;
    return value;
}

std::optional<int> FindValue(const QString& payload, const QString& key) {
    const qsizetype at = payload.indexOf(key);
    if (at < 0) return std::nullopt;
    return ReadNetworkNumber(payload.mid(at + key.size(), 16)).value_or(0);
}

}  // namespace tamberlo
