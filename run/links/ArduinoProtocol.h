#pragma once
// The Arduino sketch's serial protocol as pure functions over text: the
// commands the program sends, the cutting of the received stream into
// replies, and the meaning of one reply. No port, no timer, no state of the
// program: testable with plain strings.

#include <QString>
#include <QStringList>

#include "BoundedFramer.h"

namespace tamberlo {

// Commands. Every item ends in "/"; there is no line end.
inline const QString kArduinoHello = QStringLiteral("90/");
inline const QString kArduinoVersion = QStringLiteral("99/");
inline const QString kArduinoPollETAT = QStringLiteral("5/");
inline const QString kArduinoPollTM = QStringLiteral("7/");
// "1/" n "/": the eight outputs as one byte, bit 0 = output 1 (1/5/ for outputs 1 and 3).
QString ArduinoOutputCommand(int byte);
// The poll command for a board identity, "" when the board is unknown.
QString ArduinoPollCommand(const QString& icp12Type);

// Reads the decimal number at the start of `text`, at most `maxChars`
// characters, digits only: reading stops at the first non-digit, and no digit gives 0.
int ReadNumber(const QString& text, int maxChars = 6);

// One reply as the program understands it.
struct ArduinoReply {
    enum class Kind { Unknown, Analog, Digital, Identity };
    Kind kind = Kind::Unknown;
    int channel = 0;      // Analog: 0..4 (input channel + 1)
    int value = 0;      // Analog: the value; Digital: the input bits
    QString identity;  // "ET", "AT" or "TM"
};
// A reply is taken by its first two characters: "A0".."A4" and "DI" followed
// by a number, or an identity. Anything else is Unknown.
ArduinoReply ReadArduinoReply(const QString& reply);

// Cuts the received stream into replies. The sketch may end a reply with CR,
// LF, both or nothing; a reply without an end is ended by the caller after a
// short pause (Flush). A reply longer than kMaxAntwoord is garbage: it is
// dropped up to its next line end, so endless bytes cannot grow memory.
class ArduinoReplyFramer : public BoundedFramer {
public:
    static constexpr int kMaxReply = 32;

    ArduinoReplyFramer() : BoundedFramer(kMaxReply, IsLineEnd, false) {}
    // Ends the reply in progress (the line went quiet); returns it, or "".
    QString Flush() { return Take(); }

private:
    static bool IsLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
};

}  // namespace tamberlo
