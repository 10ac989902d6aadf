#pragma once
// The network link's messages as pure functions over text. A message is a
// two-letter code, the character 1, a payload and the character 13.

#include <QString>
#include <QStringList>

#include <optional>

#include "BoundedFramer.h"

namespace tamberlo {

inline constexpr QChar kMessageSeparator = QChar(1);
inline constexpr QChar kMessageEnd = QChar(13);

// One whole frame: code, Chr(1), payload, Chr(13).
QString NetwerkBericht(const QString& code, const QString& payload = {});

// The number that starts `text`: up to 6 digits, a fraction rounded to the
// nearest whole number (half up); nullopt when there is no digit.
std::optional<int> ReadNetworkNumber(const QString& text);

// The number right after the first occurrence of `key` in `payload`
// (for example key "k8-" in "k8-5"); nullopt when the key is missing.
// A key without a number gives 0, as the peer's images expect.
std::optional<int> FindValue(const QString& payload, const QString& key);

// Cuts the received stream at the character 13. A message longer than
// kMaxBericht is garbage and is dropped up to its end, so a peer that never
// ends a message cannot grow memory.
class NetworkFramer : public BoundedFramer {
public:
    static constexpr int kMaxMessage = 512;

    NetworkFramer() : BoundedFramer(kMaxMessage, IsMessageEnd, true) {}
    void Reset() { Take(); }

private:
    static bool IsMessageEnd(QChar c) { return c == kMessageEnd; }
};

}  // namespace tamberlo
