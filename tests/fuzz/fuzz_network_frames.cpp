// Feeds arbitrary bytes, in arbitrary pieces, to the network link's reader:
// the framer that cuts the stream at CR and the readers of the numbers in a
// message. Every message must respect the bound and hold no end character.

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdlib>

#include "NetworkProtocol.h"

using namespace tamberlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    NetworkFramer framer;
    while (in.remaining_bytes() > 0) {
        const std::string piece = in.ConsumeRandomLengthString(600);
        // As the socket hands the bytes over.
        for (const QString& message : framer.Feed(QString::fromLatin1(piece.data(), static_cast<qsizetype>(piece.size())))) {
            if (message.size() > NetworkFramer::kMaxMessage || message.contains(kMessageEnd)) std::abort();
            const QString payload = message.mid(3);
            for (const char* key : {"k0-", "k8-", "a7-", "m1-", "x"}) {
                const auto v = FindValue(payload, QString::fromLatin1(key));
                if (v && (*v < 0 || *v > 1000000)) std::abort();  // at most six digits, never negative
            }
            const auto n = ReadNetworkNumber(payload);
            if (n && (*n < 0 || *n > 1000000)) std::abort();
        }
    }
    framer.Reset();
    if (framer.HasPending()) std::abort();
    return 0;
}
