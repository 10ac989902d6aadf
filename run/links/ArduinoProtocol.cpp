#include "ArduinoProtocol.h"

#include <algorithm>

namespace tamberlo {

QString ArduinoOutputCommand(int byte) { return QStringLiteral("1/") + QString::number(byte & 0xFF) + QLatin1Char('/'); }

QString ArduinoPollCommand(const QString& icp12Type) {
    if (icp12Type == QLatin1String("ET") || icp12Type == QLatin1String("AT")) return kArduinoPollETAT;
    if (icp12Type == QLatin1String("TM")) return kArduinoPollTM;
    return {};
}

int ReadNumber(const QString& text, int maxChars) {
    int value = 0;
    const int n = std::min<int>(static_cast<int>(text.size()), maxChars);
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        value = value * 10 + (c.unicode() - '0');  // at most 6 digits: no overflow
    }
    return value;
}

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool IsInputCode(const QString& code) {
    if (code == QLatin1String("DI")) return true;
    return code.size() == 2 && code.at(0) == QLatin1Char('A') && code.at(1) >= QLatin1Char('0') && code.at(1) <= QLatin1Char('4');
}

bool IsIdentity(const QString& code) {
    return code == QLatin1String("ET") || code == QLatin1String("TM") || code == QLatin1String("AT");
}

}  // namespace

bool IsWholeArduinoReply(const QString& reply) {
    if (reply.size() == 2 && IsIdentity(reply)) return true;
    if (reply.size() < 3 || !IsInputCode(reply.left(2))) return false;
    for (qsizetype i = 2; i < reply.size(); ++i)
        if (!IsDigit(reply.at(i))) return false;
    return true;
}

bool IsPartialArduinoReply(const QString& text) {
    if (text.size() == 1) return QStringLiteral("DAET").contains(text.at(0));
    return text.size() == 2 && IsInputCode(text);  // the number is still to come
}

namespace {

// Whether `c` begins the next reply, so that the one in progress ends before
// it: `c` may start a code and does not carry `pending` on ("E" + "T").
bool BeginsNextReply(const QString& pending, QChar c) {
    if (!IsPartialArduinoReply(QString(c))) return false;
    const QString joined = pending + c;
    return !IsWholeArduinoReply(joined) && !IsPartialArduinoReply(joined);
}

}  // namespace

QStringList ArduinoReplyFramer::Feed(const QString& text) {
    QStringList replies;
    for (const QChar c : text) {
        if (!IsLineEnd(c) && HasPending() && BeginsNextReply(Pending(), c)) replies.append(Take());
        Put(c, replies);
    }
    return replies;
}

QString ArduinoReplyFramer::TakeAfterPause() {
    if (IsPartialArduinoReply(Pending())) return {};
    const QString reply = Take();
    return IsWholeArduinoReply(reply) ? reply : QString();
}

ArduinoReply ReadArduinoReply(const QString& reply) {
    ArduinoReply a;
    if (reply.size() < 2) return a;
    const QString code = reply.left(2);
    const QString rest = reply.mid(2);
    // A code without its number is no reading at all.
    if (IsInputCode(code) && (rest.isEmpty() || !IsDigit(rest.at(0)))) return a;
    if (code.at(0) == QLatin1Char('A') && code.at(1) >= QLatin1Char('0') && code.at(1) <= QLatin1Char('4')) {
        a.kind = ArduinoReply::Kind::Analog;
        a.channel = code.at(1).unicode() - '0';
        a.value = ReadNumber(rest);
    } else if (code == QLatin1String("DI")) {
        a.kind = ArduinoReply::Kind::Digital;
        a.value = ReadNumber(rest);
    } else if (code == QLatin1String("ET") || code == QLatin1String("TM") || code == QLatin1String("AT")) {
        a.kind = ArduinoReply::Kind::Identity;
        a.identity = code;
    }
    return a;
}

std::vector<std::optional<int>> ArduinoCommandFollower::Feed(const QString& text) {
    std::vector<std::optional<int>> outputs;
    for (const QString& field : fields_.Feed(text)) {
        if (!byteNext_) {
            byteNext_ = field == QLatin1String("1");
            continue;
        }
        byteNext_ = false;
        bool ok = std::all_of(field.begin(), field.end(), IsDigit);
        const int byte = ok ? field.toInt(&ok) : 0;
        outputs.push_back(ok && byte <= 255 ? std::optional<int>(byte) : std::nullopt);
    }
    return outputs;
}

void ArduinoCommandFollower::Reset() {
    fields_.Take();
    byteNext_ = false;
}

}  // namespace tamberlo
