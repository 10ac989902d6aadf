#pragma once
// The Arduino sketch's serial protocol as pure functions over text: the
// commands the program sends, the cutting of the received stream into
// replies, and the meaning of one reply. No port, no timer, no state of the
// program: testable with plain strings.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

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
    int channel = 0;   // Analog: 0..4 (input channel + 1)
    int value = 0;     // Analog: the value; Digital: the input bits
    QString identity;  // "ET", "AT" or "TM"
};
// A reply is taken by its first two characters: "A0".."A4" and "DI" followed
// by at least one digit, or an identity. Anything else is Unknown: a code
// without digits never reads as 0.
ArduinoReply ReadArduinoReply(const QString& reply);

// Whether a reply that came without a line end is whole: an identity, or an
// input code followed by a digit.
bool IsWholeArduinoReply(const QString& reply);
// Whether `text` is the start of a reply that more bytes may still make
// whole ("D", "DI", "A3", ...).
bool IsPartialArduinoReply(const QString& text);

// The sketch's inputs are polled this often (TimerSerialPort).
inline constexpr int kArduinoPollMs = 20;
// A USB-serial bridge holds received bytes up to this long, so a reply may
// arrive in pieces this far apart, split anywhere, even inside its number.
inline constexpr int kArduinoPieceGapMs = 16;
// How long the line must stay quiet before the reply in progress counts as
// complete when neither its line end nor the next reply's code has ended it.
// The sketch only answers polls, so while the poll runs the next reply's code
// ends every reply; the pause ends only the last one before the poll stops.
// Longer than the poll period, it never ends a reply while the poll runs; and
// longer than any gap between the pieces of one reply, it never ends "DI2"
// while the "1" of "DI21" is still to come.
inline constexpr int kArduinoReplyPauseMs = 2 * kArduinoPollMs;
static_assert(kArduinoReplyPauseMs > kArduinoPollMs && kArduinoReplyPauseMs > kArduinoPieceGapMs);
// After the last poll, its reply has come in and been taken within this long:
// its pieces, the quiet pause, and time for the sketch to answer.
inline constexpr int kArduinoLastReplyMs = kArduinoPieceGapMs + kArduinoReplyPauseMs + 10;

// Cuts the received stream into replies. A reply ends at its line end (CR,
// LF or both), where the next reply's code begins ("DI21" in "DI21DI5"), or,
// when neither comes, after a quiet pause (TakeAfterPause) — and a pause ends
// only whole replies: USB-serial bridges deliver a reply in pieces, so "DI"
// and then "21" must not read as "DI" alone. A sketch may switch between
// the ways from reply to reply. A reply longer than kMaxReply is garbage: it
// is dropped up to its next line end or pause, so endless bytes cannot grow
// memory.
class ArduinoReplyFramer : public BoundedFramer {
public:
    static constexpr int kMaxReply = 32;

    ArduinoReplyFramer() : BoundedFramer(kMaxReply, IsLineEnd, false) {}
    QStringList Feed(const QString& text);
    // How long the line must stay quiet before TakeAfterPause; 0 when there
    // is nothing to end. Garbage being dropped waits for it too: a sketch
    // without line ends has no other way back in step.
    int PauseMs() const { return HasPending() || Skipping() ? kArduinoReplyPauseMs : 0; }
    // The line went quiet: returns the reply in progress when it is whole;
    // keeps a partial one for the bytes still to come and drops anything else.
    QString TakeAfterPause();
    // Ends the reply in progress whatever it holds (the port closed); returns it, or "".
    QString Flush() { return Take(); }
    // A new port or sketch: forgets the reply in progress.
    void Reset() { Take(); }

private:
    static bool IsLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
};

// Follows the commands the program writes to the sketch, however they are
// cut into writes, and reads the outputs each "1/<n>/" among them sets. The
// board has no read-back: whoever writes to its port, this tells what it shows.
class ArduinoCommandFollower {
public:
    // Takes written text; returns the outputs of each output command it
    // completed, in order: the byte, or nothing when the number is not 0..255.
    std::vector<std::optional<int>> Feed(const QString& text);
    // A new port: the next text starts a command.
    void Reset();

private:
    static bool IsEnd(QChar c) { return c == QLatin1Char('/'); }
    BoundedFramer fields_{8, IsEnd, true};
    bool byteNext_ = false;  // the field after "1" is the outputs
};

}  // namespace tamberlo
