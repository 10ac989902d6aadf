// Feeds arbitrary bytes, in arbitrary pieces, to the Arduino link's reader:
// the framer that cuts replies at CR or LF, where the next code begins and at
// a pause, and the reader of one reply. Replies must respect the bound and
// read into known ranges; a pause gives whole replies only.

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdlib>

#include "ArduinoProtocol.h"

using namespace tamberlo;

namespace {

void check(const QString& reply) {
    if (reply.size() > ArduinoReplyFramer::kMaxReply) std::abort();
    if (reply.contains(QLatin1Char('\r')) || reply.contains(QLatin1Char('\n'))) std::abort();
    const ArduinoReply a = ReadArduinoReply(reply);
    if (a.kind == ArduinoReply::Kind::Analog && (a.channel < 0 || a.channel > 4)) std::abort();
    if (a.value < 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    ArduinoReplyFramer framer;
    while (in.remaining_bytes() > 0) {
        const bool pause = in.ConsumeBool();
        const std::string piece = in.ConsumeRandomLengthString(80);
        // As the serial port hands the bytes over.
        for (const QString& reply : framer.Feed(QString::fromLatin1(piece.data(), static_cast<qsizetype>(piece.size()))))
            check(reply);
        if (!pause) continue;
        if (in.ConsumeBool()) {
            check(framer.Flush());  // the port closed
        } else if (framer.PauseMs() > 0) {
            const QString reply = framer.TakeAfterPause();
            if (!reply.isEmpty() && !IsWholeArduinoReply(reply)) std::abort();
            check(reply);
        }
    }
    return 0;
}
